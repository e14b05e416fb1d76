#pragma once

#include <optional>
#include <string>
#include <string_view>

// A log holds Latin-1; the command line, the standard streams and workout
// files are UTF-8.

// text (UTF-8) in Latin-1; nothing when it holds a character Latin-1 lacks
// (or is no UTF-8 at all), with that character (or byte) in missing.
std::optional<std::string> utf8ToLatin1(std::string_view text, std::string& missing);
// The same, with '?' for every character Latin-1 lacks.
std::string utf8ToLatin1Lossy(std::string_view text);
// Latin-1 text in UTF-8.
std::string latin1ToUtf8(std::string_view text);
// Whether text is well-formed UTF-8 (plain ASCII is).
bool isUtf8(std::string_view text);
// A text read from a workout file (UTF-8, or Latin-1 from an older
// spreadsheet) in Latin-1: a text that is no UTF-8 is taken as Latin-1
// already; '?' stands for every character Latin-1 lacks.
std::string latin1FromFileText(std::string_view text);
// Lower case of a Latin-1 byte: the ASCII letters and the accented capitals
// (0xC0..0xDE, less the multiplication sign).
char lowerLatin1(char c);
