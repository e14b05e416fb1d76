#pragma once

#include <string>
#include <string_view>

// Workout files are UTF-8 (a CSV saved by an older spreadsheet may be
// Latin-1); the log holds Latin-1. A character that Latin-1 lacks becomes
// "?"; a text that is not valid UTF-8 is taken as Latin-1 already.
std::string latin1FromFileText(std::string_view text);

// Log texts (Latin-1) for the standard streams and CSV files (UTF-8).
std::string utf8FromLatin1(std::string_view text);
