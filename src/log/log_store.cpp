#include "log_store.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <numeric>
#include <utility>
#include <vector>

LogStore::LogStore()
{
    resetSportNone();
    weekOrigin = weekOriginFor(preferences.weekStart());
}

void LogStore::clearForRead()
{
    entryCount = 0;
    shownCount = 0;
    sportCount = 0;
    routeCount = 0;
    keywordCount = 0;
    editingIndex = -1;
    lastStoredIndex = -1;
    modified = false;
}

void LogStore::resetSportNone()
{
    sports[0] = SportDef{};
    sports[0].name = "None";
    sports[0].letter = ' ';
}

void LogStore::takeReadFrom(LogStore& read)
{
    entries.swap(read.entries);
    entryCount = read.entryCount;
    shownCount = read.shownCount;
    std::copy(std::begin(read.sports), std::end(read.sports), std::begin(sports));
    sportCount = read.sportCount;
    std::move(std::begin(read.routes), std::end(read.routes), std::begin(routes));
    routeCount = read.routeCount;
    std::copy(std::begin(read.keywords), std::end(read.keywords), std::begin(keywords));
    keywordCount = read.keywordCount;
    preferences = read.preferences;
    weekOrigin = read.weekOrigin;
    fileName = read.fileName;
    displayName = read.displayName;
    modified = read.modified;
    currentSport = read.currentSport;
}

std::uint16_t LogStore::resolveSportByLetter(char letter)
{
    currentSport = 0;
    for (std::uint16_t i = 0; i <= sportCount; ++i)
        if (sports[i].letter == letter)
            currentSport = i;
    return currentSport;
}

std::uint16_t LogStore::resolveSportByName(std::string_view name)
{
    currentSport = 0;
    for (std::uint16_t i = 0; i <= sportCount; ++i)
        if (sports[i].name.view() == name)
            currentSport = i;
    return currentSport;
}

int LogStore::insertSorted(const LogEntry& entry)
{
    if (isFull())
        return -1;
    int position = entryCount;
    while (position > 0 && entries[position - 1].dateKey > entry.dateKey)
        --position;
    for (int i = entryCount; i > position; --i)
        entries[i] = std::move(entries[i - 1]);
    entries[position] = entry;
    ++entryCount;
    ++shownCount;
    modified = true;
    return position;
}

int LogStore::replaceAt(int index, const LogEntry& entry)
{
    if (index < 0 || index >= entryCount)
        return -1;
    if (entries[index].dateKey == entry.dateKey) {
        entries[index] = entry;
        modified = true;
        return index;
    }
    removeAt(index);
    return insertSorted(entry);
}

void LogStore::removeAt(int index)
{
    if (index < 0 || index >= entryCount)
        return;
    for (int i = index; i + 1 < entryCount; ++i)
        entries[i] = std::move(entries[i + 1]);
    --entryCount;
    if (shownCount > 0)
        --shownCount;
    modified = true;
}

bool LogStore::sortByDate()
{
    if (entryCount < 2)
        return false;
    auto byDate = [this](int a, int b) { return entries[a].dateKey < entries[b].dateKey; };
    bool sorted = true;
    for (int p = 0; p + 1 < entryCount && sorted; ++p)
        sorted = !(entries[p + 1].dateKey < entries[p].dateKey);
    if (sorted)
        return false;
    // The result is that of swapping neighbours until none is out of order:
    // a stable sort, so one day's entries keep their order. Sorting indexes
    // and moving each record once keeps a reversed 10,000-entry log instant.
    std::vector<int> order(entryCount);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), byDate);
    std::vector<LogEntry> sortedEntries;
    sortedEntries.reserve(entryCount);
    for (int i = 0; i < entryCount; ++i)
        sortedEntries.push_back(std::move(entries[order[i]]));
    for (int i = 0; i < entryCount; ++i)
        entries[i] = std::move(sortedEntries[i]);
    modified = true;
    return true;
}

void LogStore::selectAll()
{
    for (int i = 0; i < entryCount; ++i)
        entries[i].selected = 1;
}

void LogStore::setWeekStart(int weekStart)
{
    preferences.values[4] = weekStart;
    weekOrigin = weekOriginFor(weekStart);
    for (int i = 0; i < entryCount; ++i)
        deriveDateFields(entries[i], *this);
}

void LogStore::setDateFormat(int dateFormat)
{
    if (preferences.values[3] == dateFormat)
        return;
    preferences.values[3] = dateFormat;
    for (int i = 0; i < entryCount; ++i) {
        char* t = entries[i].dateText.data();
        if (std::strlen(t) >= 5) {
            std::swap(t[0], t[3]);
            std::swap(t[1], t[4]);
        }
    }
}

void LogStore::setFileName(std::string_view path)
{
    fileName.assign(path.substr(0, 259));
    displayName = displayNameOf(fileName);
}

std::string LogStore::title() const
{
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "The Orvanta - %s, %d/%d entries", displayName.c_str(),
                  static_cast<int>(shownCount), static_cast<int>(entryCount));
    return buffer;
}

SportUnits LogStore::unitsOf(std::uint16_t sport) const
{
    if (sport > sportCount)
        return {};
    return SportUnits{sports[sport].distanceUnits, sports[sport].paceUnits};
}

void deriveDateFields(LogEntry& entry, const LogStore& store)
{
    deriveDateFields(entry, parseDate(entry.dateText.view(), store.preferences.dateFormat()), store.weekOrigin);
}

void deriveDateFields(LogEntry& entry, const CalendarDate& date, const CalendarDate& weekOrigin)
{
    entry.dateKey = dateKeyOf(date);
    entry.weekIndex = static_cast<std::int16_t>(weekIndexOf(date, weekOrigin));
    entry.monthIndex = static_cast<std::int16_t>(monthIndexOf(date));
}

std::string displayNameOf(std::string_view path)
{
    std::size_t slash = path.find_last_of("/\\");
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return std::string(name.substr(0, name.size() >= 4 ? name.size() - 4 : 0));
}
