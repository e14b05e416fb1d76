#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "log_store.h"
#include "log_writer.h"
#include "values/calendar.h"

inline constexpr const char* kArchiveProposedName = ".dat";
inline constexpr const char* kArchiveIntoOpenLog =
    "You can't archive data into a file of the same name as your open log!";

inline constexpr const char* kArchiveIntoBackup =
    "You can't archive data into your open log's backup copy: the next save of the log would replace it!";

enum class ArchiveStatus {
    Archived,     // the archive was written (entries removed when asked)
    IntoOpenLog,  // refused: the archive would have replaced the open log's file or its backup
    WriteFailed,  // the archive could not be written; saveLog said why
};

struct ArchiveResult {
    ArchiveStatus status = ArchiveStatus::Archived;
    int archived = 0;  // entries in the range
    int removed = 0;   // entries taken out of the log
    // Where each entry that was in the log before stands now; -1 when removed.
    std::vector<int> newPositions;

    int newPosition(int oldIndex) const;
};

// The first year the Archive dialog offers: that of the log's first entry, or
// this year when the log has none.
int archiveYear(const LogStore& store, const CalendarDate& today);

// Whether writing a complete log to path would write the open log's own
// file, however the path is spelled (a link, "./", "..", a name that gets
// ".dat" added). False while the log has no name.
bool isOpenLogFile(const LogStore& store, const std::string& path);
// The same for the open log's backup copy, "NAME.bak" beside the file a save
// writes (the log's own file, its link followed).
bool isOpenLogBackup(const LogStore& store, const std::string& path);

// File > Archive after its dialog: the entries dated fromKey..toKey (both
// included) are written to path as a complete log (with a ".bak" of a file
// that is there, by the log's backup preference) and, when removeArchived,
// taken out of the log. Afterwards every entry is selected and shownCount is
// entryCount. Refused, with the message, when path is the open log's file or
// its ".bak" (which the log's next save replaces): then nothing changes at all.
ArchiveResult archiveLog(LogStore& store, const std::string& path, std::uint32_t fromKey, std::uint32_t toKey,
                         bool removeArchived, SaveContext& context);
