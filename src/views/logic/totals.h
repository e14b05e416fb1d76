#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "log/log_store.h"

// The periods of the totals report, as "Total Period" stores them.
enum class TotalPeriod : int { Week = 0, Month = 1, Year = 2 };

// One line of the report and its tag: the week number (Week lines), the
// month number (Month lines), the four-digit year (Year lines), or 0 for the
// year summaries of the Week and Month reports. The list shades by the tag.
struct TotalsLine {
    std::string text;
    std::uint16_t tag = 0;
};

// The label of a month block: the first day of the month in the user's
// "   MMM yy" form (three blanks, the short month name, the two-digit year).
// The core has no locale of its own; the program and the tool pass theirs.
using MonthLabel = std::function<std::string(int year, int month)>;

// The same label from English month abbreviations: "   Mar 02".
std::string englishMonthLabel(int year, int month);

// A sport whose name holds "athlon" or "atlon" sums other sports' workouts:
// it never gets a line and its entries count in no total.
bool isMultiSport(const SportDef& sport);

// Every line of the report over the selected entries of the log; empty for
// an empty log. A period outside 0..2 is taken as Week.
std::vector<TotalsLine> buildTotals(const LogStore& store, TotalPeriod period, const MonthLabel& monthLabel);

// The sport line of a block, its pace column and the total line, as the
// report writes them (exposed for the tests of the column rules).
std::string totalsPaceText(const SportDef& sport, const SportTotals& sums);
