#pragma once

#include <string>
#include <string_view>

#include "workout_summary.h"

enum class WorkoutFormat { Unknown, Fit, Gpx, Tcx, Csv };

// Which reader takes these bytes: by what they hold, not by the file's name.
WorkoutFormat workoutFormatOf(std::string_view bytes);

// The workouts of bytes already read.
FileSummaries readWorkoutBytes(std::string_view bytes);

// Reads the file at path whole and hands it to its reader. A file without
// any time (a GPX track of points only) is dated by its modification time.
FileSummaries readWorkoutFile(const std::string& path);

// The largest file taken: far beyond any watch's recording.
inline constexpr long long kMaxWorkoutFileBytes = 256LL * 1024 * 1024;
