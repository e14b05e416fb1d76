#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "log_store.h"
#include "user_prompt.h"

enum class ReadResult {
    Ok,          // read; rejected lines, if any, were reported
    NotFound,    // the file or its folder is missing
    OpenFailed,  // no access or another error opening it
    ReadFailed,  // no memory or a read error
    NotALog,     // it does not begin with "Sports List:"
};

struct ReadOptions {
    bool isDefaultLog = false;
    // Sport names of the calorie factors, in order, for each sport's calorieIndex.
    std::vector<std::string> calorieSportNames;
};

// Reads store.fileName into the store. The caller clears the counts first
// (LogStore::clearForRead) for Open and Revert.
ReadResult readLog(LogStore& store, UserPrompt& prompt, const ReadOptions& options = {});

// Fills entry from one line. Returns whether an entry was made; sets badData
// when the line was rejected. With relative the date is "-n" days before
// store.trainingReference. Resolves the sport through the store (so it sets
// currentSport). Messages of the time normaliser go to prompt.
bool parseEntryLine(std::string_view line, bool relative, LogEntry& entry, bool& badData, LogStore& store,
                    UserPrompt& prompt);

// The whole file split into lines as the reader takes them: when the text
// before its first NUL holds a LF every CR is dropped and LF ends lines,
// otherwise CR ends lines. Lines are views into buffer.
std::vector<std::string_view> splitLines(std::string& buffer);

// Reads the whole file; on failure sets the errno value and returns false.
bool readWholeFile(const std::string& path, std::string& buffer, int& error);

int calorieIndexFor(std::string_view sportName, const std::vector<std::string>& calorieSportNames);
