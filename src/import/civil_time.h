#pragma once

#include <cstdint>

#include "workout_summary.h"

// Calendar arithmetic on seconds since 1970-01-01T00:00:00Z, free of any time
// zone (the proleptic Gregorian calendar).
CivilTime civilTimeOf(std::int64_t unixSeconds);
std::int64_t unixSecondsOf(const CivilTime& time);

// The wall-clock time of an instant in the time zone of the environment (TZ).
CivilTime localTimeOf(std::int64_t unixSeconds);

// The local start of a workout: its file's local time, else its instant in
// the environment's time zone. Nothing when it has no start.
std::optional<CivilTime> localStartOf(const WorkoutSummary& workout);
