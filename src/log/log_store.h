#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "entry_table.h"
#include "log_entry.h"
#include "values/time_value.h"

// The one open log, wholly in memory, in fixed tables. Create it once (make
// it with std::make_unique) and hand it to whoever needs it.
class LogStore {
public:
    static constexpr std::size_t kMaxEntries = 10000;
    static constexpr std::size_t kMaxSports = 17;  // besides sport 0, "None"
    static constexpr std::size_t kMaxRoutes = 32;
    static constexpr std::size_t kMaxKeywords = 32;

    LogStore();

    // Tables. Entries 0..entryCount-1 are kept in ascending dateKey order.
    EntryTable entries{kMaxEntries};
    std::uint16_t entryCount = 0;
    std::uint16_t shownCount = 0;
    SportDef sports[kMaxSports + 1];
    std::uint16_t sportCount = 0;
    RouteDef routes[kMaxRoutes];
    std::uint16_t routeCount = 0;
    KeywordDef keywords[kMaxKeywords];
    std::uint16_t keywordCount = 0;

    Preferences preferences;
    CalendarDate weekOrigin;

    std::string fileName;     // full path of the open log; empty until named
    std::string displayName;  // file name without folder and extension
    bool modified = false;
    std::uint16_t currentSport = 0;
    int editingIndex = -1;     // entry being modified in the form, -1 for a new one
    int lastStoredIndex = -1;  // entry last stored, for the list's highlight
    CalendarDate trainingReference;

    LogEntry& entry(std::size_t i) { return entries[i]; }
    const LogEntry& entry(std::size_t i) const { return entries[i]; }
    bool isFull() const { return entryCount >= kMaxEntries; }

    // Before Open and Revert: the four counts, the editing indexes and modified.
    void clearForRead();
    // Sport 0 back to "None".
    void resetSportNone();
    // Takes over everything a reading of the log fills (entries, sports,
    // routes, keywords, preferences, names, modified, currentSport) from a
    // store that read it; read keeps this store's former entries.
    void takeReadFrom(LogStore& read);

    std::uint16_t resolveSportByLetter(char letter);
    std::uint16_t resolveSportByName(std::string_view name);

    // Returns the position, or -1 when the store is full (nothing changes).
    int insertSorted(const LogEntry& entry);
    // Returns the entry's new position, or -1 when index is out of range.
    int replaceAt(int index, const LogEntry& entry);
    void removeAt(int index);
    // Returns whether anything moved.
    bool sortByDate();
    void selectAll();

    void setWeekStart(int weekStart);
    void setDateFormat(int dateFormat);
    void setFileName(std::string_view path);

    // "The Orvanta - %s, %d/%d entries"
    std::string title() const;

    SportUnits unitsOf(std::uint16_t sport) const;
};

// Derives dateKey, weekIndex and monthIndex of an entry from its dateText.
void deriveDateFields(LogEntry& entry, const LogStore& store);
// The same from a date already read.
void deriveDateFields(LogEntry& entry, const CalendarDate& date, const CalendarDate& weekOrigin);

// The file name after its last folder separator (either kind), less its last
// four characters.
std::string displayNameOf(std::string_view path);
