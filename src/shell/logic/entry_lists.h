#pragma once

// The two entry lists, free of widgets: which entries they show, the text
// of a row, its colours and where each list stands scrolled.

#include <cstdint>
#include <string>
#include <vector>

#include "log/log_store.h"

// Colours in the platform's order, 0x00BBGGRR.
inline constexpr std::uint32_t kRaceTextColor = 0x0000FF;        // red
inline constexpr std::uint32_t kOddWeekBackground = 0xE0E0E0;    // light grey
inline constexpr std::uint32_t kHighlightBackground = 0x00FFFF;  // yellow
inline constexpr std::uint32_t kRowTextColor = 0x000000;

// The recent-entries list shows the log's last entries; five rows show.
inline constexpr int kRecentEntries = 9;
inline constexpr int kRecentVisibleRows = 5;

// Selection display modes, as the settings keep them.
inline constexpr int kShowAllHighlightSelected = 0;
inline constexpr int kShowSelectedOnly = 1;

// W, the width in characters of the route and comment columns, from the
// list's width in pixels and the list font's character width; never below 0.
int rowTextWidth(int listWidth, int listCharWidth);

// One list row: the date, the sport letter, distance, time and pace right
// aligned in 8, 10 and 8 characters, then route and comment in W each.
std::string formatEntryRow(const LogEntry& entry, int textWidth);

// What the two lists show: each row's entry index, in order.
struct EntryRows {
    std::vector<int> recent;
    std::vector<int> log;
    int selectedCount = 0;  // the first number of the title
    bool allSelected = true;
};
EntryRows entryRows(const LogStore& store, int selectionDisplayMode);

// How a Log list row is drawn. A background of 0xFFFFFFFF is the list's own.
inline constexpr std::uint32_t kListBackground = 0xFFFFFFFF;
struct RowColors {
    std::uint32_t text = kRowTextColor;
    std::uint32_t background = kListBackground;
};
// highlightSelected: the mode shows all entries and not every one is selected.
RowColors rowColors(const LogEntry& entry, bool highlightSelected);

// The first row shown after a refill: the list is scrolled to its end.
inline int endTopRow(int rows, int visibleRows)
{
    return rows > visibleRows ? rows - visibleRows : 0;
}
// After a Save: a stored row outside the shown rows becomes the top row.
inline int revealTopRow(int topRow, int row, int visibleRows)
{
    return row < topRow || row >= topRow + visibleRows ? row : topRow;
}

// The row showing an entry, or -1.
int rowOfEntry(const std::vector<int>& rows, int entry);

// Delete on the Day page: removes the entry and gives the entry the day
// view shows next: the one before it (the new first when it was the
// first), stepping back past unselected ones; -1 when the log is empty.
// The entry being modified in the form keeps pointing at the same entry,
// or Modify mode ends when that is the one deleted.
int deleteEntry(LogStore& store, int index);

// Sort Entries: sorts the log by date and gives the entry the day view
// shows where it went. The entry being modified in the form and the one
// last stored move with their entries, so that Modify still replaces the
// entry it was filled from. Returns whether anything moved.
bool sortEntries(LogStore& store, int& dayEntry);

inline constexpr const char* kDeleteQuestion =
    "Are you sure you want to delete this entry? There is no \"undo\" for this operation.";
