// The entry lists without widgets: row text, the rows each list shows,
// row colours, scrolling, and deleting the day view's entry.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "entry_test_support.h"
#include "shell/logic/entry_lists.h"

namespace {

using namespace entrytest;

LogEntry rowEntry(const char* date, const char* kind, const char* distance, const char* time, const char* pace,
                  const char* route, const char* comment)
{
    LogEntry entry;
    entry.dateText = date;
    entry.kindSport = kind;
    entry.distanceText = distance;
    entry.timeText = time;
    entry.paceText = pace;
    entry.routeText = route;
    entry.commentText = comment;
    return entry;
}

TEST(RowTextWidth, fromTheListWidthAndCharacterWidth)
{
    EXPECT_EQ(rowTextWidth(624, 9), 15);   // (69 - 38) / 2
    EXPECT_EQ(rowTextWidth(1888, 9), 85);  // (209 - 38) / 2
    EXPECT_EQ(rowTextWidth(300, 9), 0);    // narrower than the fixed columns
    EXPECT_EQ(rowTextWidth(624, 0), 0);
}

TEST(FormatEntryRow, columnsAlignedAndCut)
{
    const LogEntry race = rowEntry("03/28/02", "RR", "10K", "44:10", "7:07", "Spring 10K & relay", "\"PR\" <finally>");
    EXPECT_EQ(formatEntryRow(race, 15), "03/28/02 R      10K     44:10    7:07 Spring 10K & re \"PR\" <finally>");
    const LogEntry pool = rowEntry("03/14/02", "TS", "1500Y", "30:00", "", "Pool", "");
    EXPECT_EQ(formatEntryRow(pool, 8), "03/14/02 S    1500Y     30:00         Pool     ");
    // Distance cut to 8, time to 9 and pace to 7 characters; no sport letter is a blank.
    const LogEntry wide = rowEntry("04/15/02", "T", "123456789", "~12345678", "123456789", "route", "comment");
    EXPECT_EQ(formatEntryRow(wide, 3), "04/15/02   12345678 ~12345678 1234567 rou com");
    EXPECT_EQ(formatEntryRow(wide, 0), "04/15/02   12345678 ~12345678 1234567  ");
}

TEST(FormatEntryRow, wideListsKeepWholeTexts)
{
    const std::string route(100, 'r');
    const LogEntry entry = rowEntry("01/01/24", "TR", "", "", "", route.c_str(), "end");
    const std::string row = formatEntryRow(entry, 120);
    EXPECT_EQ(row.size(), 8u + 3u + 26u + 1u + 120u + 1u + 3u);
    EXPECT_EQ(row.substr(row.size() - 3), "end");
}

class EntryRowsTest : public ::testing::Test {
protected:
    std::unique_ptr<LogStore> store = makeStore();
    void SetUp() override
    {
        for (int day = 1; day <= 10; ++day)
            addEntry(*store, {2024, 5, day}, std::to_string(day));
    }
};

TEST_F(EntryRowsTest, recentListShowsTheLastNineOfTen)
{
    const EntryRows rows = entryRows(*store, kShowSelectedOnly);
    EXPECT_EQ(rows.recent, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(endTopRow(static_cast<int>(rows.recent.size()), kRecentVisibleRows), 4);
}

TEST_F(EntryRowsTest, selectedOnly_listsTheSelected_showAll_listsEveryEntry)
{
    store->entry(2).selected = 0;
    store->entry(5).selected = 0;
    const EntryRows only = entryRows(*store, kShowSelectedOnly);
    EXPECT_EQ(only.log, (std::vector<int>{0, 1, 3, 4, 6, 7, 8, 9}));
    EXPECT_EQ(only.selectedCount, 8);
    EXPECT_FALSE(only.allSelected);
    // The recent list does not follow the selection.
    EXPECT_EQ(only.recent.size(), 9u);
    const EntryRows all = entryRows(*store, kShowAllHighlightSelected);
    EXPECT_EQ(all.log.size(), 10u);
    EXPECT_EQ(all.selectedCount, 8);
    EXPECT_EQ(rowOfEntry(only.log, 6), 4);
    EXPECT_EQ(rowOfEntry(only.log, 5), -1);
}

TEST_F(EntryRowsTest, emptyLog_noRows)
{
    auto empty = makeStore();
    const EntryRows rows = entryRows(*empty, kShowSelectedOnly);
    EXPECT_TRUE(rows.recent.empty());
    EXPECT_TRUE(rows.log.empty());
    EXPECT_TRUE(rows.allSelected);
}

TEST(RowColors, raceRed_oddWeekGrey_highlightedSelectionYellow)
{
    LogEntry entry;
    entry.kindSport = "TR";
    entry.selected = 1;
    entry.weekIndex = 2;
    EXPECT_EQ(rowColors(entry, false).text, kRowTextColor);
    EXPECT_EQ(rowColors(entry, false).background, kListBackground);
    entry.kindSport = "RR";
    EXPECT_EQ(rowColors(entry, false).text, 0x0000FFu);
    entry.weekIndex = 3;
    EXPECT_EQ(rowColors(entry, false).background, 0xE0E0E0u);
    entry.weekIndex = -3;
    EXPECT_EQ(rowColors(entry, false).background, 0xE0E0E0u);
    EXPECT_EQ(rowColors(entry, true).background, 0x00FFFFu);
    entry.selected = 0;
    EXPECT_EQ(rowColors(entry, true).background, 0xE0E0E0u);
}

TEST(ListScrolling, endAndReveal)
{
    EXPECT_EQ(endTopRow(100, 26), 74);
    EXPECT_EQ(endTopRow(20, 26), 0);
    EXPECT_EQ(revealTopRow(74, 10, 26), 10);  // above the top
    EXPECT_EQ(revealTopRow(74, 80, 26), 74);  // shown already
    EXPECT_EQ(revealTopRow(10, 36, 26), 36);  // at the first row below the shown ones
    EXPECT_EQ(revealTopRow(10, 35, 26), 10);
}

class DeleteEntry : public EntryRowsTest {};

TEST_F(DeleteEntry, deletingTheFirst_leavesTheDayViewOnTheNewFirst)
{
    EXPECT_EQ(deleteEntry(*store, 0), 0);
    EXPECT_EQ(store->entryCount, 9);
    EXPECT_EQ(store->entry(0).commentText, "2");
    EXPECT_TRUE(store->modified);
}

TEST_F(DeleteEntry, showsThePreviousSelectedEntry)
{
    EXPECT_EQ(deleteEntry(*store, 5), 4);
    store->entry(3).selected = 0;
    store->entry(2).selected = 0;
    EXPECT_EQ(deleteEntry(*store, 4), 1);
    store->entry(0).selected = 0;
    store->entry(1).selected = 0;
    EXPECT_EQ(deleteEntry(*store, 2), 0);
}

TEST_F(DeleteEntry, lastEntryGone_noDayEntry_outOfRangeChangesNothing)
{
    EXPECT_EQ(deleteEntry(*store, 10), -1);
    EXPECT_EQ(store->entryCount, 10);
    while (store->entryCount > 1)
        deleteEntry(*store, 0);
    EXPECT_EQ(deleteEntry(*store, 0), -1);
    EXPECT_EQ(store->entryCount, 0);
}

TEST_F(DeleteEntry, entryBeingModified_followsItsEntry_orModifyModeEnds)
{
    store->editingIndex = 6;
    deleteEntry(*store, 2);
    EXPECT_EQ(store->editingIndex, 5);
    EXPECT_EQ(store->entry(5).commentText, "7");
    deleteEntry(*store, 8);
    EXPECT_EQ(store->editingIndex, 5);
    deleteEntry(*store, 5);
    EXPECT_EQ(store->editingIndex, -1);
}

TEST(SortEntries, theFormsAndTheDayViewsEntriesMoveWithTheirEntries)
{
    auto store = makeStore();
    addEntry(*store, {2024, 5, 1}, "a");
    addEntry(*store, {2024, 5, 2}, "b1");
    addEntry(*store, {2024, 5, 2}, "b2");
    addEntry(*store, {2024, 5, 3}, "c");
    // Out of order as a log edited elsewhere may be: c, b1, a, b2.
    std::swap(store->entry(0), store->entry(3));
    std::swap(store->entry(2), store->entry(3));
    auto indexOf = [&store](const std::string& comment) {
        for (int i = 0; i < store->entryCount; ++i)
            if (store->entry(static_cast<std::size_t>(i)).commentText.str() == comment)
                return i;
        return -1;
    };
    ASSERT_EQ((std::vector<int>{indexOf("c"), indexOf("b1"), indexOf("a"), indexOf("b2")}),
              (std::vector<int>{0, 1, 2, 3}));
    store->editingIndex = 3;     // b2
    store->lastStoredIndex = 0;  // c
    int dayEntry = 2;            // a

    EXPECT_TRUE(sortEntries(*store, dayEntry));
    ASSERT_EQ((std::vector<int>{indexOf("a"), indexOf("b1"), indexOf("b2"), indexOf("c")}),
              (std::vector<int>{0, 1, 2, 3}))
        << "one day's entries keep their order";
    EXPECT_EQ(store->editingIndex, 2);
    EXPECT_EQ(store->lastStoredIndex, 3);
    EXPECT_EQ(dayEntry, 0);

    dayEntry = -1;
    store->editingIndex = -1;
    store->modified = false;
    EXPECT_FALSE(sortEntries(*store, dayEntry)) << "a sorted log stays as it is";
    EXPECT_EQ(dayEntry, -1);
    EXPECT_EQ(store->editingIndex, -1);
}

}  // namespace
