#pragma once

#include <array>
#include <string>

#include "log/log_store.h"

// What the day view's card shows of one entry, as texts. The long date is
// left to the painter, which knows the user's locale.

inline constexpr std::array<const char*, 7> kDayLabels = {
    "Date:", "Sport:", "Category:", "Distance:", "Time:", "Pace:", "Route/"};
inline constexpr const char* kDayWorkoutLabel = "Workout:";
inline constexpr const char* kDayCommentLabel = "Comment:";

struct DayCard {
    bool hasEntry = false;
    CalendarDate date;     // the entry's date, for the long date form
    std::string sport;     // the sport's name
    std::string category;  // "Training", "Intervals", "Race" or empty
    std::string distance;  // with the unit word in place of its letter
    std::string time;
    std::string pace;  // with the sport's pace unit name; empty without a pace
    std::string route;
    std::string comment;
    std::string number;  // "#%d/%d"
};

// The card of entry index; an empty card (labels only) for -1 or an index
// the log does not have.
DayCard buildDayCard(const LogStore& store, int index);

// "Training", "Intervals", "Race" by the kind letter; empty for any other.
std::string kindWord(char kind);
// The distance text with its last letter spelled out: 'K' " km",
// 'M' " miles", 'Y' " yards", 'm' " meters"; other texts as they are.
std::string distanceWithUnitWord(std::string_view distanceText);

// The next (step +1) or previous (-1) selected entry from index; index
// itself when there is none.
int stepSelectedEntry(const LogStore& store, int index, int step);
