#include "shell/logic/entry_lists.h"

#include <algorithm>
#include <string_view>

namespace {

// text right-aligned in width characters, cut to its first cutTo.
void appendRight(std::string& out, std::string_view text, std::size_t width, std::size_t cutTo)
{
    text = text.substr(0, cutTo);
    out.append(width - text.size(), ' ');
    out.append(text);
}

}  // namespace

int rowTextWidth(int listWidth, int listCharWidth)
{
    if (listCharWidth <= 0)
        return 0;
    return std::max(0, (listWidth / listCharWidth - 38) / 2);
}

std::string formatEntryRow(const LogEntry& entry, int textWidth)
{
    const std::size_t w = static_cast<std::size_t>(std::max(0, textWidth));
    std::string row;
    row.reserve(40 + 2 * w);
    row.append(entry.dateText.view());
    row += ' ';
    row += entry.kindSport.size() < 2 ? ' ' : entry.kindSport[1];
    row += ' ';
    appendRight(row, entry.distanceText.view(), 8, 8);
    appendRight(row, entry.timeText.view(), 10, 9);
    appendRight(row, entry.paceText.view(), 8, 7);
    row += ' ';
    const std::string_view route = entry.routeText.view().substr(0, w);
    row.append(route);
    row.append(w - route.size(), ' ');
    row += ' ';
    row.append(entry.commentText.view().substr(0, w));
    return row;
}

EntryRows entryRows(const LogStore& store, int selectionDisplayMode)
{
    EntryRows rows;
    const int count = store.entryCount;
    const int firstRecent = std::max(0, count - kRecentEntries);
    for (int i = firstRecent; i < count; ++i)
        rows.recent.push_back(i);
    rows.log.reserve(static_cast<std::size_t>(count));
    const bool showAll = selectionDisplayMode == kShowAllHighlightSelected;
    for (int i = 0; i < count; ++i) {
        const bool selected = store.entry(static_cast<std::size_t>(i)).selected != 0;
        if (selected)
            ++rows.selectedCount;
        if (selected || showAll)
            rows.log.push_back(i);
    }
    rows.allSelected = rows.selectedCount == count;
    return rows;
}

RowColors rowColors(const LogEntry& entry, bool highlightSelected)
{
    RowColors colors;
    if (entry.isRace())
        colors.text = kRaceTextColor;
    if (highlightSelected && entry.selected != 0)
        colors.background = kHighlightBackground;
    else if ((entry.weekIndex & 1) != 0)
        colors.background = kOddWeekBackground;
    return colors;
}

int rowOfEntry(const std::vector<int>& rows, int entry)
{
    // Rows are in entry order: a binary search finds it in a long log.
    auto it = std::lower_bound(rows.begin(), rows.end(), entry);
    return it != rows.end() && *it == entry ? static_cast<int>(it - rows.begin()) : -1;
}

int deleteEntry(LogStore& store, int index)
{
    if (index < 0 || index >= store.entryCount)
        return -1;
    store.removeAt(index);
    store.modified = true;
    // Indexes past the deleted entry moved down one place.
    if (store.editingIndex == index)
        store.editingIndex = -1;
    else if (store.editingIndex > index)
        --store.editingIndex;
    if (store.lastStoredIndex == index)
        store.lastStoredIndex = -1;
    else if (store.lastStoredIndex > index)
        --store.lastStoredIndex;
    if (store.entryCount == 0)
        return -1;
    int shown = std::max(0, index - 1);
    while (shown > 0 && store.entry(static_cast<std::size_t>(shown)).selected == 0)
        --shown;
    return shown;
}

namespace {

// Where a stable sort by date puts the entry at index: after every entry of
// an earlier day and every earlier entry of its own day.
int sortedPosition(const LogStore& store, int index)
{
    if (index < 0 || index >= store.entryCount)
        return index;
    const auto key = store.entry(static_cast<std::size_t>(index)).dateKey;
    int position = 0;
    for (int i = 0; i < store.entryCount; ++i) {
        const auto other = store.entry(static_cast<std::size_t>(i)).dateKey;
        if (other < key || (other == key && i < index))
            ++position;
    }
    return position;
}

}  // namespace

bool sortEntries(LogStore& store, int& dayEntry)
{
    const int editing = sortedPosition(store, store.editingIndex);
    const int lastStored = sortedPosition(store, store.lastStoredIndex);
    const int shown = sortedPosition(store, dayEntry);
    if (!store.sortByDate())
        return false;
    store.editingIndex = editing;
    store.lastStoredIndex = lastStored;
    dayEntry = shown;
    return true;
}
