#pragma once

// The Data Entry form's rules, free of widgets: what the form holds, how
// leaving a field tidies it and fills in the missing one of time, distance
// and pace, how Save turns it into a LogEntry and puts that into the log,
// and how the form is filled again from an entry. The page reads its
// controls into an EntryForm, calls these and writes the form back.

#include <cstddef>
#include <string>
#include <string_view>

#include "log/log_store.h"
#include "log/user_prompt.h"
#include "values/time_value.h"

// What the form's boxes accept: distance, time and pace 9 characters,
// route and comment 511 (the entry's own widths less the NUL).
inline constexpr std::size_t kShortFieldLength = 9;
inline constexpr std::size_t kLongFieldLength = 511;
// A distance keeps its unit letter in the entry's nine characters: with a
// unit chosen the box takes one character less.
inline std::size_t distanceFieldLength(DistanceUnit units)
{
    return units == DistanceUnit::None ? kShortFieldLength : kShortFieldLength - 1;
}
// Past this many characters a route or comment no longer fits the handheld.
inline constexpr std::size_t kHandheldFieldLength = 255;

inline constexpr const char* kNothingToSave = "Nothing to save!";
inline constexpr const char* kHandheldLengthCaption = "The Orvanta.";
inline constexpr const char* kHandheldLengthWarning =
    "You have now entered 255 characters in this box. If you enter any more, your data will no longer be "
    "compatible with the Palm version of The Orvanta";

// The years a two-digit year in a date text can stand for (50..99 are
// 19yy, 00..49 are 20yy): a date outside them would come back from the
// file in another century, so the form offers none.
inline constexpr int kFirstEntryYear = 1950;
inline constexpr int kLastEntryYear = 2049;
inline bool dateFitsEntry(const CalendarDate& date)
{
    return date.year >= kFirstEntryYear && date.year <= kLastEntryYear;
}

// The category list, in its order; an entry keeps the first letter.
inline constexpr int kCategoryCount = 3;
inline constexpr const char* kCategoryNames[kCategoryCount] = {"Training", "Intervals", "Race"};

// The eight fields, in tab order. The units box is not among them: it
// changes nothing when left.
enum class FormField { Date, Sport, Category, Distance, Time, Pace, Route, Comment };

struct EntryForm {
    CalendarDate date;
    int sport = 0;     // index into the log's sports list; 0 is "None"
    int category = 0;  // index into kCategoryNames
    std::string distance;
    DistanceUnit units = DistanceUnit::None;  // the units box: blank, miles, km, yards, meters
    std::string time;
    std::string pace;
    std::string route;
    std::string comment;
    // The value the completion computes again when all three are filled;
    // a cleared form computes the pace.
    MissingValue computed = MissingValue::Pace;
};

// The sport index the form may use: out-of-range indexes fall back to 0.
int validSport(const LogStore& store, int sport);

// Cuts each text to what its box accepts (the distance by the form's units).
void cutToFieldLengths(EntryForm& form);

// A route or comment as an entry keeps it: at most 511 characters of the
// box, each line break (CR LF, CR or LF) one space, other control
// characters dropped.
std::string oneLineText(std::string_view text);

// The sport's units become the form's; the pace label follows the sport.
void applySport(EntryForm& form, const LogStore& store, int sport);
// The three-letter name shown after the pace box.
std::string_view paceLabel(const LogStore& store, int sport);

// Leaving a field tidies its text: a time is normalised, a distance (when a
// unit is chosen) and a pace in speed units cleaned to a number, a pace in
// minutes per mile or kilometre normalised as a time.
void normaliseField(EntryForm& form, FormField field, const SportUnits& sport, const InputWarning& warn);
// When two of distance, time and pace hold text the third is computed: a
// computed time or distance starts with "~", a computed pace does not.
void completeForm(EntryForm& form, const SportUnits& sport, const InputWarning& warn);
// Both, as leaving any of the eight fields does.
void leaveField(EntryForm& form, FormField field, const SportUnits& sport, const InputWarning& warn);

// Builds the entry Save would store (selected, dated, texts cut to their
// widths, the distance converted by the log's preference). Returns whether
// there is anything to store: a time, distance, pace, route or comment.
bool buildEntry(const EntryForm& form, const LogStore& store, LogEntry& entry);

// Save: builds the entry and puts it into the log: in date order, or in the
// place of the entry being modified (store.editingIndex), moving it when its
// date changed. An empty form is refused with "Nothing to save!", a new
// entry for a full log with a message saying so; both change nothing. A
// stored entry is also appended to downloadFile when that names one (a
// failure there is silent: the entry is in the log). Returns the stored
// entry's index, or -1; on success Modify mode ends.
int storeEntry(const EntryForm& form, LogStore& store, const std::string& downloadFile, UserPrompt& prompt);

// Clear: sport 1 when the log has sports, Training, the texts emptied, the
// pace computed again; the date stays.
void clearForm(EntryForm& form, const LogStore& store);

// Modify and Duplicate fill the form from an entry (Modify also takes its
// date). The sport is found by its letter, the units by the distance's.
void fillFromEntry(EntryForm& form, LogStore& store, const LogEntry& entry, bool takeDate);

// A distance text as the form shows it: the number, and the unit its last
// letter names ("5K" is 5 in km); without a unit letter the whole text.
struct SplitDistance {
    std::string number;
    DistanceUnit units = DistanceUnit::None;
};
SplitDistance splitDistance(std::string_view text);
