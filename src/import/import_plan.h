#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "log/log_store.h"
#include "workout_summary.h"

// Turning workouts into entries, as the Data Entry form would store them:
// the start's local date, category Training, the sport of the log that the
// workout's sport names, the distance in that sport's units with two
// decimals, the time in whole seconds as the form writes times, the pace as
// the form's completion computes it, the name as route and the notes as
// comment. Plain C++ over the log's own rules.

enum class ImportVerdict {
    Add,            // will be added
    Duplicate,      // the log (or an earlier workout of this import) holds it already
    UnknownSport,   // no sport of the log for it, and none was chosen
    OutsideDates,   // its date lies outside the years a log can hold
    NothingToSave,  // no time, distance, name or notes
    LogFull,        // no room left in the log
};

struct ImportCandidate {
    std::size_t fileIndex = 0;  // which of the files it came from
    WorkoutSummary workout;
    CivilTime localStart;
    int sport = -1;  // the log's sport; -1 when none
    LogEntry entry;  // as it would be stored (when the verdict allows one)
    ImportVerdict verdict = ImportVerdict::Add;
};

// The log's sport a workout's sport name goes to, or -1 to skip it. Asked
// once per name that no sport of the log equals.
using SportLookup = std::function<int(const std::string& workoutSport)>;

// A sport name compared as the import compares them: case, "_" and "-"
// aside ("Cross_Country skiing" and "cross country skiing" are one).
std::string sportKey(std::string_view latin1Name);

// The last sport of the log whose name equals name (Latin-1) by sportKey; -1.
int sportNamed(const LogStore& store, std::string_view latin1Name);

// The distance text of a number of the sport's units: two decimals, trailing
// zeros and point dropped, fewer decimals when it would not fit the form's
// box beside its unit letter.
std::string importDistanceText(double value);

// Builds the entry of one workout for a sport of the log. Returns whether
// there is anything to store.
bool buildImportEntry(const WorkoutSummary& workout, const CivilTime& localStart, int sport, const LogStore& store,
                      LogEntry& entry);

// Whether two entries are one workout: same date, sport, distance and time
// (within rounding: a hundredth of the unit or half a percent, a second).
bool sameWorkout(const LogEntry& a, const LogEntry& b, const LogStore& store);

// Every workout of the files, in the order of their starts, with its entry
// and its verdict: duplicates of the log and of earlier workouts, unknown
// sports (after asking lookup), dates outside the log's years, and those
// beyond the log's room.
std::vector<ImportCandidate> planImport(const std::vector<FileSummaries>& files, const LogStore& store,
                                        const SportLookup& lookup);

// Adds the entries, in their order, as Merge places them (each after every
// entry of its date). Stops at the log's limit; returns how many went in.
int addImported(LogStore& store, std::vector<LogEntry> entries);
