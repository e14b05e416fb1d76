#pragma once

// The texts the import shows, defined once. A file's reason follows its path:
// "Orvanta: /path/to/file: REASON".
namespace importmsg {
inline constexpr const char* kFileReason = "%s: %s";

inline constexpr const char* kCantOpen = "it could not be opened (system error #%d)";
inline constexpr const char* kTooLarge = "it is too large to be a workout file";
inline constexpr const char* kUnknownFormat = "it is not a FIT, GPX, TCX or CSV file";
inline constexpr const char* kNoWorkout = "it holds no workout";

inline constexpr const char* kFitCutShort = "the FIT file is cut short; nothing of it was imported";
inline constexpr const char* kFitBadCrc = "the FIT file's checksum does not match: the file is damaged";
inline constexpr const char* kFitBadHeader = "the FIT file's header is damaged";
inline constexpr const char* kFitUndefinedMessage = "the FIT file is damaged: a message has no definition";

inline constexpr const char* kXmlBroken = "its XML is broken (line %lld: %s)";
inline constexpr const char* kCsvNoDateColumn = "its first line names no date column";
inline constexpr const char* kCsvNoDates = "none of its rows holds a date that could be read";

inline constexpr const char* kUnknownSport =
    "No sport of the log is named \"%s\": %d workout(s) were skipped. Map it to a sport of the log with "
    "--sport-map.";
inline constexpr const char* kUnknownSportGui = "No sport of the log is named \"%s\".";
inline constexpr const char* kNoSportGiven = "(no sport given)";
inline constexpr const char* kOutsideDates =
    "A workout dated %04d-%02d-%02d was skipped: the log holds dates from 1950 to 2049 only.";
inline constexpr const char* kLogFullSkipped =
    "The log is full: it can hold at most 10000 entries. %d workout(s) were left out.";
inline constexpr const char* kMapTargetUnknown = "The log has no sport named \"%s\" (given in --sport-map).";

inline constexpr const char* kReasonAdd = "add";
inline constexpr const char* kReasonDuplicate = "already in the log";
inline constexpr const char* kReasonUnknownSport = "no such sport in the log";
inline constexpr const char* kReasonOutsideDates = "date outside 1950-2049";
inline constexpr const char* kReasonNothing = "nothing to save";
inline constexpr const char* kReasonLogFull = "the log is full";
}  // namespace importmsg
