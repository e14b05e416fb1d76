#include "views/logic/week_data.h"

#include <cstdio>

namespace {

// An entry line longer than this is cut when another line of the same day
// follows it, so that one long comment cannot push the rest out of the cell.
constexpr std::size_t kLongLine = 256;

constexpr std::size_t kSportSlots = LogStore::kMaxSports + 1;

struct SportSums {
    float weekMinutes = 0.0f;
    float weekDistance = 0.0f;
    float yearMinutes = 0.0f;
    float yearDistance = 0.0f;
};

bool counts(const LogEntry& entry, int selectionDisplayMode)
{
    return entry.selected != 0 || selectionDisplayMode == 0;
}

char letterOf(const LogStore& store, std::size_t sport)
{
    return sport == 0 || sport > store.sportCount ? ' ' : store.sports[sport].letter;
}

std::string printed(const char* format, auto... values)
{
    char buffer[160];
    const int n = std::snprintf(buffer, sizeof buffer, format, values...);
    return std::string(buffer, n < 0 ? 0 : (static_cast<std::size_t>(n) < sizeof buffer ? n : sizeof buffer - 1));
}

std::string suffixOf(const LogStore& store, std::size_t sport)
{
    return std::string(1,
                       unitSuffix(sport <= store.sportCount ? store.sports[sport].distanceUnits : DistanceUnit::None));
}

std::string entryText(const LogStore& store, const LogEntry& entry, bool withRouteAndComment)
{
    std::string text(1, letterOf(store, entry.sportIndex));
    text += ": ";
    if (!entry.distanceText.empty()) {
        text += entry.distanceText.view();
        text += " (";
        text += entry.timeText.view();
        text += ")";
    } else {
        text += entry.timeText.view();
    }
    if (withRouteAndComment) {
        text += ' ';
        text += entry.routeText.view();
        text += ' ';
        text += entry.commentText.view();
    }
    return text;
}

// "%c: %.1f%s, %.1f hr" with a distance, "%c: %.1f hr" without: the week
// column of the binder and the totals column of the grid.
std::string weekColumn(const LogStore& store, std::size_t sport, const SportSums& sums, bool withDistance)
{
    const char letter = letterOf(store, sport);
    const double hours = static_cast<double>(sums.weekMinutes / 60.0f);
    if (withDistance)
        return printed("%c: %.1f%s, %.1f hr", letter, static_cast<double>(sums.weekDistance),
                       suffixOf(store, sport).c_str(), hours);
    return printed("%c: %.1f hr", letter, hours);
}

std::string yearColumn(const LogStore& store, std::size_t sport, const SportSums& sums, float weeksElapsed)
{
    const char letter = letterOf(store, sport);
    const double hours = static_cast<double>(sums.yearMinutes / 60.0f);
    const double hoursPerWeek = static_cast<double>(sums.yearMinutes / (weeksElapsed * 60.0f));
    if (sums.yearDistance > 0.0f)
        return printed("%c: %.1f%s (%.1f), %.1f hr (%.1f)", letter, static_cast<double>(sums.yearDistance),
                       suffixOf(store, sport).c_str(), static_cast<double>(sums.yearDistance / weeksElapsed), hours,
                       hoursPerWeek);
    return printed("%c: %.1f / %.1f hr", letter, hours, hoursPerWeek);
}

int startingWeek(const LogStore& store, const WeekRequest& request)
{
    if (request.firstWeek != -1)
        return request.firstWeek;
    if (store.entryCount > 0)
        return store.entry(store.entryCount - 1u).weekIndex;
    const DateFormat format = store.preferences.dateFormat();
    return weekIndexOf(parseDate(formatDate(request.today, format), format), store.weekOrigin);
}

}  // namespace

float weeksElapsedOf(const CalendarDate& firstDay)
{
    CalendarDate end = addDays(firstDay, 6);
    if (firstDay.month == 12 && firstDay.day >= 25)
        end = CalendarDate{firstDay.year, 12, 31};
    return static_cast<float>(daysBetween(end, CalendarDate{firstDay.year, 1, 1})) / 7.0f;
}

