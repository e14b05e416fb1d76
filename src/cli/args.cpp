#include "args.h"

namespace {

bool isOption(const std::string& word)
{
    return word.size() > 2 && word[0] == '-' && word[1] == '-';
}

bool isFlag(const std::string& word)
{
    return word == "--keep" || word == "--dry-run";
}

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

// The number of a run of exactly count digits, or -1.
int digitsValue(std::string_view text, std::size_t from, std::size_t count)
{
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

bool parseArgs(const std::vector<std::string>& args, ParsedArgs& parsed, std::string& error)
{
    parsed = ParsedArgs{};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "--help") {
            parsed.help = true;
        } else if (isOption(word)) {
            bool flag = isFlag(word);
            if (!flag && i + 1 >= args.size()) {
                error = "option " + word + " needs a value";
                return false;
            }
            if (word == "--sport-map") {
                parsed.sportMaps.push_back(args[++i]);
                parsed.options[word.substr(2)];
                continue;
            }
            if (!parsed.options.emplace(word.substr(2), flag ? std::string() : args[++i]).second) {
                error = "option " + word + " is given twice";
                return false;
            }
        } else if (parsed.command.empty()) {
            parsed.command = word;
        } else {
            parsed.positional.push_back(word);
        }
    }
    return true;
}

std::optional<IsoDate> parseIsoDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    IsoDate date{digitsValue(text, 0, 4), digitsValue(text, 5, 2), digitsValue(text, 8, 2)};
    if (date.year < 0 || date.month < 1 || date.month > 12 || date.day < 1)
        return std::nullopt;
    if (date.day > daysInMonth(date.year, date.month))
        return std::nullopt;
    return date;
}

long isoDateKey(const IsoDate& date)
{
    return (date.year - 1900L) * 10000L + date.month * 100L + date.day;
}
