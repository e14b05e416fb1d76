#include "views/logic/day_data.h"

#include <cstdio>

namespace {

// The sport of a kind-and-sport text by its letter: the last sport with that
// letter, as the form finds it, without touching the form's current sport.
std::size_t sportByLetter(const LogStore& store, char letter)
{
    std::size_t found = 0;
    for (std::size_t i = 0; i <= store.sportCount && i <= LogStore::kMaxSports; ++i)
        if (store.sports[i].letter == letter)
            found = i;
    return found;
}

}  // namespace

std::string kindWord(char kind)
{
    switch (kind) {
        case 'T':
            return "Training";
        case 'I':
            return "Intervals";
        case 'R':
            return "Race";
        default:
            return {};
    }
}

std::string distanceWithUnitWord(std::string_view distanceText)
{
    if (distanceText.empty())
        return {};
    const char* word = nullptr;
    switch (distanceText.back()) {
        case 'K':
            word = " km";
            break;
        case 'M':
            word = " miles";
            break;
        case 'Y':
            word = " yards";
            break;
        case 'm':
            word = " meters";
            break;
        default:
            return std::string(distanceText);
    }
    return std::string(distanceText.substr(0, distanceText.size() - 1)) + word;
}

DayCard buildDayCard(const LogStore& store, int index)
{
    DayCard card;
    if (index < 0 || index >= store.entryCount)
        return card;
    const LogEntry& entry = store.entry(static_cast<std::size_t>(index));
    card.hasEntry = true;
    card.date = parseDate(entry.dateText.view(), store.preferences.dateFormat());
    const SportDef& sport = store.sports[sportByLetter(store, entry.kindSport[0] ? entry.kindSport[1] : '\0')];
    card.sport = sport.name.str();
    card.category = kindWord(entry.kindSport[0]);
    card.distance = distanceWithUnitWord(entry.distanceText.view());
    card.time = entry.timeText.str();
    if (!entry.paceText.empty())
        card.pace = entry.paceText.str() + " " + std::string(paceUnitName(sport.paceUnits));
    card.route = entry.routeText.str();
    card.comment = entry.commentText.str();
    char number[32];
    std::snprintf(number, sizeof number, "#%d/%d", index + 1, static_cast<int>(store.entryCount));
    card.number = number;
    return card;
}

int stepSelectedEntry(const LogStore& store, int index, int step)
{
    for (int i = index + step; i >= 0 && i < store.entryCount; i += step)
        if (store.entry(static_cast<std::size_t>(i)).selected != 0)
            return i;
    return index;
}
