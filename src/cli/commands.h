#pragma once

#include <cstdio>
#include <string>

#include "cli_selection.h"
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
    SelectionOptions selection;
};

struct ExportRequest {
    std::string logPath;
    std::string outPath;
    SaveFormat format = SaveFormat::CompleteLog;
    SelectionOptions selection;  // --from and --to among them
};

// An entry as the tool prints it: its log line in UTF-8, ending in '\n'.
std::string printedEntryLine(const LogEntry& entry, const LogStore& store);

// Standard output flushed: status, or kExitFailed (with its message) when it
// could not be written.
int flushOutput(const CliStreams& streams, int status = kExitOk);

inline constexpr const char* kExportOverLog =
    "The export would overwrite the log it is taken from; choose another file.";

// Both print only or write only the selected entries. A selection option
// that does not fit the log is a usage error: kExitUsage with the problem.
int runList(const ListRequest& request, const CliStreams& streams, std::string& usageProblem);
int runExport(const ExportRequest& request, const CliStreams& streams, std::string& usageProblem);
