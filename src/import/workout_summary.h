#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A wall-clock time as a file states it.
struct CivilTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// How a summary's distance number is to be read.
enum class DistanceKind {
    None,        // the file gives no distance
    Metres,      // the number is in metres
    SportUnits,  // a bare number: it is taken in the units of the sport it lands in
};

// One workout as a watch, an app or a spreadsheet recorded it, before it is
// an entry of the log. Texts are UTF-8.
struct WorkoutSummary {
    // The start: the file's local time when it has one, else an instant that
    // the time zone of the environment turns into a local date.
    std::optional<CivilTime> localStart;
    std::optional<std::int64_t> utcStart;  // seconds since 1970-01-01T00:00:00Z
    std::string sport;
    DistanceKind distanceKind = DistanceKind::None;
    double distance = 0.0;
    double seconds = 0.0;  // elapsed or timer time; 0 when the file gives none
    std::string name;
    std::string notes;

    bool hasStart() const { return localStart.has_value() || utcStart.has_value(); }
};

// The summaries of one file, or why it could not be read.
struct FileSummaries {
    std::vector<WorkoutSummary> workouts;
    std::string error;  // empty when the file was read

    bool failed() const { return !error.empty(); }
};
