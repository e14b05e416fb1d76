#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "log_store.h"
#include "user_prompt.h"
#include "values/calendar.h"

inline constexpr const char* kCouldntOpenMerged = "Couldn't open file %s: system error #%d";
inline constexpr const char* kNoNewEntries = "There were no new entries in that file!";
// Follows the log-full text when part of a file went in.
inline constexpr const char* kMergeStoppedAtLimit =
    "The entries of that file that fit were merged; the rest of it was left out.";

inline constexpr const char* kPlanOutsideYears =
    "That training program would place workouts before 1950 or after 2049, which a log can't hold. Nothing "
    "was merged.";

// The longest plan a training program may state, in days; a larger count is
// taken as this one (the line reader caps its relative dates the same way).
inline constexpr int kMaxPlanLength = 1000000;

// Asked when the merged file turns out to be a training program. planLength is
// the number of days its first entry lies before its last (the plan has
// planLength + 1 days). The answer is the calendar date of the plan's last
// day, or nothing when the user cancels.
using TrainingPlanQuestion = std::function<std::optional<CalendarDate>(int planLength)>;

enum class MergeStatus {
    Merged,      // at least one entry went in
    NothingNew,  // the file was read but gave no entry
    LogFull,     // the file had entries, but the log had no room for any
    Cancelled,   // the Training Plan question was cancelled: nothing added
    OutOfYears,  // the plan would place entries outside 1950-2049: nothing added
    OpenFailed,  // the file could not be opened
    ReadFailed,  // it could not be read whole
};

struct MergeResult {
    MergeStatus status = MergeStatus::NothingNew;
    int added = 0;
    bool rejectedLines = false;   // some entry line was in the wrong format
    bool stoppedAtLimit = false;  // entry lines were left out because the log was full
    // Where each entry that was in the log before the merge stands now.
    std::vector<int> newPositions;

    // The new index of an entry that stood at oldIndex; -1 stays -1.
    int newPosition(int oldIndex) const;
};

// Adds the entry lines of the file at path to the log, each in date order
// after every entry of its date. Any file of entry lines will do: the
// sports, preferences, routes and keywords of a complete log are passed over.
// A file whose entries are dated "-N" days is a training program: the plan
// question places it on the calendar. The entries go in only when the whole
// file has been walked; a cancelled question adds nothing. Every message goes
// through prompt. The entry being edited and the entry last stored keep
// pointing at the same entries.
MergeResult mergeLog(LogStore& store, const std::string& path, UserPrompt& prompt,
                     const TrainingPlanQuestion& planQuestion);

// Puts entries into the log where insertSorted, called for each in their
// order, would put them; the caller has made sure they fit. newPositions
// tells where each entry that was in the log before now stands.
void placeEntriesInDateOrder(LogStore& store, std::vector<LogEntry>& added, std::vector<int>& newPositions);
