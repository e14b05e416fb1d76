#include "csv_reader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "civil_time.h"
#include "import_messages.h"

namespace {

enum class Column { Other, Date, Sport, Distance, Unit, Time, Name, Notes, ActivityId };

// What a header's words name, and the unit it states, if any.
struct HeaderInfo {
    Column column = Column::Other;
    int rank = 0;                 // lower ranks are asked first
    double metresPerUnit = 0.0;   // distance columns: 0 when the header gives no unit
    double secondsPerUnit = 0.0;  // time columns: 0 when the values say themselves
};

struct Spelling {
    const char* name;
    Column column;
    int rank;
};

constexpr std::array<Spelling, 43> kSpellings = {{
    {"date", Column::Date, 0},
    {"activity date", Column::Date, 1},
    {"start time", Column::Date, 2},
    {"start date", Column::Date, 3},
    {"start date local", Column::Date, 4},
    {"start", Column::Date, 5},
    {"date/time", Column::Date, 6},
    {"datetime", Column::Date, 7},
    {"timestamp", Column::Date, 8},
    {"activity type", Column::Sport, 0},
    {"sport", Column::Sport, 1},
    {"sport type", Column::Sport, 2},
    {"type", Column::Sport, 3},
    {"activity", Column::Sport, 4},
    {"metres", Column::Distance, 0},
    {"meters", Column::Distance, 0},
    {"distance", Column::Distance, 2},
    {"total distance", Column::Distance, 3},
    {"dist", Column::Distance, 4},
    {"unit", Column::Unit, 0},
    {"units", Column::Unit, 1},
    {"distance unit", Column::Unit, 2},
    {"seconds", Column::Time, 0},
    {"time", Column::Time, 1},
    {"duration", Column::Time, 2},
    {"total time", Column::Time, 3},
    {"elapsed time", Column::Time, 4},
    {"moving time", Column::Time, 5},
    {"timer time", Column::Time, 6},
    {"title", Column::Name, 0},
    {"name", Column::Name, 1},
    {"activity name", Column::Name, 2},
    {"workout name", Column::Name, 3},
    {"route", Column::Name, 4},
    {"notes", Column::Notes, 0},
    {"note", Column::Notes, 1},
    {"description", Column::Notes, 2},
    {"activity description", Column::Notes, 3},
    {"comment", Column::Notes, 4},
    {"comments", Column::Notes, 5},
    {"activity id", Column::ActivityId, 0},
    {"workout", Column::Name, 5},
    {"elapsed seconds", Column::Time, 0},
}};

struct UnitName {
    const char* name;
    double metres;   // for distances
    double seconds;  // for times
};

constexpr std::array<UnitName, 21> kUnitNames = {{
    {"m", 1.0, 0.0},        {"meters", 1.0, 0.0},     {"metres", 1.0, 0.0},        {"meter", 1.0, 0.0},
    {"metre", 1.0, 0.0},    {"km", 1000.0, 0.0},      {"kilometers", 1000.0, 0.0}, {"kilometres", 1000.0, 0.0},
    {"mi", 1609.344, 0.0},  {"miles", 1609.344, 0.0}, {"mile", 1609.344, 0.0},     {"yd", 0.9144, 0.0},
    {"yards", 0.9144, 0.0}, {"ft", 0.3048, 0.0},      {"feet", 0.3048, 0.0},       {"s", 0.0, 1.0},
    {"sec", 0.0, 1.0},      {"seconds", 0.0, 1.0},    {"min", 0.0, 60.0},          {"minutes", 0.0, 60.0},
    {"h", 0.0, 3600.0},
}};

std::string lowerAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

const UnitName* findUnit(std::string_view name)
{
    for (const UnitName& unit : kUnitNames)
        if (name == unit.name)
            return &unit;
    return nullptr;
}

// "Distance (km)", "distance_km", "Elapsed Time [s]": the words and the unit.
HeaderInfo headerInfo(std::string_view header)
{
    std::string words = lowerAscii(trimmed(header));
    for (char& c : words)
        if (c == '_')
            c = ' ';
    const UnitName* unit = nullptr;
    const std::size_t open = words.find_first_of("([");
    if (open != std::string::npos) {
        const std::size_t close = words.find_first_of(")]", open);
        unit = findUnit(trimmed(std::string_view(words).substr(
            open + 1, close == std::string::npos ? std::string::npos : close - open - 1)));
        words = std::string(trimmed(std::string_view(words).substr(0, open)));
    } else if (const std::size_t space = words.rfind(' '); space != std::string::npos) {
        // "distance km": a unit as the last word, when the rest is a known name.
        if (const UnitName* last = findUnit(std::string_view(words).substr(space + 1))) {
            const std::string rest = words.substr(0, space);
            for (const Spelling& spelling : kSpellings)
                if (rest == spelling.name && (spelling.column == Column::Distance || spelling.column == Column::Time)) {
                    unit = last;
                    words = rest;
                }
        }
    }
    HeaderInfo info;
    for (const Spelling& spelling : kSpellings) {
        if (words == spelling.name) {
            info.column = spelling.column;
            info.rank = spelling.rank;
            break;
        }
    }
    if (info.column == Column::Other) {
        // A column named by its unit alone: "km", "miles".
        if (const UnitName* alone = findUnit(words); alone != nullptr && alone->metres > 0.0 && words.size() > 2) {
            info.column = Column::Distance;
            info.metresPerUnit = alone->metres;
        }
        return info;
    }
    if (words == "metres" || words == "meters")
        info.metresPerUnit = 1.0;
    if (words == "seconds" || words == "elapsed seconds")
        info.secondsPerUnit = 1.0;
    if (unit != nullptr) {
        if (info.column == Column::Distance && unit->metres > 0.0)
            info.metresPerUnit = unit->metres;
        if (info.column == Column::Time && unit->seconds > 0.0)
            info.secondsPerUnit = unit->seconds;
    }
    // A unit in the header ranks a column before those that leave it open.
    if (info.metresPerUnit > 0.0)
        info.rank = -1;
    return info;
}

// A number as spreadsheets write it: "5.01", "1,500" (thousands), "5,01"
// (a decimal comma). Nothing when the text holds no number.
std::optional<double> numberOf(std::string_view text)
{
    text = trimmed(text);
    std::string plain;
    const std::size_t lastComma = text.rfind(',');
    const bool hasPoint = text.find('.') != std::string_view::npos;
    // A comma is a thousands separator when a point follows or exactly
    // three digits do; otherwise it is the decimal sign.
    const bool commaGroups = hasPoint || (lastComma != std::string_view::npos && text.size() - lastComma - 1 == 3);
    for (char c : text) {
        if (c == ',') {
            if (!commaGroups)
                plain += '.';
        } else if (c != ' ' && c != '\'') {
            plain += c;
        }
    }
    if (plain.empty() || plain.size() > 64)
        return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(plain.c_str(), &end);
    if (end == plain.c_str() || *end != '\0' || !std::isfinite(value))
        return std::nullopt;
    return value;
}

int monthOfName(std::string_view name)
{
    static constexpr std::array<const char*, 12> kMonths = {"jan", "feb", "mar", "apr", "may", "jun",
                                                            "jul", "aug", "sep", "oct", "nov", "dec"};
    const std::string lower = lowerAscii(name.substr(0, 3));
    for (std::size_t i = 0; i < kMonths.size(); ++i)
        if (lower == kMonths[i])
            return static_cast<int>(i) + 1;
    return 0;
}

// Reads the unsigned number at text[at...], at most maxDigits digits.
bool digitsAt(std::string_view text, std::size_t& at, int& value, std::size_t maxDigits = 4)
{
    const std::size_t from = at;
    value = 0;
    while (at < text.size() && at - from < maxDigits && text[at] >= '0' && text[at] <= '9')
        value = value * 10 + (text[at++] - '0');
    return at > from;
}

bool validCivil(const CivilTime& t)
{
    static constexpr int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return t.year >= 1900 && t.year <= 2200 && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
           t.day <= kDays[t.month - 1] && t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60 &&
           t.second >= 0 && t.second < 61;
}

// "7:00", "7:00:00 AM", "19:00:00.5": the clock part of a date text.
bool readClock(std::string_view text, std::size_t& at, CivilTime& t)
{
    while (at < text.size() && (text[at] == ' ' || text[at] == 'T' || text[at] == ','))
        ++at;
    if (at >= text.size())
        return true;
    if (!digitsAt(text, at, t.hour, 2) || at >= text.size() || text[at++] != ':' || !digitsAt(text, at, t.minute, 2))
        return false;
    if (at < text.size() && text[at] == ':') {
        ++at;
        if (!digitsAt(text, at, t.second, 2))
            return false;
        if (at < text.size() && (text[at] == '.' || text[at] == ',')) {
            int fraction = 0;
            ++at;
            digitsAt(text, at, fraction, 9);
        }
    }
    while (at < text.size() && text[at] == ' ')
        ++at;
    const std::string rest = lowerAscii(text.substr(at, 2));
    if (rest == "am" || rest == "pm") {
        if (t.hour < 1 || t.hour > 12)
            return false;
        t.hour = t.hour % 12 + (rest == "pm" ? 12 : 0);
        at += 2;
    }
    return true;
}

// The clock time and the zone after a date's day, month and year.
std::optional<DateRead> finishDate(std::string_view text, std::size_t at, DateRead read)
{
    CivilTime& t = read.time;
    if (!readClock(text, at, t))
        return std::nullopt;
    while (at < text.size() && text[at] == ' ')
        ++at;
    if (at < text.size() && (text[at] == 'Z' || text[at] == 'z')) {
        read.offsetSeconds = 0;
    } else if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        const int sign = text[at++] == '-' ? -1 : 1;
        int hours = 0;
        int minutes = 0;
        if (!digitsAt(text, at, hours, 2))
            return std::nullopt;
        if (at < text.size() && text[at] == ':')
            ++at;
        digitsAt(text, at, minutes, 2);
        read.offsetSeconds = sign * (hours * 3600 + minutes * 60);
    }
    if (!validCivil(t))
        return std::nullopt;
    return read;
}

}  // namespace

