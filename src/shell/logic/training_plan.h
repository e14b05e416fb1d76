#pragma once

#include <cstdio>
#include <string>

#include "values/calendar.h"

// A training program gives its plan length, the number of days its first
// entry lies before its last (0 for a one-day plan). The user names either the
// plan's first or its last day; the merge needs the last.
enum class PlanAnchor { StartingDate, EndingDate };

inline CalendarDate planLastDay(const CalendarDate& picked, int planLength, PlanAnchor anchor)
{
    return anchor == PlanAnchor::StartingDate ? addDays(picked, planLength) : picked;
}

// The question of the Training Plan dialog, naming the plan's day count.
inline std::string trainingPlanQuestion(int planLength)
{
    char text[256];
    std::snprintf(text, sizeof text,
                  "The file you have opened is a %d-day training program. Please enter either the starting day "
                  "of the plan, or the ending day (such as the date of the race it finishes with):",
                  planLength + 1);
    return text;
}

// What a cancelled Training Plan question leaves as the plan length: the
// merge stops on it.
inline constexpr int kPlanCancelled = -1;