WeekData buildWeekData(const LogStore& store, const WeekRequest& request)
{
    WeekData data;
    data.fourWeeks = request.weekViewWeeks != 1;
    data.firstWeek = startingWeek(store, request);
    data.firstDay = weekFirstDay(data.firstWeek, store.weekOrigin);
    data.year = data.firstDay.year;
    data.weeksElapsed = weeksElapsedOf(data.firstDay);

    const int mode = request.selectionDisplayMode;
    std::array<SportSums, kSportSlots> sums{};
    auto add = [&](const LogEntry& entry, bool toWeek) {
        if (entry.sportIndex >= kSportSlots)
            return;
        SportSums& s = sums[entry.sportIndex];
        if (toWeek) {
            s.weekMinutes += entry.minutes;
            s.weekDistance += entry.distance;
        }
        s.yearMinutes += entry.minutes;
        s.yearDistance += entry.distance;
    };

    // The year so far: the entries of year Y before the first week shown.
    // The log is in date order, so the walk ends where the shown weeks begin.
    const std::uint32_t yearKey = static_cast<std::uint32_t>(data.year - 1900);
    std::size_t pos = 0;
    for (; pos < store.entryCount && store.entry(pos).weekIndex < data.firstWeek; ++pos) {
        const LogEntry& entry = store.entry(pos);
        if (counts(entry, mode) && entry.dateKey / 10000 == yearKey)
            add(entry, false);
    }

    const bool highlighting = mode == 0 && store.shownCount < store.entryCount;
    const int dayCount = data.fourWeeks ? 28 : 7;
    data.days.reserve(static_cast<std::size_t>(dayCount));
    CalendarDate date = data.firstDay;
    for (int k = 0; k < dayCount; ++k, date = addDays(date, 1)) {
        WeekDay& day = data.days.emplace_back();
        day.date = date;
        const std::uint32_t key = dateKeyOf(date);
        for (; pos < store.entryCount && store.entry(pos).dateKey == key; ++pos) {
            const LogEntry& entry = store.entry(pos);
            if (!counts(entry, mode))
                continue;
            // The grid has no room for an entry of no time and no distance.
            if (data.fourWeeks && entry.minutes == 0.0f && entry.distance == 0.0f)
                continue;
            add(entry, true);
            WeekEntryLine line;
            line.entryIndex = static_cast<int>(pos);
            line.sportIndex = entry.sportIndex;
            line.text = entryText(store, entry, !data.fourWeeks);
            const bool nextCounts =
                pos + 1 < store.entryCount && store.entry(pos + 1).dateKey == key && counts(store.entry(pos + 1), mode);
            if (line.text.size() > kLongLine && nextCounts)
                line.text.resize(kLongLine);
            line.race = entry.isRace();
            line.highlighted = highlighting && entry.selected != 0;
            day.entries.push_back(std::move(line));
        }
        if (data.fourWeeks && k % 7 == 6) {
            std::vector<WeekSportLine>& cell = data.totals.emplace_back();
            for (std::size_t s = 0; s <= store.sportCount && s < kSportSlots; ++s) {
                if (sums[s].weekMinutes > 0.0f || sums[s].weekDistance > 0.0f)
                    cell.push_back({static_cast<std::uint16_t>(s),
                                    weekColumn(store, s, sums[s], sums[s].weekDistance > 0.0f),
                                    {}});
                sums[s].weekMinutes = 0.0f;
                sums[s].weekDistance = 0.0f;
            }
        }
    }
    if (!data.fourWeeks) {
        std::vector<WeekSportLine>& cell = data.totals.emplace_back();
        for (std::size_t s = 0; s <= store.sportCount && s < kSportSlots; ++s) {
            if (sums[s].yearMinutes > 0.0f || sums[s].yearDistance > 0.0f)
                cell.push_back({static_cast<std::uint16_t>(s),
                                weekColumn(store, s, sums[s], sums[s].yearDistance > 0.0f),
                                yearColumn(store, s, sums[s], data.weeksElapsed)});
        }
    }
    return data;
}

std::uint32_t sportColorBgr(const std::array<std::uint32_t, 16>& sportColors, int sport)
{
    if (sport >= 0 && sport < static_cast<int>(sportColors.size()))
        return sportColors[static_cast<std::size_t>(sport)] & 0xFFFFFFu;
    if (sport == 16)
        return 0x808000u;  // teal
    if (sport == 17)
        return 0x800080u;  // purple
    return 0x000000u;
}

int lastWeekIndex(const CalendarDate& weekOrigin)
{
    return weekIndexOf(CalendarDate{2049, 12, 31}, weekOrigin);
}
