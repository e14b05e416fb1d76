#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "workout_summary.h"

// Reading workouts from a spreadsheet export: a header row whose columns are
// recognised by name (any case; several common spellings of date, sport,
// distance with its unit in the header or in a unit column, time as seconds
// or h:mm:ss, title and notes), then one workout per row. Strava's
// activities.csv and Garmin Connect's Activities.csv are read as those
// services write them, and so is this program's own export. Plain C++: any
// bytes end in summaries or an error.

// RFC 4180 fields: quoted fields may hold the separator, doubled quotes and
// line breaks; CR LF, LF and CR end records.
std::vector<std::vector<std::string>> splitCsv(std::string_view text, char separator = ',');

// Whether the first line names a column the reader takes dates from.
bool looksLikeCsv(std::string_view text);

FileSummaries readCsv(std::string_view text);

// A date, with or without its clock time, as files write it: ISO 8601
// ("2024-03-02", "2024-03-02 07:00:00", "2024-03-02T07:00:00.000Z",
// "...+01:00"), "Mar 2, 2024, 7:00:00 AM", "02.03.2024", "03/02/2024".
struct DateRead {
    CivilTime time;
    std::optional<int> offsetSeconds;  // the zone the text states (Z is 0)
};
std::optional<DateRead> readDateText(std::string_view text);

// A duration text as seconds: "1:02:07", "25:03", "25:03.4" or a plain
// number of seconds; a negative result when it is none of these.
double secondsOfText(std::string_view text);
