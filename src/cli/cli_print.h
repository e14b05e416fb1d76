#pragma once

#include <string>

#include "args.h"
#include "commands.h"

// orvanta print LOG OUT.pdf --page log|day|week|totals|graph [--pages N-M]
//   [--paper letter|a4] [--period ...] [--type T] [--sport NAME|all] [--first D]
// Prints what File > Print prints for that page into a PDF at 600 dots per
// inch, with no display. Usage problems come back in usageProblem with
// kExitUsage; nothing is printed on standard output.
int runPrintCommand(const ParsedArgs& parsed, const CliStreams& streams, const std::string& currentDir,
                    std::string& usageProblem);
