#pragma once

#include <optional>
#include <string>
#include <string_view>

// A log holds Latin-1; the command line and the standard streams are UTF-8.

// text (UTF-8) in Latin-1; nothing when it holds a character Latin-1 lacks
// (or is no UTF-8 at all), with that character (or byte) in missing.
std::optional<std::string> utf8ToLatin1(std::string_view text, std::string& missing);
// The same, with '?' for every character Latin-1 lacks.
std::string utf8ToLatin1Lossy(std::string_view text);
// Latin-1 text in UTF-8.
std::string latin1ToUtf8(std::string_view text);
// Whether text is well-formed UTF-8 (plain ASCII is).
bool isUtf8(std::string_view text);
