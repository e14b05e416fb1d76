#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "line_scan.h"
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
// Only a regular file is read: a pipe or a device gets the access message.
ReadResult readLog(LogStore& store, UserPrompt& prompt, const ReadOptions& options = {});
// The same, telling whether some lines were rejected (the warning was shown):
// a log read so must not be written back by anyone who did not ask the person.
ReadResult readLog(LogStore& store, UserPrompt& prompt, const ReadOptions& options, bool& rejectedLines);

// Fills entry from one line. Returns whether an entry was made; sets badData
// when the line was rejected (a line holding a NUL is). With relative the date is "-n" days before
// store.trainingReference. Resolves the sport through the store (so it sets
// currentSport). Messages of the time normaliser go to prompt.
bool parseEntryLine(std::string_view line, bool relative, LogEntry& entry, bool& badData, LogStore& store,
                    UserPrompt& prompt);

// An entry's sport by the letter of its kindSport, and its distance number
// in that sport's units, as reading its line gives them (sets currentSport).
void resolveEntrySport(LogEntry& entry, LogStore& store);

// The lines of a file's text as the reader takes them, one at a time: when
// the text holds a LF every CR is dropped and LF ends lines, otherwise CR
// ends lines. A NUL ends nothing (a line holding one is rejected by the
// reader). Lines are views into buffer, which is edited in place.
class LineSplitter {
public:
    explicit LineSplitter(std::string& buffer);
    // The next line; false at the end of the text.
    bool next(std::string_view& line);
    // The same, split into its fields in the same pass over its bytes.
    bool next(std::string_view& line, LineFields& fields);

private:
    char* m_text;
    std::size_t m_size;
    std::size_t m_start = 0;
    bool m_lineFeeds = false;
};

// Every line at once, for the few callers that want them all.
std::vector<std::string_view> splitLines(std::string& buffer);

// Reads the whole file; on failure sets the errno value and returns false
// (EISDIR for a folder, EACCES for anything else that is not a regular file).
bool readWholeFile(const std::string& path, std::string& buffer, int& error);

int calorieIndexFor(std::string_view sportName, const std::vector<std::string>& calorieSportNames);
