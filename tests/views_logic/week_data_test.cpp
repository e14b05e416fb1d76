// The week view's data: which entries stand on which day, their line texts,
// the per-sport totals of the binder and the grid, and the selection rules.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "view_log_builder.h"
#include "views/logic/week_data.h"

namespace {

std::vector<std::string> entryTexts(const WeekDay& day)
{
    std::vector<std::string> texts;
    for (const WeekEntryLine& line : day.entries)
        texts.push_back(line.text);
    return texts;
}

std::vector<std::string> columnTexts(const std::vector<WeekSportLine>& cell, bool year = false)
{
    std::vector<std::string> texts;
    for (const WeekSportLine& line : cell)
        texts.push_back(year ? line.yearText : line.text);
    return texts;
}

// Monday 11 March 2002 starts a week (weeks start on Monday by default).
constexpr CalendarDate kMarch11{2002, 3, 11};

ViewLog fourSports()
{
    ViewLog log;
    log.sport("Running", 'R', DistanceUnit::Miles, PaceUnit::MinPerMile)
        .sport("Cycling", 'C', DistanceUnit::Kilometers, PaceUnit::KmPerHour)
        .sport("Swimming", 'S', DistanceUnit::Yards)
        .sport("Strength", 'W');
    return log;
}

WeekRequest weekOf(const LogStore& store, CalendarDate day, int weeks = 1, int mode = 1)
{
    WeekRequest request;
    request.firstWeek = weekIndexOf(day, store.weekOrigin);
    request.weekViewWeeks = weeks;
    request.selectionDisplayMode = mode;
    request.today = CalendarDate{2024, 5, 17};
    return request;
}

TEST(WeekBinder, sevenDaysWithTheirEntryLines)
{
    ViewLog log = fourSports();
    log.add({.date = "03/11/02",
             .sportLetter = 'R',
             .minutes = 30,
             .distance = 3,
             .distanceText = "3M",
             .timeText = "30:00",
             .route = "River loop",
             .comment = "Easy day"});
    log.add({.date = "03/14/02",
             .sportLetter = 'S',
             .minutes = 30,
             .distance = 1500,
             .distanceText = "1500Y",
             .timeText = "30:00",
             .kind = 'R',
             .route = "Pool"});
    log.add({.date = "03/14/02", .sportLetter = 'W', .minutes = 48, .timeText = "48:00", .route = "Gym"});
    log.add({.date = "03/18/02", .sportLetter = 'R', .minutes = 30, .distance = 3, .distanceText = "3M"});

    const WeekData data = buildWeekData(log.store, weekOf(log.store, kMarch11));
    EXPECT_FALSE(data.fourWeeks);
    EXPECT_EQ(data.firstDay, kMarch11);
    EXPECT_EQ(data.year, 2002);
    ASSERT_EQ(data.days.size(), 7u);
    EXPECT_EQ(data.days[6].date, (CalendarDate{2002, 3, 17}));
    EXPECT_EQ(entryTexts(data.days[0]), (std::vector<std::string>{"R: 3M (30:00) River loop Easy day"}));
    EXPECT_EQ(entryTexts(data.days[3]), (std::vector<std::string>{"S: 1500Y (30:00) Pool ", "W: 48:00 Gym "}));
    EXPECT_TRUE(data.days[3].entries[0].race);
    EXPECT_FALSE(data.days[3].entries[1].race);
    EXPECT_EQ(data.days[3].entries[1].sportIndex, 4);
    EXPECT_EQ(data.days[3].entries[1].entryIndex, 2);
    for (int k : {1, 2, 4, 5, 6})
        EXPECT_TRUE(data.days[static_cast<std::size_t>(k)].entries.empty()) << k;
}

// Week columns and the year so far with its weekly averages: 11-17 March is
// 75 days into the year, 10.71 weeks.
TEST(WeekBinder, totalsOfTheWeekAndOfTheYearSoFar)
{
    ViewLog log = fourSports();
    log.add({.date = "12/30/01", .sportLetter = 'R', .minutes = 600, .distance = 60});  // another year
    log.add({.date = "02/10/02", .sportLetter = 'C', .minutes = 60, .distance = 20});
    log.add({.date = "03/01/02", .sportLetter = 'R', .minutes = 60, .distance = 6});
    log.add({.date = "03/11/02", .sportLetter = 'R', .minutes = 30, .distance = 3});
    log.add({.date = "03/14/02", .sportLetter = 'S', .minutes = 30, .distance = 1500});
    log.add({.date = "03/15/02", .sportLetter = 'W', .minutes = 48});

    const WeekData data = buildWeekData(log.store, weekOf(log.store, kMarch11));
    EXPECT_FLOAT_EQ(data.weeksElapsed, 75.0f / 7.0f);
    ASSERT_EQ(data.totals.size(), 1u);
    EXPECT_EQ(columnTexts(data.totals[0]), (std::vector<std::string>{
                                               "R: 3.0M, 0.5 hr",
                                               "C: 0.0K, 0.0 hr",  // a sport of the year with nothing this week
                                               "S: 1500.0Y, 0.5 hr",
                                               "W: 0.8 hr",
                                           }));
    EXPECT_EQ(columnTexts(data.totals[0], true), (std::vector<std::string>{
                                                     "R: 9.0M (0.8), 1.5 hr (0.1)",
                                                     "C: 20.0K (1.9), 1.0 hr (0.1)",
                                                     "S: 1500.0Y (140.0), 0.5 hr (0.0)",
                                                     "W: 0.8 / 0.1 hr",
                                                 }));
}

TEST(WeekBinder, weeksElapsed_endsAtTheYearsEnd)
{
    struct Row {
        CalendarDate firstDay;
        float weeks;
    };
    for (const Row& row :
         {Row{{2003, 1, 1}, 6.0f / 7.0f}, Row{{2002, 12, 23}, 362.0f / 7.0f}, Row{{2003, 12, 28}, 364.0f / 7.0f},
          Row{{2002, 12, 25}, 364.0f / 7.0f}, Row{{2004, 12, 27}, 365.0f / 7.0f}}) {
        SCOPED_TRACE(row.firstDay.year * 10000 + row.firstDay.month * 100 + row.firstDay.day);
        EXPECT_FLOAT_EQ(weeksElapsedOf(row.firstDay), row.weeks);
    }
}

TEST(WeekBinder, aLongLineIsCutOnlyWhenAnotherCountedLineFollowsOnItsDay)
{
    ViewLog log = fourSports();
    const std::string comment(300, 'x');
    log.add({.date = "03/11/02", .sportLetter = 'R', .minutes = 30, .comment = comment.c_str()});
    log.add({.date = "03/11/02", .sportLetter = 'R', .minutes = 30, .comment = comment.c_str()});
    log.add({.date = "03/12/02", .sportLetter = 'R', .minutes = 30, .comment = comment.c_str()});
    log.add({.date = "03/12/02", .sportLetter = 'R', .minutes = 30, .selected = false});

    const WeekData data = buildWeekData(log.store, weekOf(log.store, kMarch11));
    ASSERT_EQ(data.days[0].entries.size(), 2u);
    EXPECT_EQ(data.days[0].entries[0].text.size(), 256u);
    EXPECT_EQ(data.days[0].entries[1].text.size(), 305u) << "\"R: \", two blanks, 300 characters";
    ASSERT_EQ(data.days[1].entries.size(), 1u);
    EXPECT_EQ(data.days[1].entries[0].text.size(), 305u) << "the next entry does not count";
}

TEST(WeekGrid, fourWeeksWithRowTotals_andNoEmptyWorkouts)
{
    ViewLog log = fourSports();
    log.add({.date = "03/11/02",
             .sportLetter = 'R',
             .minutes = 30,
             .distance = 3,
             .distanceText = "3M",
             .timeText = "30:00",
             .route = "River loop"});
    log.add({.date = "03/12/02", .sportLetter = 'R', .route = "Rest day note"});  // no time, no distance
    log.add({.date = "03/20/02", .sportLetter = 'W', .minutes = 48, .timeText = "48:00"});
    log.add({.date = "04/07/02",
             .sportLetter = 'C',
             .minutes = 60,
             .distance = 20,
             .distanceText = "20K",
             .timeText = "1:00:00"});
    log.add({.date = "04/08/02", .sportLetter = 'C', .minutes = 60, .distance = 20});  // after the four weeks

    const WeekData grid = buildWeekData(log.store, weekOf(log.store, kMarch11, 4));
    EXPECT_TRUE(grid.fourWeeks);
    ASSERT_EQ(grid.days.size(), 28u);
    EXPECT_EQ(grid.days[27].date, (CalendarDate{2002, 4, 7}));
    EXPECT_EQ(entryTexts(grid.days[0]), (std::vector<std::string>{"R: 3M (30:00)"})) << "no route in the grid";
    EXPECT_TRUE(grid.days[1].entries.empty()) << "no time and no distance: not in the grid";
    EXPECT_EQ(entryTexts(grid.days[27]), (std::vector<std::string>{"C: 20K (1:00:00)"}));
    ASSERT_EQ(grid.totals.size(), 4u);
    EXPECT_EQ(columnTexts(grid.totals[0]), (std::vector<std::string>{"R: 3.0M, 0.5 hr"}));
    EXPECT_EQ(columnTexts(grid.totals[1]), (std::vector<std::string>{"W: 0.8 hr"}));
    EXPECT_TRUE(grid.totals[2].empty());
    EXPECT_EQ(columnTexts(grid.totals[3]), (std::vector<std::string>{"C: 20.0K, 1.0 hr"}));

    const WeekData binder = buildWeekData(log.store, weekOf(log.store, kMarch11, 1));
    EXPECT_EQ(entryTexts(binder.days[1]), (std::vector<std::string>{"R:  Rest day note "})) << "the binder shows it";
}

TEST(WeekSelection, showSelectedOnly_leavesOutUnselectedEntries)
{
    ViewLog log = fourSports();
    log.add({.date = "03/11/02", .sportLetter = 'R', .minutes = 30, .distance = 3, .selected = false});
    log.add({.date = "03/12/02", .sportLetter = 'R', .minutes = 60, .distance = 6});
    const WeekData data = buildWeekData(log.store, weekOf(log.store, kMarch11, 1, 1));
    EXPECT_TRUE(data.days[0].entries.empty());
    ASSERT_EQ(data.days[1].entries.size(), 1u);
    EXPECT_FALSE(data.days[1].entries[0].highlighted);
    EXPECT_EQ(columnTexts(data.totals[0]), (std::vector<std::string>{"R: 6.0M, 1.0 hr"}));
}

TEST(WeekSelection, showAll_countsEverythingAndHighlightsTheSelected)
{
    ViewLog log = fourSports();
    log.add({.date = "03/11/02", .sportLetter = 'R', .minutes = 30, .distance = 3, .selected = false});
    log.add({.date = "03/12/02", .sportLetter = 'R', .minutes = 60, .distance = 6});
    const WeekData data = buildWeekData(log.store, weekOf(log.store, kMarch11, 1, 0));
    ASSERT_EQ(data.days[0].entries.size(), 1u);
    EXPECT_FALSE(data.days[0].entries[0].highlighted);
    ASSERT_EQ(data.days[1].entries.size(), 1u);
    EXPECT_TRUE(data.days[1].entries[0].highlighted);
    EXPECT_EQ(columnTexts(data.totals[0]), (std::vector<std::string>{"R: 9.0M, 1.5 hr"}));
}

TEST(WeekSelection, showAllWithEverythingSelected_highlightsNothing)
{
    ViewLog log = fourSports();
    log.add({.date = "03/11/02", .sportLetter = 'R', .minutes = 30, .distance = 3});
    const WeekData data = buildWeekData(log.store, weekOf(log.store, kMarch11, 1, 0));
    ASSERT_EQ(data.days[0].entries.size(), 1u);
    EXPECT_FALSE(data.days[0].entries[0].highlighted);
}

TEST(WeekStart, noWeekChosen_takesTheLastEntrysWeek_orTodaysInAnEmptyLog)
{
    ViewLog log = fourSports();
    WeekRequest request;
    request.today = CalendarDate{2024, 5, 17};
    EXPECT_EQ(buildWeekData(log.store, request).firstDay, (CalendarDate{2024, 5, 13}));
    log.add({.date = "03/01/02", .sportLetter = 'R', .minutes = 30});
    log.add({.date = "03/14/02", .sportLetter = 'R', .minutes = 30});
    const WeekData data = buildWeekData(log.store, request);
    EXPECT_EQ(data.firstDay, kMarch11);
    EXPECT_EQ(data.firstWeek, log.store.entry(1).weekIndex);
}

TEST(WeekStart, theWeekStartPreferenceMovesTheFirstDay)
{
    ViewLog log = fourSports();
    log.store.setWeekStart(3);  // Sunday
    log.add({.date = "03/14/02", .sportLetter = 'R', .minutes = 30});
    WeekRequest request;
    EXPECT_EQ(buildWeekData(log.store, request).firstDay, (CalendarDate{2002, 3, 10}));
    log.store.setWeekStart(2);  // Saturday
    EXPECT_EQ(buildWeekData(log.store, request).firstDay, (CalendarDate{2002, 3, 9}));
}

TEST(SportColours, sixteenFromTheSettings_twoOfOurOwn)
{
    std::array<std::uint32_t, 16> colours{};
    for (std::size_t i = 0; i < colours.size(); ++i)
        colours[i] = 0x010203u * static_cast<std::uint32_t>(i + 1);
    EXPECT_EQ(sportColorBgr(colours, 0), 0x010203u);
    EXPECT_EQ(sportColorBgr(colours, 15), 0x102030u);
    EXPECT_EQ(sportColorBgr(colours, 16), 0x808000u);
    EXPECT_EQ(sportColorBgr(colours, 17), 0x800080u);
    EXPECT_NE(sportColorBgr(colours, 16), sportColorBgr(colours, 17));
}

}  // namespace
