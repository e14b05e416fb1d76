#pragma once

#include <string>

#include "args.h"
#include "commands.h"

// orvanta import LOG FILE... [--sport-map NAME=SPORT ...] [--dry-run]
int runImportCommand(const ParsedArgs& parsed, const CliStreams& streams, const std::string& currentDir);

// orvanta export LOG OUT --format csv [--from D] [--to D]
int runCsvExportCommand(const ParsedArgs& parsed, const CliStreams& streams, const std::string& currentDir);

// Some files could not be read; the workouts of the others were added and saved.
inline constexpr int kExitSomeFilesFailed = 3;
