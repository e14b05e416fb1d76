#pragma once

#include <memory>
#include <string>

#include "log/log_store.h"

namespace dialogtest {

// A store whose sports are given as "Name:letter" pairs, miles and minutes per mile.
inline std::unique_ptr<LogStore> storeWithSports(std::initializer_list<std::pair<const char*, char>> sports)
{
    auto store = std::make_unique<LogStore>();
    for (const auto& [name, letter] : sports) {
        SportDef& sport = store->sports[++store->sportCount];
        sport.name = name;
        sport.letter = letter;
        sport.distanceUnits = DistanceUnit::Miles;
        sport.paceUnits = PaceUnit::MinPerMile;
    }
    return store;
}

// Adds an entry on a date given in the store's own date format.
inline void addEntryOn(LogStore& store, const std::string& dateText, const std::string& route = {})
{
    LogEntry entry;
    entry.dateText = dateText;
    entry.kindSport = "TR";
    entry.routeText = route;
    deriveDateFields(entry, store);
    store.insertSorted(entry);
}

}  // namespace dialogtest
