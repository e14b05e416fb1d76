#pragma once

#include <cstdio>
#include <string>

#include "log/log_writer.h"

enum ExitCode : int {
    kExitOk = 0,      // done, also after a warning
    kExitFailed = 1,  // refused or failed; its message was printed
    kExitUsage = 2,   // the command line was wrong
};

struct CliStreams {
    std::FILE* out;
    std::FILE* err;
};

// Paths are absolute by the time a request is made.
struct ListRequest {
    std::string logPath;
};

struct ExportRequest {
    std::string logPath;
    std::string outPath;
    SaveFormat format = SaveFormat::CompleteLog;
    long fromKey = 0;         // first dateKey included
    long toKey = 0x7fffffff;  // last dateKey included
};

int runList(const ListRequest& request, const CliStreams& streams);
int runExport(const ExportRequest& request, const CliStreams& streams);
