#pragma once

#include <array>
#include <cstdint>

#include "../values/calendar.h"
#include "../values/compact_text.h"
#include "../values/fixed_text.h"
#include "../values/units.h"

// One workout. Text widths include the terminating NUL. The route and the
// comment keep their 512-wide limit but hold their texts compactly.
struct LogEntry {
    std::int32_t selected = 0;
    std::uint16_t sportIndex = 0;
    std::uint32_t dateKey = 0;
    std::int16_t weekIndex = 0;
    std::int16_t monthIndex = 0;
    float distance = 0.0f;
    float minutes = 0.0f;
    FixedText<10> dateText;
    FixedText<4> kindSport;
    FixedText<10> distanceText;
    FixedText<10> timeText;
    FixedText<10> paceText;
    CompactText<512> routeText;
    CompactText<512> commentText;

    bool isRace() const { return kindSport[0] == 'R'; }

    // Back to an empty record without copying a whole one over it.
    void clear()
    {
        selected = 0;
        sportIndex = 0;
        dateKey = 0;
        weekIndex = 0;
        monthIndex = 0;
        distance = 0.0f;
        minutes = 0.0f;
        dateText.clear();
        kindSport.clear();
        distanceText.clear();
        timeText.clear();
        paceText.clear();
        routeText.clear();
        commentText.clear();
    }
};

// The per-sport working sums of the totals report; never stored.
struct SportTotals {
    int count = 0;
    float minutes = 0.0f;
    float pacedMinutes = 0.0f;
    float distance = 0.0f;
    float pacedDistance = 0.0f;
};

struct SportDef {
    FixedText<31> name;
    char letter = ' ';
    DistanceUnit distanceUnits = DistanceUnit::None;
    PaceUnit paceUnits = PaceUnit::None;
    std::array<SportTotals, 2> totals{};
    std::int32_t calorieIndex = -1;
};

// name, kindSport, distance, time, pace, route and comment, each followed by a tab.
struct RouteDef {
    CompactText<1124> text;
};

// "%d\t%s\t%s": kind, abbreviation, label.
struct KeywordDef {
    FixedText<64> text;
};

// The seven integers each log keeps for itself.
struct Preferences {
    std::array<std::int32_t, 7> values{1, 1, 1, 1, 1, 1, 0};

    int closeAction() const { return values[0]; }         // 1 save automatically, 2 ask
    int backupCopy() const { return values[1]; }          // 1 yes, 2 no
    int distanceConversion() const { return values[2]; }  // 1 summaries only, 2 on data entry
    int dateFormatValue() const { return values[3]; }     // 1 month first, 2 day first
    int weekStart() const { return values[4]; }           // 1 Monday, 2 Saturday, 3 Sunday
    DateFormat dateFormat() const { return dateFormatFrom(values[3]); }
};
