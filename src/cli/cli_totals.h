#pragma once

#include <string>

#include "args.h"
#include "commands.h"
#include "views/logic/totals.h"

struct TotalsRequest {
    std::string logPath;  // absolute
    TotalPeriod period = TotalPeriod::Week;
    SelectionOptions selection;
};

// --period week|month|year into period, left alone when not given; false
// with the problem when it is unknown.
bool totalPeriodOption(const ParsedArgs& parsed, TotalPeriod& period, std::string& problem);

// The request from the command line: LOG, --period week|month|year (week
// when it is not given) and the selection options. False with the problem
// when one is malformed.
bool totalsRequest(const ParsedArgs& parsed, const std::string& currentDir, TotalsRequest& request,
                   std::string& problem);

// Reads the log, selects by the selection options and prints the lines of
// the Totals page over the selected entries, one per line, trailing blanks
// kept. A selection that does not fit the log: kExitUsage with the problem.
int runTotals(const TotalsRequest& request, const CliStreams& streams, std::string& usageProblem);

// A month label in the C library's locale (LC_TIME): "   Mar 02" under C.
std::string localeMonthLabel(int year, int month);
