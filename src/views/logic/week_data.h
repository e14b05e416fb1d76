#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "log/log_store.h"

// What the week view shows, worked out from the log: the days with the lines
// of their entries and the per-sport totals. The painter only places it.

// One entry as a line of a day cell.
struct WeekEntryLine {
    int entryIndex = 0;
    std::uint16_t sportIndex = 0;
    std::string text;
    bool race = false;         // drawn in the bold font
    bool highlighted = false;  // a yellow background behind the text
};

struct WeekDay {
    CalendarDate date;
    std::vector<WeekEntryLine> entries;  // only those that count, in log order
};

// One sport's line in a totals cell. In the binder, text is the week column
// and yearText the "Total (Average)" column; in the grid only text is used.
struct WeekSportLine {
    std::uint16_t sportIndex = 0;
    std::string text;
    std::string yearText;
};

struct WeekRequest {
    int firstWeek = -1;            // -1: the week of the log's last entry (of today for an empty log)
    int weekViewWeeks = 1;         // 1 the binder, anything else the four-week grid
    int selectionDisplayMode = 1;  // non-zero: only selected entries count
    CalendarDate today;
};

struct WeekData {
    bool fourWeeks = false;
    int firstWeek = 0;
    CalendarDate firstDay;      // D0
    int year = 0;               // the year of D0
    float weeksElapsed = 0.0f;  // of that year, for the averages
    std::vector<WeekDay> days;  // 7, or 28 for the grid
    // One totals cell per row: one for the binder, four for the grid.
    std::vector<std::vector<WeekSportLine>> totals;
};

WeekData buildWeekData(const LogStore& store, const WeekRequest& request);

// Weeks of year year elapsed by the week that starts on firstDay: to its
// last day, or to 31 December for a week starting 25 December or later.
float weeksElapsedOf(const CalendarDate& firstDay);

// The colour of sport index sport as 0x00BBGGRR: the setting for 0..15, and
// a fallback of our own for the two sports the settings have no colour for.
std::uint32_t sportColorBgr(const std::array<std::uint32_t, 16>& sportColors, int sport);

// The last week the calendar reaches (the week of 31 December 2049).
int lastWeekIndex(const CalendarDate& weekOrigin);
