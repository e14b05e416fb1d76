#pragma once

#include <cstdio>
#include <cstring>
#include <string>

// The texts the log code shows, defined once.
namespace msg {
inline constexpr const char* kCaption = "Orvanta";
inline constexpr const char* kBadEntryCaption = "Orvanta: Bad Entry";

inline constexpr const char* kCouldntFind = "Couldn't find ";
inline constexpr const char* kDefaultLogWord = "default log ";
inline constexpr const char* kUseOpenOrNew = ". Use File->Open to open a log or File->New to start a new log";
inline constexpr const char* kThenMakeDefault =
    ", then use Special->Log->Make Default Log to designate a new default log.";
inline constexpr const char* kProblemAccessing = "Problem accessing file %s";
inline constexpr const char* kProblemOpening = "Problem opening file %s: system error #%d";
inline constexpr const char* kNoMemory = "Couldn't allocate memory to read file";
inline constexpr const char* kProblemReading = "Problem reading file";
inline constexpr const char* kNotALog = "This file does not appear to be an Orvanta log file.";
inline constexpr const char* kRejectedData =
    "Warning! Proceed with caution! Some of the data in this file was in the incorrect format. Some entries "
    "may have been lost or truncated.";

inline constexpr const char* kMustName = "You must name your file in order to save it!";
inline constexpr const char* kNoSelected = "There are no selected entries!";
inline constexpr const char* kWriteProtected = "File \"%s\" is write-protected";
inline constexpr const char* kProblemWriting = "Problem trying to create or write to file \"%s\": system error# %d";
inline constexpr const char* kAddToStartMenu = "Do you want to add this log to your Start Menu?";

inline constexpr const char* kSelectLogTitle = "Select a log to open";
inline constexpr const char* kNewFileTitle = "Enter the name of the new file";

inline constexpr const char* kLogFull = "The log is full: it can hold at most 10000 entries.";

// pattern with the path for its %s and error for its %d, if it has one.
inline std::string withPath(const char* pattern, const std::string& path, int error = 0)
{
    std::string out(std::strlen(pattern) + path.size() + 24, '\0');
    const int n = std::snprintf(out.data(), out.size(), pattern, path.c_str(), error);
    out.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return out;
}
}  // namespace msg
