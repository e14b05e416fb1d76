#pragma once

#include <string>

#include "args.h"
#include "commands.h"

// orvanta archive LOG OUT --from D --to D [--keep]
struct ArchiveRequest {
    std::string logPath;  // absolute
    std::string outPath;  // absolute
    long fromKey = 0;     // first dateKey archived
    long toKey = 0;       // last dateKey archived
    bool keep = false;    // leave the archived entries in LOG
};

// The request from the command line; false with the problem (a usage error).
bool archiveRequest(const ParsedArgs& parsed, const std::string& currentDir, ArchiveRequest& request,
                    std::string& problem);

// As File > Archive: the entries of the range go to OUT as a complete log;
// unless kept they leave LOG, which is saved only when entries left it.
int runArchive(const ArchiveRequest& request, const CliStreams& streams);
