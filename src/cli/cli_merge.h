#pragma once

#include <optional>
#include <string>

#include "args.h"
#include "commands.h"

// orvanta merge LOG FILE [--plan-start D | --plan-end D]
struct MergeRequest {
    std::string logPath;   // absolute
    std::string filePath;  // absolute
    std::optional<IsoDate> planStart;
    std::optional<IsoDate> planEnd;
};

// The request from the command line; false with the problem (a usage error).
bool mergeRequest(const ParsedArgs& parsed, const std::string& currentDir, MergeRequest& request, std::string& problem);

// Merges FILE into LOG as File > Merge does and saves LOG when entries were
// added. A training program needs a plan date; without one nothing is merged.
int runMerge(const MergeRequest& request, const CliStreams& streams);

// What a training program merged without a plan date prints: the first
// sentence of the Training Plan question, then how to answer it.
std::string planNeededText(int planLength);
