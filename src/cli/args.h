#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The command line split into its parts: the command word, the arguments in
// order and the "--name value" options wherever they stood.
struct ParsedArgs {
    std::string command;  // empty when none was given
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
    bool help = false;  // "--help" anywhere
    // Every "--sport-map NAME=SPORT" of import, in order (the option may
    // be given again and again; options holds it once, with no value).
    std::vector<std::string> sportMaps;
};

// Splits argv (without the program name). "--help", "--keep" and "--dry-run" stand alone
// (a flag is kept in options with an empty value); every other option takes
// the next word as its value. Returns false with a reason in error when an
// option lacks its value or is given twice.
bool parseArgs(const std::vector<std::string>& args, ParsedArgs& parsed, std::string& error);

struct IsoDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// Exactly YYYY-MM-DD naming a real day of the Gregorian calendar.
std::optional<IsoDate> parseIsoDate(std::string_view text);

// The log's sort key of a date: (year - 1900) * 10000 + month * 100 + day.
long isoDateKey(const IsoDate& date);
