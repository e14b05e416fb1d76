#include "import_plan.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <tuple>
#include <unordered_map>

#include "civil_time.h"
#include "log/merge.h"
#include "shell/logic/entry_form.h"
#include "values/latin1_text.h"

namespace {

// Metres in one of a distance unit.
double metresPer(DistanceUnit unit)
{
    switch (unit) {
        case DistanceUnit::Miles:
            return 1609.344;
        case DistanceUnit::Kilometers:
            return 1000.0;
        case DistanceUnit::Yards:
            return 0.9144;
        case DistanceUnit::Meters:
            return 1.0;
        case DistanceUnit::Feet:
            return 0.3048;
        default:
            return 1000.0;
    }
}

// A distance comparable within one sport: the number in the sport's units,
// or for a sport without units the text's number in miles.
float comparableDistance(const LogEntry& entry, const LogStore& store)
{
    if (store.unitsOf(entry.sportIndex).distanceUnits != DistanceUnit::None)
        return entry.distance;
    const std::string_view text = entry.distanceText.view();
    if (text.empty())
        return 0.0f;
    return toMiles(readNumber(text), unitFromSuffix(text.back()));
}

auto startKey(const CivilTime& t)
{
    return std::make_tuple(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

}  // namespace

std::string sportKey(std::string_view latin1Name)
{
    std::string key;
    for (char c : latin1Name) {
        if (c == '_' || c == '-')
            c = ' ';
        if (c == ' ' && (key.empty() || key.back() == ' '))
            continue;
        key += lowerLatin1(c);
    }
    while (!key.empty() && key.back() == ' ')
        key.pop_back();
    return key;
}

int sportNamed(const LogStore& store, std::string_view latin1Name)
{
    const std::string key = sportKey(latin1Name);
    int found = -1;
    for (int i = 1; i <= store.sportCount; ++i)
        if (sportKey(store.sports[i].name.view()) == key)
            found = i;
    return found;
}

std::string importDistanceText(double value)
{
    char text[64];
    for (int decimals = 2; decimals >= 0; --decimals) {
        std::snprintf(text, sizeof text, "%.*f", decimals, value);
        std::string out = text;
        if (out.find('.') != std::string::npos) {
            while (out.back() == '0')
                out.pop_back();
            if (out.back() == '.')
                out.pop_back();
        }
        // The box holds 9 characters; the unit letter takes one.
        if (out.size() <= kShortFieldLength - 1 || decimals == 0)
            return out.substr(0, kShortFieldLength - 1);
    }
    return {};
}

bool buildImportEntry(const WorkoutSummary& workout, const CivilTime& localStart, int sport, const LogStore& store,
                      LogEntry& entry)
{
    EntryForm form;
    form.date = CalendarDate{localStart.year, localStart.month, localStart.day};
    form.sport = sport;
    form.category = 0;
    const SportUnits units = store.unitsOf(static_cast<std::uint16_t>(sport));
    if (workout.distanceKind == DistanceKind::Metres && workout.distance > 0.0) {
        // A sport without units of its own keeps the distance in kilometres.
        form.units = units.distanceUnits == DistanceUnit::None ? DistanceUnit::Kilometers : units.distanceUnits;
        form.distance = importDistanceText(workout.distance / metresPer(form.units));
    } else if (workout.distanceKind == DistanceKind::SportUnits && workout.distance > 0.0) {
        form.units = units.distanceUnits;
        form.distance = importDistanceText(workout.distance);
    }
    if (form.distance == "0")
        form.distance.clear();
    const long long seconds = std::llround(std::min(workout.seconds, 1.0e7));
    if (seconds > 0)
        form.time = formatTime(static_cast<float>(seconds) / 60.0f);
    form.route = latin1FromFileText(workout.name);
    form.comment = latin1FromFileText(workout.notes);
    cutToFieldLengths(form);
    completeForm(form, units, {});
    return buildEntry(form, store, entry);
}

bool sameWorkout(const LogEntry& a, const LogEntry& b, const LogStore& store)
{
    if (a.dateKey != b.dateKey || a.sportIndex != b.sportIndex)
        return false;
    if (std::fabs(a.minutes - b.minutes) * 60.0f > 1.01f)
        return false;
    const float da = comparableDistance(a, store);
    const float db = comparableDistance(b, store);
    return std::fabs(da - db) <= 0.011f + 0.005f * std::max(std::fabs(da), std::fabs(db));
}

std::vector<ImportCandidate> planImport(const std::vector<FileSummaries>& files, const LogStore& store,
                                        const SportLookup& lookup)
{
    std::vector<ImportCandidate> candidates;
    for (std::size_t f = 0; f < files.size(); ++f) {
        for (const WorkoutSummary& workout : files[f].workouts) {
            const std::optional<CivilTime> start = localStartOf(workout);
            if (!start)
                continue;
            ImportCandidate candidate;
            candidate.fileIndex = f;
            candidate.workout = workout;
            candidate.localStart = *start;
            candidates.push_back(std::move(candidate));
        }
    }
    std::stable_sort(candidates.begin(), candidates.end(), [](const ImportCandidate& a, const ImportCandidate& b) {
        return startKey(a.localStart) < startKey(b.localStart);
    });

    // Each sport name is looked up once, in the order the workouts come.
    std::map<std::string, int> sportOf;
    std::unordered_multimap<std::uint32_t, const LogEntry*> byDate;
    for (std::size_t i = 0; i < store.entryCount; ++i)
        byDate.emplace(store.entry(i).dateKey, &store.entry(i));
    std::size_t room = LogStore::kMaxEntries - store.entryCount;
    for (ImportCandidate& candidate : candidates) {
        const std::string name = latin1FromFileText(candidate.workout.sport);
        auto known = sportOf.find(sportKey(name));
        if (known == sportOf.end()) {
            int sport = sportNamed(store, name);
            if (sport < 0 && lookup)
                sport = lookup(candidate.workout.sport);
            known = sportOf.emplace(sportKey(name), sport > store.sportCount ? -1 : sport).first;
        }
        candidate.sport = known->second;
        if (candidate.sport < 0) {
            candidate.verdict = ImportVerdict::UnknownSport;
            continue;
        }
        if (!dateFitsEntry(
                CalendarDate{candidate.localStart.year, candidate.localStart.month, candidate.localStart.day})) {
            candidate.verdict = ImportVerdict::OutsideDates;
            continue;
        }
        if (!buildImportEntry(candidate.workout, candidate.localStart, candidate.sport, store, candidate.entry)) {
            candidate.verdict = ImportVerdict::NothingToSave;
            continue;
        }
        const auto [first, last] = byDate.equal_range(candidate.entry.dateKey);
        if (std::any_of(first, last,
                        [&](const auto& held) { return sameWorkout(*held.second, candidate.entry, store); })) {
            candidate.verdict = ImportVerdict::Duplicate;
            continue;
        }
        if (room == 0) {
            candidate.verdict = ImportVerdict::LogFull;
            continue;
        }
        --room;
        candidate.verdict = ImportVerdict::Add;
        byDate.emplace(candidate.entry.dateKey, &candidate.entry);
    }
    return candidates;
}

int addImported(LogStore& store, std::vector<LogEntry> entries)
{
    const std::size_t room = LogStore::kMaxEntries - store.entryCount;
    if (entries.size() > room)
        entries.resize(room);
    if (entries.empty())
        return 0;
    std::vector<int> newPositions;
    const int editing = store.editingIndex;
    const int lastStored = store.lastStoredIndex;
    placeEntriesInDateOrder(store, entries, newPositions);
    auto moved = [&newPositions](int index) {
        return index >= 0 && static_cast<std::size_t>(index) < newPositions.size()
                   ? newPositions[static_cast<std::size_t>(index)]
                   : index;
    };
    store.editingIndex = moved(editing);
    store.lastStoredIndex = moved(lastStored);
    store.shownCount = store.entryCount;
    store.modified = true;
    return static_cast<int>(entries.size());
}
