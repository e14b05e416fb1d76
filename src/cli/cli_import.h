#pragma once

#include <string>

#include "args.h"
#include "commands.h"

// orvanta import LOG FILE... [--sport-map NAME=SPORT ...] [--dry-run]
// A malformed --sport-map: kExitUsage with the problem, nothing read.
int runImportCommand(const ParsedArgs& parsed, const CliStreams& streams, const std::string& currentDir,
                     std::string& usageProblem);

// orvanta export LOG OUT --format csv [selection options]
// A selection that is malformed or does not fit the log: kExitUsage with the problem.
int runCsvExportCommand(const ParsedArgs& parsed, const CliStreams& streams, const std::string& currentDir,
                        std::string& usageProblem);

// Some files could not be read; the workouts of the others were added and saved.
inline constexpr int kExitSomeFilesFailed = 3;