std::optional<DateRead> readDateText(std::string_view text)
{
    text = trimmed(text);
    DateRead read;
    CivilTime& t = read.time;
    std::size_t at = 0;
    if (text.size() >= 3 && monthOfName(text) != 0 && (text[0] < '0' || text[0] > '9')) {
        // "Mar 2, 2024, 7:00:00 AM"
        t.month = monthOfName(text);
        at = text.find(' ');
        if (at == std::string_view::npos)
            return std::nullopt;
        ++at;
        if (!digitsAt(text, at, t.day, 2))
            return std::nullopt;
        while (at < text.size() && (text[at] == ',' || text[at] == ' '))
            ++at;
        if (!digitsAt(text, at, t.year, 4))
            return std::nullopt;
    } else {
        int first = 0;
        if (!digitsAt(text, at, first))
            return std::nullopt;
        const char separator = at < text.size() ? text[at] : '\0';
        if (separator == ' ' && at + 4 < text.size() && monthOfName(text.substr(at + 1)) != 0) {
            // "2 Mar 2024, 07:00:00", as Strava writes dates for some countries.
            t.day = first;
            t.month = monthOfName(text.substr(at + 1));
            at = text.find(' ', at + 1);
            while (at < text.size() && text[at] == ' ')
                ++at;
            if (at >= text.size() || !digitsAt(text, at, t.year, 4))
                return std::nullopt;
            return finishDate(text, at, read);
        }
        if (separator != '-' && separator != '/' && separator != '.')
            return std::nullopt;
        int second = 0;
        int third = 0;
        ++at;
        if (!digitsAt(text, at, second, 2) || at >= text.size() || text[at++] != separator ||
            !digitsAt(text, at, third))
            return std::nullopt;
        if (first >= 1000) {
            t = CivilTime{first, second, third, 0, 0, 0};  // 2024-03-02, 2024/03/02
        } else if (separator == '.') {
            t = CivilTime{third, second, first, 0, 0, 0};  // 02.03.2024
        } else {
            t = CivilTime{third, first, second, 0, 0, 0};  // 03/02/2024
        }
        if (t.year < 100)
            t.year += t.year < 50 ? 2000 : 1900;
    }
    return finishDate(text, at, read);
}

