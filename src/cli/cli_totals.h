#pragma once

#include <string>

#include "args.h"
#include "commands.h"
#include "views/logic/totals.h"

struct TotalsRequest {
    std::string logPath;  // absolute
    TotalPeriod period = TotalPeriod::Week;
};

// The request from the command line: LOG and --period week|month|year (week
// when it is not given). False with the problem when the period is unknown.
bool totalsRequest(const ParsedArgs& parsed, const std::string& currentDir, TotalsRequest& request,
                   std::string& problem);

// Reads the log (every entry selected) and prints the lines of the Totals
// page, one per line, trailing blanks kept.
int runTotals(const TotalsRequest& request, const CliStreams& streams);

// A month label in the C library's locale (LC_TIME): "   Mar 02" under C.
std::string localeMonthLabel(int year, int month);
