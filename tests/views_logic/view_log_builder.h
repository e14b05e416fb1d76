#pragma once

#include <memory>
#include <string>

#include "log/log_store.h"

// A log made in a test: sports first, then entries by their date text (month
// first unless the test says otherwise), kept in date order as the store keeps them.
class ViewLog {
public:
    std::unique_ptr<LogStore> owner = std::make_unique<LogStore>();
    LogStore& store = *owner;

    ViewLog& sport(const char* name, char letter, DistanceUnit distance = DistanceUnit::None,
                   PaceUnit pace = PaceUnit::None)
    {
        SportDef& s = store.sports[++store.sportCount];
        s.name = name;
        s.letter = letter;
        s.distanceUnits = distance;
        s.paceUnits = pace;
        return *this;
    }

    struct Entry {
        const char* date = "01/01/02";
        char sportLetter = ' ';
        float minutes = 0.0f;
        float distance = 0.0f;
        const char* distanceText = "";
        const char* timeText = "";
        char kind = 'T';
        bool selected = true;
        const char* route = "";
        const char* comment = "";
        const char* paceText = "";
    };

    // The position the entry took.
    int add(const Entry& e)
    {
        LogEntry entry;
        entry.dateText = e.date;
        const char kindSport[3] = {e.kind, e.sportLetter, '\0'};
        entry.kindSport = kindSport;
        entry.sportIndex = 0;
        for (std::uint16_t i = 1; i <= store.sportCount; ++i)
            if (store.sports[i].letter == e.sportLetter)
                entry.sportIndex = i;
        entry.minutes = e.minutes;
        entry.distance = e.distance;
        entry.distanceText = e.distanceText;
        entry.timeText = e.timeText;
        entry.paceText = e.paceText;
        entry.routeText = e.route;
        entry.commentText = e.comment;
        entry.selected = e.selected ? 1 : 0;
        deriveDateFields(entry, store);
        const int at = store.insertSorted(entry);
        if (!e.selected)
            --store.shownCount;
        return at;
    }
};