namespace {

// The columns of a file, each kind in the order they are asked.
struct Layout {
    std::vector<std::pair<HeaderInfo, std::size_t>> dates, sports, distances, units, times, names, notes;
    bool strava = false;  // dates in UTC; the last of several "Distance" columns is metres
    bool garmin = false;  // distances in km, swims in metres
};

void sortByRank(std::vector<std::pair<HeaderInfo, std::size_t>>& columns)
{
    std::stable_sort(columns.begin(), columns.end(),
                     [](const auto& a, const auto& b) { return a.first.rank < b.first.rank; });
}

Layout layoutOf(const std::vector<std::string>& header)
{
    Layout layout;
    bool activityId = false;
    bool activityDate = false;
    bool favorite = false;
    bool title = false;
    std::vector<std::size_t> plainDistances;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const HeaderInfo info = headerInfo(header[i]);
        const std::string lower = lowerAscii(trimmed(header[i]));
        activityId = activityId || info.column == Column::ActivityId;
        activityDate = activityDate || lower == "activity date";
        favorite = favorite || lower == "favorite";
        title = title || lower == "title";
        switch (info.column) {
            case Column::Date:
                layout.dates.emplace_back(info, i);
                break;
            case Column::Sport:
                layout.sports.emplace_back(info, i);
                break;
            case Column::Distance:
                layout.distances.emplace_back(info, i);
                if (lower == "distance")
                    plainDistances.push_back(i);
                break;
            case Column::Unit:
                layout.units.emplace_back(info, i);
                break;
            case Column::Time:
                layout.times.emplace_back(info, i);
                break;
            case Column::Name:
                layout.names.emplace_back(info, i);
                break;
            case Column::Notes:
                layout.notes.emplace_back(info, i);
                break;
            default:
                break;
        }
    }
    layout.strava = activityId && activityDate;
    layout.garmin = !layout.strava && favorite && title;
    if (layout.strava && plainDistances.size() >= 2) {
        // Strava writes the distance twice: first in the athlete's units,
        // later in metres. The metres one is the one to trust.
        for (auto& [info, index] : layout.distances)
            if (index == plainDistances.back()) {
                info.metresPerUnit = 1.0;
                info.rank = -1;
            }
    }
    for (auto* columns :
         {&layout.dates, &layout.sports, &layout.distances, &layout.units, &layout.times, &layout.names, &layout.notes})
        sortByRank(*columns);
    return layout;
}

