#pragma once

#include <cstddef>
#include <string>

// The largest log the program accepts, made up: 10,000 entries over about
// two decades of one athlete's training in seven sports, with memorized
// routes, keywords and comments from empty to several hundred characters.
// Every text is in the form the program itself writes (times normalised,
// CR LF line ends), so reading and saving it again gives the same bytes.
// The same entryCount always gives the same text.
inline constexpr std::size_t kLargeLogEntries = 10000;

std::string largeLogText(std::size_t entryCount = kLargeLogEntries);

// Writes largeLogText(entryCount) to path. Returns success.
bool writeLargeLog(const std::string& path, std::size_t entryCount = kLargeLogEntries);
