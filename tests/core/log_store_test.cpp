// The in-memory log: insertion in date order, sorting, sports by letter and
// name, and the preference changes that rewrite every entry.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core_test_support.h"
#include "log/log_store.h"

namespace {

using orvtest::addSport;
using orvtest::appendEntry;
using orvtest::makeStore;

// An entry known by its key and a tag in its comment, so that order can be seen.
LogEntry keyed(std::uint32_t dateKey, std::string_view tag)
{
    LogEntry e;
    e.dateKey = dateKey;
    e.commentText = tag;
    e.selected = 1;
    return e;
}

std::vector<std::string> tags(const LogStore& store)
{
    std::vector<std::string> out;
    for (std::size_t i = 0; i < store.entryCount; ++i)
        out.push_back(store.entry(i).commentText.str());
    return out;
}

TEST(LogStoreStart, holdsOnlySportNoneAndTheDefaultPreferences)
{
    auto store = makeStore();
    EXPECT_EQ(0, store->entryCount);
    EXPECT_EQ(0, store->sportCount);
    EXPECT_EQ("None", store->sports[0].name.str());
    EXPECT_EQ(' ', store->sports[0].letter);
    EXPECT_EQ(DistanceUnit::None, store->sports[0].distanceUnits);
    EXPECT_EQ(PaceUnit::None, store->sports[0].paceUnits);
    EXPECT_EQ((std::array<std::int32_t, 7>{1, 1, 1, 1, 1, 1, 0}), store->preferences.values);
    // Week start 1 is Monday: week 0 begins on 2 January 1950.
    EXPECT_EQ((CalendarDate{1950, 1, 2}), store->weekOrigin);
    EXPECT_FALSE(store->modified);
}

// ---------------------------------------------------------------- insertSorted

TEST(InsertSorted, placesByDateAfterEntriesOfTheSameDate)
{
    auto store = makeStore();
    EXPECT_EQ(0, store->insertSorted(keyed(1020321, "b")));
    EXPECT_EQ(1, store->insertSorted(keyed(1020325, "d")));
    EXPECT_EQ(0, store->insertSorted(keyed(990101, "a")));    // earlier than all
    EXPECT_EQ(2, store->insertSorted(keyed(1020321, "c")));   // after the other 21 March entry
    EXPECT_EQ(4, store->insertSorted(keyed(1491231, "e")));   // later than all
    EXPECT_EQ(3, store->insertSorted(keyed(1020321, "c2")));  // equal keys go after all of them
    EXPECT_EQ((std::vector<std::string>{"a", "b", "c", "c2", "d", "e"}), tags(*store));
}

TEST(InsertSorted, growsBothCountsAndMarksModified)
{
    auto store = makeStore();
    store->insertSorted(keyed(1020321, "a"));
    store->insertSorted(keyed(1020322, "b"));
    EXPECT_EQ(2, store->entryCount);
    EXPECT_EQ(2, store->shownCount);
    EXPECT_TRUE(store->modified);
}

TEST(InsertSorted, copiesTheWholeRecord)
{
    auto store = makeStore();
    LogEntry e = keyed(1020321, "comment");
    e.dateText = "03/21/02";
    e.kindSport = "RR";
    e.distanceText = "5.2M";
    e.timeText = "45:30";
    e.paceText = "8:45";
    e.routeText = "River loop";
    e.distance = 5.2f;
    e.minutes = 45.5f;
    e.sportIndex = 1;
    e.weekIndex = 2724;
    e.monthIndex = 1226;
    store->insertSorted(keyed(1020320, "earlier"));
    int at = store->insertSorted(e);
    const LogEntry& got = store->entry(static_cast<std::size_t>(at));
    EXPECT_EQ("03/21/02", got.dateText.str());
    EXPECT_EQ("RR", got.kindSport.str());
    EXPECT_EQ("5.2M", got.distanceText.str());
    EXPECT_EQ("45:30", got.timeText.str());
    EXPECT_EQ("8:45", got.paceText.str());
    EXPECT_EQ("River loop", got.routeText.str());
    EXPECT_EQ("comment", got.commentText.str());
    EXPECT_EQ(5.2f, got.distance);
    EXPECT_EQ(45.5f, got.minutes);
    EXPECT_EQ(1, got.sportIndex);
    EXPECT_EQ(2724, got.weekIndex);
    EXPECT_EQ(1226, got.monthIndex);
    EXPECT_EQ(1, got.selected);
}

TEST(InsertSorted, refusesThe10001stEntryAndLeavesTheStoreAsItWas)
{
    auto store = makeStore();
    for (std::size_t i = 0; i < LogStore::kMaxEntries; ++i)
        ASSERT_EQ(static_cast<int>(i), store->insertSorted(keyed(1000000 + static_cast<std::uint32_t>(i), "x")));
    ASSERT_TRUE(store->isFull());
    store->modified = false;
    EXPECT_EQ(-1, store->insertSorted(keyed(500101, "refused")));
    EXPECT_EQ(10000, store->entryCount);
    EXPECT_EQ(10000, store->shownCount);
    EXPECT_EQ(1000000u, store->entry(0).dateKey);
    EXPECT_EQ("x", store->entry(0).commentText.str());
    EXPECT_FALSE(store->modified);
}

// ---------------------------------------------------------------- replace, remove

TEST(ReplaceAt, fullLogCanStillMoveAnEntryToAnotherDate)
{
    auto store = makeStore();
    for (std::size_t i = 0; i < LogStore::kMaxEntries; ++i)
        store->insertSorted(keyed(1000000 + static_cast<std::uint32_t>(i), "x"));
    EXPECT_EQ(9999, store->replaceAt(0, keyed(1491231, "moved")));
    EXPECT_EQ(10000, store->entryCount);
    EXPECT_EQ(1000001u, store->entry(0).dateKey);
    EXPECT_EQ("moved", store->entry(9999).commentText.str());
}

TEST(ReplaceAt, sameDateOverwritesInPlace)
{
    auto store = makeStore();
    store->insertSorted(keyed(1020320, "a"));
    store->insertSorted(keyed(1020321, "b"));
    store->insertSorted(keyed(1020321, "c"));
    EXPECT_EQ(1, store->replaceAt(1, keyed(1020321, "B")));
    EXPECT_EQ((std::vector<std::string>{"a", "B", "c"}), tags(*store));
    EXPECT_EQ(3, store->entryCount);
}

TEST(ReplaceAt, newDateMovesTheEntry)
{
    auto store = makeStore();
    store->insertSorted(keyed(1020320, "a"));
    store->insertSorted(keyed(1020321, "b"));
    store->insertSorted(keyed(1020322, "c"));
    EXPECT_EQ(2, store->replaceAt(0, keyed(1020323, "A")));
    EXPECT_EQ((std::vector<std::string>{"b", "c", "A"}), tags(*store));
    EXPECT_EQ(3, store->entryCount);
    EXPECT_EQ(3, store->shownCount);
}

TEST(ReplaceAt, indexOutsideTheLogChangesNothing)
{
    auto store = makeStore();
    store->insertSorted(keyed(1020320, "a"));
    EXPECT_EQ(-1, store->replaceAt(1, keyed(1020321, "x")));
    EXPECT_EQ(-1, store->replaceAt(-1, keyed(1020321, "x")));
    EXPECT_EQ((std::vector<std::string>{"a"}), tags(*store));
}

TEST(RemoveAt, movesLaterEntriesDown)
{
    auto store = makeStore();
    store->insertSorted(keyed(1020320, "a"));
    store->insertSorted(keyed(1020321, "b"));
    store->insertSorted(keyed(1020322, "c"));
    store->removeAt(1);
    EXPECT_EQ((std::vector<std::string>{"a", "c"}), tags(*store));
    EXPECT_EQ(2, store->entryCount);
    EXPECT_EQ(2, store->shownCount);
}

// ---------------------------------------------------------------- sortByDate

TEST(SortByDate, sortsAndKeepsTheOrderOfEqualDates)
{
    auto store = makeStore();
    appendEntry(*store, keyed(1020325, "d1"));
    appendEntry(*store, keyed(1020321, "a1"));
    appendEntry(*store, keyed(1020325, "d2"));
    appendEntry(*store, keyed(1020321, "a2"));
    appendEntry(*store, keyed(990101, "old"));
    appendEntry(*store, keyed(1020321, "a3"));
    store->modified = false;
    EXPECT_TRUE(store->sortByDate());
    EXPECT_EQ((std::vector<std::string>{"old", "a1", "a2", "a3", "d1", "d2"}), tags(*store));
    EXPECT_TRUE(store->modified);
}

TEST(SortByDate, sortedLogIsLeftAsItWasAndNotMarked)
{
    auto store = makeStore();
    appendEntry(*store, keyed(1020321, "a"));
    appendEntry(*store, keyed(1020321, "b"));
    appendEntry(*store, keyed(1020322, "c"));
    store->modified = false;
    EXPECT_FALSE(store->sortByDate());
    EXPECT_EQ((std::vector<std::string>{"a", "b", "c"}), tags(*store));
    EXPECT_FALSE(store->modified);

    store->modified = true;
    EXPECT_FALSE(store->sortByDate());
    EXPECT_TRUE(store->modified);
}

TEST(SortByDate, singleEntryIsNothingToDo)
{
    auto store = makeStore();
    appendEntry(*store, keyed(1020321, "a"));
    store->modified = false;
    EXPECT_FALSE(store->sortByDate());
    EXPECT_FALSE(store->modified);
}

// Long routes and comments live outside the record: inserting, removing and
// sorting move them with their entries and never mix them up.
TEST(LongTexts, travelWithTheirEntriesThroughInsertRemoveAndSort)
{
    auto store = makeStore();
    auto longTag = [](char c) { return std::string(300, c); };
    for (char c : {'e', 'b', 'd', 'a', 'c'}) {
        LogEntry e = keyed(1020300 + static_cast<std::uint32_t>(c), longTag(c));
        e.routeText = std::string(200, c);
        appendEntry(*store, e);
    }
    EXPECT_TRUE(store->sortByDate());
    store->insertSorted(keyed(1020300 + 'a', longTag('A')));
    store->removeAt(1);  // the 'A' went in after 'a', the entry of its date, and goes again
    store->insertSorted(keyed(1020300 + 'z', "short"));
    EXPECT_EQ((std::vector<std::string>{longTag('a'), longTag('b'), longTag('c'), longTag('d'), longTag('e'), "short"}),
              tags(*store));
    for (std::size_t i = 0; i + 1 < store->entryCount; ++i)
        EXPECT_EQ(store->entry(i).routeText.view(), std::string(200, store->entry(i).commentText[0])) << i;
}

TEST(LongTexts, anEntryNeverReachedIsAnEmptyRecord)
{
    auto store = makeStore();
    const LogEntry& last = store->entry(LogStore::kMaxEntries - 1);
    EXPECT_EQ(0u, last.dateKey);
    EXPECT_TRUE(last.routeText.empty());
    EXPECT_TRUE(last.commentText.empty());
    EXPECT_TRUE(store->entry(5000).dateText.empty());
}

// ---------------------------------------------------------------- sports

class SportLookup : public ::testing::Test {
protected:
    void SetUp() override
    {
        addSport(*store, "Running", 'R', DistanceUnit::Miles, PaceUnit::MinPerMile);
        addSport(*store, "Cycling", 'C', DistanceUnit::Kilometers, PaceUnit::KmPerHour);
        addSport(*store, "Rowing", 'R', DistanceUnit::Meters, PaceUnit::None);
    }
    std::unique_ptr<LogStore> store = makeStore();
};

TEST_F(SportLookup, letterFindsTheHighestSportWithIt)
{
    EXPECT_EQ(3, store->resolveSportByLetter('R'));
    EXPECT_EQ(3, store->currentSport);
    EXPECT_EQ(2, store->resolveSportByLetter('C'));
    EXPECT_EQ(2, store->currentSport);
}

TEST_F(SportLookup, unknownLetterIsSportNone)
{
    store->currentSport = 2;
    EXPECT_EQ(0, store->resolveSportByLetter('Z'));
    EXPECT_EQ(0, store->currentSport);
    EXPECT_EQ(0, store->resolveSportByLetter('r'));
}

TEST_F(SportLookup, nameMustMatchExactly)
{
    EXPECT_EQ(2, store->resolveSportByName("Cycling"));
    EXPECT_EQ(2, store->currentSport);
    EXPECT_EQ(0, store->resolveSportByName("cycling"));
    EXPECT_EQ(0, store->resolveSportByName("Cycl"));
    EXPECT_EQ(0, store->currentSport);
}

TEST_F(SportLookup, unitsOfASport)
{
    SportUnits units = store->unitsOf(2);
    EXPECT_EQ(DistanceUnit::Kilometers, units.distanceUnits);
    EXPECT_EQ(PaceUnit::KmPerHour, units.paceUnits);
    SportUnits none = store->unitsOf(0);
    EXPECT_EQ(DistanceUnit::None, none.distanceUnits);
    EXPECT_EQ(PaceUnit::None, none.paceUnits);
}

TEST(SportNone, resetGivesNoneWithBlankLetter)
{
    auto store = makeStore();
    store->sports[0].name = "Junk";
    store->sports[0].letter = 'J';
    store->sports[0].distanceUnits = DistanceUnit::Miles;
    store->resetSportNone();
    EXPECT_EQ("None", store->sports[0].name.str());
    EXPECT_EQ(' ', store->sports[0].letter);
    EXPECT_EQ(DistanceUnit::None, store->sports[0].distanceUnits);
    EXPECT_EQ(PaceUnit::None, store->sports[0].paceUnits);
}

// ---------------------------------------------------------------- whole-log changes

TEST(SelectAll, selectsEveryEntry)
{
    auto store = makeStore();
    for (std::uint32_t k : {1020321u, 1020322u, 1020323u}) {
        LogEntry e = keyed(k, "x");
        e.selected = 0;
        appendEntry(*store, e);
    }
    store->selectAll();
    for (std::size_t i = 0; i < store->entryCount; ++i)
        EXPECT_EQ(1, store->entry(i).selected) << i;
}

TEST(DerivedDates, comeFromTheTextInTheLogsFormat)
{
    auto store = makeStore();
    store->setWeekStart(3);
    LogEntry e;
    e.dateText = "03/21/02";
    deriveDateFields(e, *store);
    EXPECT_EQ(1020321u, e.dateKey);
    EXPECT_EQ(1226, e.monthIndex);
    EXPECT_EQ(2724, e.weekIndex);

    store->setDateFormat(2);
    LogEntry d;
    d.dateText = "21/03/02";
    deriveDateFields(d, *store);
    EXPECT_EQ(1020321u, d.dateKey);
}

TEST(DerivedDates, twoDigitYearsBelow50AreThe2000s)
{
    auto store = makeStore();
    LogEntry late;
    late.dateText = "01/05/49";
    deriveDateFields(late, *store);
    EXPECT_EQ(1490105u, late.dateKey);
    LogEntry early;
    early.dateText = "01/05/50";
    deriveDateFields(early, *store);
    EXPECT_EQ(500105u, early.dateKey);
}

TEST(Preferences, changingTheDateFormatSwapsDayAndMonthInEveryEntry)
{
    auto store = makeStore();
    for (const char* text : {"03/21/02", "12/01/99"}) {
        LogEntry e;
        e.dateText = text;
        deriveDateFields(e, *store);
        appendEntry(*store, e);
    }
    store->setDateFormat(2);
    EXPECT_EQ(2, store->preferences.values[3]);
    EXPECT_EQ("21/03/02", store->entry(0).dateText.str());
    EXPECT_EQ("01/12/99", store->entry(1).dateText.str());
    EXPECT_EQ(1020321u, store->entry(0).dateKey);
    EXPECT_EQ(991201u, store->entry(1).dateKey);
}

TEST(Preferences, keepingTheSameDateFormatLeavesTheTexts)
{
    auto store = makeStore();
    LogEntry e;
    e.dateText = "03/21/02";
    deriveDateFields(e, *store);
    appendEntry(*store, e);
    store->setDateFormat(1);
    EXPECT_EQ("03/21/02", store->entry(0).dateText.str());
    store->setDateFormat(2);
    store->setDateFormat(2);
    EXPECT_EQ("21/03/02", store->entry(0).dateText.str());
}

TEST(Preferences, changingTheWeekStartRenumbersEveryEntry)
{
    auto store = makeStore();
    store->setWeekStart(3);
    for (const char* text : {"01/08/50", "03/21/02"}) {
        LogEntry e;
        e.dateText = text;
        deriveDateFields(e, *store);
        appendEntry(*store, e);
    }
    EXPECT_EQ(1, store->entry(0).weekIndex);
    store->setWeekStart(1);
    EXPECT_EQ((CalendarDate{1950, 1, 2}), store->weekOrigin);
    EXPECT_EQ(0, store->entry(0).weekIndex);  // Sunday 8 January is still in Monday's week 0
    EXPECT_EQ(2724, store->entry(1).weekIndex);
    store->setWeekStart(2);
    EXPECT_EQ((CalendarDate{1950, 1, 7}), store->weekOrigin);
    EXPECT_EQ(0, store->entry(0).weekIndex);
    EXPECT_EQ(2723, store->entry(1).weekIndex);
}

TEST(ClearForRead, emptiesTheCountsAndForgetsEditing)
{
    auto store = makeStore();
    addSport(*store, "Running", 'R', DistanceUnit::Miles, PaceUnit::MinPerMile);
    store->insertSorted(keyed(1020321, "a"));
    store->routeCount = 3;
    store->keywordCount = 2;
    store->editingIndex = 0;
    store->lastStoredIndex = 0;
    store->clearForRead();
    EXPECT_EQ(0, store->entryCount);
    EXPECT_EQ(0, store->sportCount);
    EXPECT_EQ(0, store->routeCount);
    EXPECT_EQ(0, store->keywordCount);
    EXPECT_EQ(-1, store->editingIndex);
    EXPECT_EQ(-1, store->lastStoredIndex);
    EXPECT_FALSE(store->modified);
}

// ---------------------------------------------------------------- names

struct NameRow {
    const char* name;
    const char* path;
    const char* display;
};

void PrintTo(const NameRow& row, std::ostream* os)
{
    *os << row.name;
}

class DisplayNameTable : public ::testing::TestWithParam<NameRow> {};

TEST_P(DisplayNameTable, dropsFolderAndExtension)
{
    EXPECT_EQ(GetParam().display, displayNameOf(GetParam().path));
}

INSTANTIATE_TEST_SUITE_P(Names, DisplayNameTable,
                         ::testing::Values(NameRow{"slashFolders", "/home/ann/logs/MyLog.dat", "MyLog"},
                                           NameRow{"backslashFolders", "C:\\logs\\Run.dat", "Run"},
                                           NameRow{"mixedFolders", "/home/ann\\old/Bike.dat", "Bike"},
                                           NameRow{"noFolder", "Swim.dat", "Swim"},
                                           NameRow{"backupName", "/tmp/Run.bak", "Run"},
                                           NameRow{"pointInFolder", "/tmp/v1.2/Log2004.dat", "Log2004"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Title, namesTheLogAndBothCounts)
{
    auto store = makeStore();
    store->setFileName("/home/ann/logs/MyLog.dat");
    EXPECT_EQ("/home/ann/logs/MyLog.dat", store->fileName);
    EXPECT_EQ("MyLog", store->displayName);
    for (std::uint32_t k : {1020321u, 1020322u, 1020323u, 1020324u, 1020325u})
        store->insertSorted(keyed(k, "x"));
    store->shownCount = 3;
    EXPECT_EQ("The Orvanta - MyLog, 3/5 entries", store->title());
}

}  // namespace