std::string_view cell(const std::vector<std::string>& row, std::size_t index)
{
    return index < row.size() ? trimmed(row[index]) : std::string_view();
}

// The first column of the list whose cell is not empty (nor "--").
std::string_view firstFilled(const std::vector<std::pair<HeaderInfo, std::size_t>>& columns,
                             const std::vector<std::string>& row, const HeaderInfo** info = nullptr)
{
    for (const auto& [header, index] : columns) {
        const std::string_view text = cell(row, index);
        if (!text.empty() && text != "--") {
            if (info != nullptr)
                *info = &header;
            return text;
        }
    }
    return {};
}

double metresPerUnitText(std::string_view unit)
{
    const UnitName* found = findUnit(lowerAscii(trimmed(unit)));
    return found != nullptr ? found->metres : 0.0;
}

void readDistance(const Layout& layout, const std::vector<std::string>& row, WorkoutSummary& workout)
{
    for (const auto& [info, index] : layout.distances) {
        const std::optional<double> number = numberOf(cell(row, index));
        if (!number || *number < 0.0)
            continue;
        double perUnit = info.metresPerUnit;
        if (perUnit == 0.0) {
            if (std::string_view unit = firstFilled(layout.units, row); !unit.empty())
                perUnit = metresPerUnitText(unit);
        }
        if (perUnit == 0.0 && (layout.strava || layout.garmin)) {
            // The services leave the unit out: kilometres, and metres for swims.
            const bool swim = lowerAscii(workout.sport).find("swim") != std::string::npos;
            perUnit = layout.garmin && swim ? 1.0 : 1000.0;
        }
        workout.distanceKind = perUnit > 0.0 ? DistanceKind::Metres : DistanceKind::SportUnits;
        workout.distance = perUnit > 0.0 ? *number * perUnit : *number;
        return;
    }
}

void readTime(const Layout& layout, const std::vector<std::string>& row, WorkoutSummary& workout)
{
    for (const auto& [info, index] : layout.times) {
        const std::string_view text = cell(row, index);
        if (text.empty() || text == "--")
            continue;
        double seconds = -1.0;
        if (info.secondsPerUnit > 0.0) {
            if (const std::optional<double> number = numberOf(text))
                seconds = *number * info.secondsPerUnit;
        } else {
            seconds = secondsOfText(text);
        }
        if (seconds >= 0.0) {
            workout.seconds = seconds;
            return;
        }
    }
}

}  // namespace

