#pragma once

#include <memory>
#include <string>

#include "log/log_store.h"
#include "shell/logic/entry_form.h"

namespace entrytest {

// Friday, 17 May 2024.
inline constexpr CalendarDate kToday{2024, 5, 17};

// A log with four sports: 1 Running (miles, min/mile), 2 Cycling (km, km/h),
// 3 Swimming (yards, no pace units), 4 Yoga (no units at all).
inline std::unique_ptr<LogStore> makeStore()
{
    auto store = std::make_unique<LogStore>();
    auto addSport = [&store](const char* name, char letter, DistanceUnit distance, PaceUnit pace) {
        SportDef& sport = store->sports[++store->sportCount];
        sport.name = name;
        sport.letter = letter;
        sport.distanceUnits = distance;
        sport.paceUnits = pace;
    };
    addSport("Running", 'R', DistanceUnit::Miles, PaceUnit::MinPerMile);
    addSport("Cycling", 'C', DistanceUnit::Kilometers, PaceUnit::KmPerHour);
    addSport("Swimming", 'S', DistanceUnit::Yards, PaceUnit::None);
    addSport("Yoga", 'Y', DistanceUnit::None, PaceUnit::None);
    return store;
}

// A form for sport 1 (Running, miles) on a date.
inline EntryForm runningForm(CalendarDate date = kToday)
{
    EntryForm form;
    form.date = date;
    form.sport = 1;
    form.units = DistanceUnit::Miles;
    return form;
}

// Stores an entry dated date with the comment as its mark.
inline int addEntry(LogStore& store, CalendarDate date, const std::string& comment, char category = 'T')
{
    EntryForm form = runningForm(date);
    form.comment = comment;
    form.category = category == 'R' ? 2 : category == 'I' ? 1 : 0;
    LogEntry entry;
    buildEntry(form, store, entry);
    return store.insertSorted(entry);
}

}  // namespace entrytest
