// The graph's numbers: the scale, the periods and their values for every
// type, the stacked parts, which entries count, and where the graph stands.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "view_log_builder.h"
#include "views/logic/graph_data.h"
#include "views/logic/graph_navigation.h"

namespace {

struct ScaleRow {
    const char* name;
    float vMax;
    float vMin;
    bool based;
    bool hours;
    int base;
    int span;
};

class GraphScaleRows : public ::testing::TestWithParam<ScaleRow> {};

TEST_P(GraphScaleRows, baseAndSpan)
{
    const ScaleRow& row = GetParam();
    const GraphScale scale = graphScale(row.vMax, row.vMin, row.based, row.hours);
    EXPECT_EQ(scale.base, row.base);
    EXPECT_EQ(scale.span, row.span);
}

INSTANTIATE_TEST_SUITE_P(Rows, GraphScaleRows,
                         ::testing::Values(ScaleRow{"nothingIsFive", 5, 99999, false, false, 0, 5},
                                           ScaleRow{"threeHoursIsFive", 180, 99999, false, true, 0, 5},
                                           ScaleRow{"elevenIsTwentyFive", 11, 99999, false, false, 0, 25},
                                           ScaleRow{"twentyFiveStays", 25, 99999, false, false, 0, 25},
                                           ScaleRow{"twentySixIsFifty", 26, 99999, false, false, 0, 50},
                                           ScaleRow{"justAboveFiftyIsAHundred", 50.5f, 99999, false, false, 0, 100},
                                           ScaleRow{"twoFiftyOneIsFiveHundred", 251, 99999, false, false, 0, 500},
                                           ScaleRow{"paceBaseBelowTheFastest", 9.5f, 8.2f, true, false, 8, 5},
                                           ScaleRow{"baseOnTheSmallestMovesDown", 170, 150, true, false, 140, 50},
                                           ScaleRow{"wideRangeStepsByHundreds", 1600, 1000, true, false, 900, 1000},
                                           ScaleRow{"basedWithoutValuesIsZero", 5, 99999, true, false, 0, 5}),
                         [](const ::testing::TestParamInfo<ScaleRow>& info) { return std::string(info.param.name); });

// Weeks start on Monday; 4 March 2002 is a Monday.
constexpr CalendarDate kMarch4{2002, 3, 4};

ViewLog threeSports()
{
    ViewLog log;
    log.sport("Running", 'R', DistanceUnit::Miles, PaceUnit::MinPerMile)
        .sport("Cycling", 'C', DistanceUnit::Kilometers, PaceUnit::KmPerHour)
        .sport("Triathlon", 'T', DistanceUnit::Miles);
    log.store.sports[1].calorieIndex = 0;
    log.store.sports[2].calorieIndex = 1;
    return log;
}

GraphRequest weeksFrom(const LogStore& store, CalendarDate first, int type, int sport, int period = 0)
{
    GraphRequest request;
    request.graphPeriod = period;
    request.type = type;
    request.sport = sport;
    request.firstPeriod = periodOf(first, graphSpan(period).months, store.weekOrigin);
    request.calories = CalorieSettings{"Wt", 150, 0, {{"Running", 0.653f}, {"Cycling", 0.28f}}};
    return request;
}

std::vector<float> values(const GraphData& data)
{
    std::vector<float> v;
    for (const GraphPeriod& period : data.periods)
        v.push_back(printedValue(data.type, period.value));
    return v;
}

TEST(GraphWalk, entriesBeforeAndAfterTheSpanAreLeftOut)
{
    ViewLog log = threeSports();
    log.add({.date = "02/25/02", .sportLetter = 'R', .minutes = 600, .distance = 60});  // the week before
    log.add({.date = "03/05/02", .sportLetter = 'R', .minutes = 60, .distance = 6});    // period 0
    log.add({.date = "03/20/02", .sportLetter = 'R', .minutes = 120, .distance = 12});  // period 2
    log.add({.date = "03/21/02", .sportLetter = 'R', .minutes = 30, .distance = 3});    // period 2
    log.add({.date = "06/03/02", .sportLetter = 'R', .minutes = 900, .distance = 90});  // period 13, after the span
    const GraphData data = buildGraphData(log.store, weeksFrom(log.store, kMarch4, kGraphTime, 1));
    ASSERT_EQ(data.periods.size(), 13u);
    EXPECT_EQ(data.periods[0].firstDay, kMarch4);
    EXPECT_EQ(data.periods[12].firstDay, (CalendarDate{2002, 5, 27}));
    EXPECT_FLOAT_EQ(values(data)[0], 1.0f);
    EXPECT_FALSE(data.periods[1].hasValue);
    EXPECT_FLOAT_EQ(values(data)[2], 2.5f);
    // Neither the week before nor the week after raised the axis.
    EXPECT_EQ(data.axisSpan, 5);
    EXPECT_EQ(data.tickLabels, (std::array<std::string, 5>{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(data.verticalCaption, "Hours");
    EXPECT_EQ(data.horizontalCaption, "Week Starting");
}

TEST(GraphWalk, anEmptyLogHasLabelsButNoScale)
{
    ViewLog log = threeSports();
    const GraphData data = buildGraphData(log.store, weeksFrom(log.store, kMarch4, kGraphTime, 0, 1));
    EXPECT_FALSE(data.hasScale);
    EXPECT_EQ(data.verticalCaption, "");
    ASSERT_EQ(data.labelDays.size(), 13u);
    // 27 weeks: every second week labelled, from the second one.
    EXPECT_EQ(data.labelDays[0], (CalendarDate{2002, 3, 11}));
    EXPECT_EQ(data.labelDays[12], addDays(kMarch4, 7 * 25));
}

// A sport without distance units leaves a blank, not an empty, caption.
TEST(GraphTypes, distanceCaptionOfASportWithoutUnitsIsBlank)
{
    ViewLog log;
    log.sport("Yoga", 'Y');
    log.add({.date = "03/05/02", .sportLetter = 'Y', .minutes = 60, .distance = 5});
    const GraphData data = buildGraphData(log.store, weeksFrom(log.store, kMarch4, kGraphDistance, 1));
    ASSERT_TRUE(data.hasScale);
    EXPECT_EQ(data.verticalCaption, " ");
}

TEST(GraphTypes, distanceWorkoutsAndCaptionsOfOneSport)
{
    ViewLog log = threeSports();
    log.add({.date = "03/05/02", .sportLetter = 'C', .minutes = 60, .distance = 30});
    log.add({.date = "03/06/02", .sportLetter = 'C', .minutes = 0, .distance = 0});  // no workout
    log.add({.date = "03/07/02", .sportLetter = 'C', .minutes = 0, .distance = 12});
    log.add({.date = "03/08/02", .sportLetter = 'R', .minutes = 30, .distance = 3});  // another sport
    GraphData distance = buildGraphData(log.store, weeksFrom(log.store, kMarch4, kGraphDistance, 2));
    EXPECT_FLOAT_EQ(distance.periods[0].value, 42.0f);
    EXPECT_EQ(distance.verticalCaption, "km");
    EXPECT_EQ(distance.axisSpan, 50);
    GraphData workouts = buildGraphData(log.store, weeksFrom(log.store, kMarch4, kGraphWorkouts, 2));
    EXPECT_FLOAT_EQ(workouts.periods[0].value, 2.0f);
    EXPECT_EQ(workouts.verticalCaption, "# Workouts");
}

TEST(GraphTypes, paceOfThePeriodsSumsWithTimeLabels)
{
    ViewLog log = threeSports();
    log.add({.date = "03/05/02", .sportLetter = 'R', .minutes = 40, .distance = 5});
    log.add({.date = "03/06/02", .sportLetter = 'R', .minutes = 50, .distance = 5});
    log.add({.date = "03/07/02", .sportLetter = 'R', .minutes = 30, .distance = 0});  // no pace: left out
    log.add({.date = "03/12/02", .sportLetter = 'R', .minutes = 70, .distance = 10});
    const GraphData data = buildGraphData(log.store, weeksFrom(log.store, kMarch4, kGraphPace, 1));
    EXPECT_FLOAT_EQ(data.periods[0].value, 9.0f);
    EXPECT_FLOAT_EQ(data.periods[1].value, 7.0f);
    EXPECT_FALSE(data.periods[2].hasValue);
    // The empty weeks do not pull the base down to 0.
    EXPECT_EQ(data.base, 6);
    EXPECT_EQ(data.axisSpan, 5);
    EXPECT_EQ(data.tickLabels, (std::array<std::string, 5>{"7:00", "8:00", "9:00", "10:00", "11:00"}));
    EXPECT_EQ(data.verticalCaption, "Average Pace");
}

TEST(GraphTypes, caloriesInThousands)
{
    ViewLog log = threeSports();
    log.add({.date = "03/05/02", .sportLetter = 'R', .minutes = 8, .distance = 1});
    const GraphData data = buildGraphData(log.store, weeksFrom(log.store, kMarch4, kGraphCalories, 1));
    EXPECT_NEAR(data.periods[0].value, 0.09795f, 1e-6f);
    EXPECT_EQ(data.verticalCaption, "kCalories Burned");
}

TEST(GraphTypes, stackedPartsPerSportLeaveOutMultiSportAndUnselected)
{
    ViewLog log = threeSports();
    log.add({.date = "03/05/02", .sportLetter = 'R', .minutes = 60, .distance = 6});
    log.add({.date = "03/06/02", .sportLetter = 'C', .minutes = 90, .distance = 40});
    log.add({.date = "03/07/02", .sportLetter = 'T', .minutes = 120, .distance = 20});
    log.add({.date = "03/08/02", .sportLetter = 'C', .minutes = 300, .distance = 90, .selected = false});
    const GraphData data = buildGraphData(log.store, weeksFrom(log.store, kMarch4, kGraphTime, 0));
    ASSERT_TRUE(data.stacked);
    const GraphPeriod& week = data.periods[0];
    EXPECT_FLOAT_EQ(week.value, 150.0f);
    EXPECT_FLOAT_EQ(sportPartValue(kGraphTime, week.sums[1]), 60.0f);
    EXPECT_FLOAT_EQ(sportPartValue(kGraphTime, week.sums[2]), 90.0f);
    EXPECT_FLOAT_EQ(sportPartValue(kGraphTime, week.sums[3]), 0.0f);
    const GraphData count = buildGraphData(log.store, weeksFrom(log.store, kMarch4, kGraphWorkouts, 0));
    EXPECT_FLOAT_EQ(count.periods[0].value, 2.0f);
}

ViewLog keywordLog(const char* kind)
{
    ViewLog log = threeSports();
    log.store.keywords[0].text = std::string(kind) + "\tHR\tAverage heart rate";
    log.store.keywords[1].text = "2\tSwim\tSwim time";
    log.store.keywordCount = 2;
    log.add({.date = "03/05/02", .sportLetter = 'R', .minutes = 40, .comment = "HR=150"});
    log.add({.date = "03/06/02", .sportLetter = 'C', .minutes = 40, .comment = "HR=170 Swim=1:30:00"});
    log.add({.date = "03/07/02", .sportLetter = 'R', .minutes = 40, .comment = "no value"});
    log.add({.date = "03/08/02", .sportLetter = ' ', .minutes = 40, .comment = "HR=160 Swim=30:00"});
    return log;
}

TEST(GraphKeywords, sumsOverEverySportIncludingNone)
{
    ViewLog log = keywordLog("2");
    const GraphData data = buildGraphData(log.store, weeksFrom(log.store, kMarch4, kGraphFirstKeyword, 0));
    EXPECT_FALSE(data.stacked);
    EXPECT_FLOAT_EQ(data.periods[0].value, 480.0f);
    EXPECT_EQ(data.base, 0);
    EXPECT_EQ(data.verticalCaption, "");
    EXPECT_EQ(data.tickLabels[4], "500");
}

TEST(GraphKeywords, averagedKeywordOfOneSport)
{
    ViewLog log = keywordLog("1");
    const GraphData all = buildGraphData(log.store, weeksFrom(log.store, kMarch4, kGraphFirstKeyword, 0));
    EXPECT_FLOAT_EQ(all.periods[0].value, 160.0f);
    EXPECT_EQ(all.base, 160);  // one value, no range: the base stands on it
    const GraphData running = buildGraphData(log.store, weeksFrom(log.store, kMarch4, kGraphFirstKeyword, 1));
    EXPECT_FLOAT_EQ(running.periods[0].value, 150.0f);
}

TEST(GraphKeywords, timeValuesGiveTimeLabels)
{
    ViewLog log = keywordLog("2");
    const GraphData data = buildGraphData(log.store, weeksFrom(log.store, kMarch4, kGraphFirstKeyword + 1, 0));
    EXPECT_FLOAT_EQ(data.periods[0].value, 120.0f);
    EXPECT_EQ(data.axisSpan, 250);
    EXPECT_EQ(data.tickLabels[0], "50:00");
    EXPECT_EQ(data.tickLabels[4], "4:10:00");
}

// ---- Navigation -----------------------------------------------------------

ViewLog spreadLog()
{
    ViewLog log = threeSports();
    log.add({.date = "01/02/02", .sportLetter = 'R', .minutes = 30});
    log.add({.date = "06/12/02", .sportLetter = 'R', .minutes = 30});
    log.add({.date = "12/18/02", .sportLetter = 'R', .minutes = 30});
    return log;
}

TEST(GraphNavigation, firstPlacementEndsAtTheCurrentOrLastEntry)
{
    ViewLog log = spreadLog();
    const LogStore& store = log.store;
    GraphFirsts firsts;
    const int last = weekIndexOf({2002, 12, 18}, store.weekOrigin);
    EXPECT_EQ(graphFirstPeriod(firsts, store, -1, 0, {2024, 1, 1}), last - 12);
    EXPECT_EQ(firsts.month, -1);
    firsts = {};
    EXPECT_EQ(graphFirstPeriod(firsts, store, 1, 4, {2024, 1, 1}), monthIndexOf({2002, 6, 1}) - 11);
    ViewLog empty = threeSports();
    firsts = {};
    EXPECT_EQ(graphFirstPeriod(firsts, empty.store, -1, 5, {2024, 1, 9}), monthIndexOf({2024, 1, 1}) - 24);
}

TEST(GraphNavigation, arrowsAndPicker)
{
    ViewLog log = spreadLog();
    const CalendarDate& origin = log.store.weekOrigin;
    GraphFirsts firsts;
    pickGraphDate(firsts, {2002, 6, 12}, origin);
    EXPECT_EQ(firsts.week, weekIndexOf({2002, 6, 10}, origin));
    EXPECT_EQ(firsts.month, monthIndexOf({2002, 6, 1}));
    stepGraph(firsts, 4, -1, origin);
    EXPECT_EQ(firsts.month, monthIndexOf({2002, 5, 1}));
    stepGraph(firsts, 0, 1, origin);
    EXPECT_EQ(firsts.week, weekIndexOf({2002, 6, 17}, origin));
    // The calendar ends at 1950 and 2049.
    pickGraphDate(firsts, {1949, 6, 1}, origin);
    stepGraph(firsts, 0, -1, origin);
    EXPECT_EQ(firsts.week, 0);
}

TEST(GraphNavigation, changingBetweenWeeksAndMonthsKeepsAboutTheEnd)
{
    ViewLog log = spreadLog();
    const CalendarDate& origin = log.store.weekOrigin;
    GraphFirsts firsts;
    pickGraphDate(firsts, {2002, 3, 4}, origin);
    changeGraphPeriod(firsts, log.store, 0, 4, {2002, 3, 4});  // 13 weeks to 12 months
    EXPECT_EQ(firsts.month, monthIndexOf({2002, 3, 1}) + 13 / 4 - 12 + 1);
    pickGraphDate(firsts, {2002, 3, 4}, origin);
    changeGraphPeriod(firsts, log.store, 5, 1, {2002, 3, 1});  // 25 months to 27 weeks
    EXPECT_EQ(firsts.week, weekIndexOf({2002, 3, 1}, origin) + (25 * 53 - 53) / 12 - 27 + 1);
}

TEST(GraphNavigation, longerAndShorterSpans)
{
    ViewLog log = spreadLog();
    const CalendarDate& origin = log.store.weekOrigin;
    const int lastWeek = weekIndexOf({2002, 12, 18}, origin);
    GraphFirsts firsts;
    firsts.week = weekIndexOf({2002, 1, 2}, origin);
    changeGraphPeriod(firsts, log.store, 0, 1, {});  // longer, still before the last entry
    EXPECT_EQ(firsts.week, weekIndexOf({2002, 1, 2}, origin));
    changeGraphPeriod(firsts, log.store, 1, 3, {});  // longer, would run past it
    EXPECT_EQ(firsts.week, lastWeek - 111 + 1);
    changeGraphPeriod(firsts, log.store, 3, 0, {});  // shorter: the end stays
    EXPECT_EQ(firsts.week, lastWeek - 13 + 1);
}

}  // namespace