double secondsOfText(std::string_view text)
{
    text = trimmed(text);
    if (!text.empty() && text.front() == '~')
        text.remove_prefix(1);
    if (text.find(':') == std::string_view::npos) {
        const std::optional<double> number = numberOf(text);
        return number && *number >= 0.0 ? *number : -1.0;
    }
    double total = 0.0;
    int parts = 0;
    std::size_t from = 0;
    while (from <= text.size()) {
        const std::size_t colon = text.find(':', from);
        const std::string_view part = text.substr(from, colon == std::string_view::npos ? colon : colon - from);
        const std::optional<double> value = numberOf(part);
        if (!value || *value < 0.0 || ++parts > 3)
            return -1.0;
        total = total * 60.0 + *value;
        if (colon == std::string_view::npos)
            break;
        from = colon + 1;
    }
    return total;
}

std::vector<std::vector<std::string>> splitCsv(std::string_view text, char separator)
{
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string field;
    bool quoted = false;
    bool fieldStarted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
        } else if (c == '"' && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (c == separator) {
            row.push_back(std::move(field));
            field.clear();
            fieldStarted = false;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            row.push_back(std::move(field));
            field.clear();
            fieldStarted = false;
            rows.push_back(std::move(row));
            row.clear();
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (fieldStarted || !field.empty() || !row.empty()) {
        row.push_back(std::move(field));
        rows.push_back(std::move(row));
    }
    return rows;
}

namespace {

std::string_view withoutBom(std::string_view text)
{
    if (text.size() >= 3 && static_cast<unsigned char>(text[0]) == 0xEF &&
        static_cast<unsigned char>(text[1]) == 0xBB && static_cast<unsigned char>(text[2]) == 0xBF)
        text.remove_prefix(3);
    return text;
}

// The separator of the header line: commas, else semicolons, else tabs.
char separatorOf(std::string_view text)
{
    const std::string_view line = text.substr(0, text.find_first_of("\r\n"));
    if (line.find(',') != std::string_view::npos)
        return ',';
    if (line.find(';') != std::string_view::npos)
        return ';';
    return line.find('\t') != std::string_view::npos ? '\t' : ',';
}

}  // namespace

bool looksLikeCsv(std::string_view text)
{
    text = withoutBom(text);
    const char separator = separatorOf(text);
    const std::size_t end = text.find_first_of("\r\n");
    const std::vector<std::vector<std::string>> header = splitCsv(text.substr(0, end), separator);
    if (header.empty())
        return false;
    return !layoutOf(header.front()).dates.empty();
}

FileSummaries readCsv(std::string_view text)
{
    FileSummaries result;
    text = withoutBom(text);
    const std::vector<std::vector<std::string>> rows = splitCsv(text, separatorOf(text));
    if (rows.empty()) {
        result.error = importmsg::kCsvNoDateColumn;
        return result;
    }
    const Layout layout = layoutOf(rows.front());
    if (layout.dates.empty()) {
        result.error = importmsg::kCsvNoDateColumn;
        return result;
    }
    bool anyRow = false;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const std::vector<std::string>& row = rows[r];
        if (row.size() == 1 && trimmed(row.front()).empty())
            continue;  // a blank line
        anyRow = true;
        std::optional<DateRead> date;
        for (const auto& [info, index] : layout.dates)
            if ((date = readDateText(cell(row, index))))
                break;
        if (!date)
            continue;
        WorkoutSummary workout;
        if (date->offsetSeconds)
            workout.utcStart = unixSecondsOf(date->time) - *date->offsetSeconds;
        else if (layout.strava)
            workout.utcStart = unixSecondsOf(date->time);
        else
            workout.localStart = date->time;
        workout.sport = std::string(firstFilled(layout.sports, row));
        readDistance(layout, row, workout);
        readTime(layout, row, workout);
        workout.name = std::string(firstFilled(layout.names, row));
        workout.notes = std::string(firstFilled(layout.notes, row));
        result.workouts.push_back(std::move(workout));
    }
    if (result.workouts.empty())
        result.error = anyRow ? importmsg::kCsvNoDates : importmsg::kNoWorkout;
    return result;
}
