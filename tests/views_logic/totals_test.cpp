// The totals report: its lines, blocks, year summaries and tags for each
// period, which entries count and how the pace column is found.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "view_log_builder.h"
#include "views/logic/totals.h"

namespace {

std::vector<std::string> textsOf(const std::vector<TotalsLine>& lines)
{
    std::vector<std::string> texts;
    for (const TotalsLine& line : lines)
        texts.push_back(line.text);
    return texts;
}

std::vector<int> tagsOf(const std::vector<TotalsLine>& lines)
{
    std::vector<int> tags;
    for (const TotalsLine& line : lines)
        tags.push_back(line.tag);
    return tags;
}

int weekOf(const LogStore& store, int entry)
{
    return store.entry(static_cast<std::size_t>(entry)).weekIndex;
}

// Running in miles and minutes per mile, cycling in kilometres and km/h.
ViewLog runAndRide()
{
    ViewLog log;
    log.sport("Running", 'R', DistanceUnit::Miles, PaceUnit::MinPerMile)
        .sport("Cycling", 'C', DistanceUnit::Kilometers, PaceUnit::KmPerHour);
    return log;
}

TEST(TotalsWeek, aWeekAcrossNewYear_summarisesTheOldYearBeforeTheWeeksLines)
{
    ViewLog log = runAndRide();
    log.add({.date = "12/23/02", .sportLetter = 'C', .minutes = 90, .distance = 30});
    log.add({.date = "12/30/02", .sportLetter = 'R', .minutes = 30, .distance = 3});
    log.add({.date = "01/02/03", .sportLetter = 'R', .minutes = 60, .distance = 6});

    const std::vector<TotalsLine> lines = buildTotals(log.store, TotalPeriod::Week, englishMonthLabel);
    const std::vector<std::string> expected = {
        "  12/23/02   Cycling             1     1.5      30.0      20.0 ",
        "    2002     Running             1     0.5       3.0     10:00 ",
        "             Cycling             1     1.5      30.0      20.0 ",
        "                        Total    2     2.0                     ",
        "  12/30/02   Running             2     1.5       9.0     10:00 ",
        "    2003     Running             1     1.0       6.0     10:00 ",
    };
    EXPECT_EQ(textsOf(lines), expected);
    const std::vector<int> tags = {weekOf(log.store, 0), 0, 0, 0, weekOf(log.store, 1), 0};
    EXPECT_EQ(tagsOf(lines), tags);
    EXPECT_EQ(weekOf(log.store, 1), weekOf(log.store, 2)) << "both entries lie in one week";
}

TEST(TotalsWeek, weekLabelsFollowTheDateFormat_andEmptyWeeksWriteNothing)
{
    ViewLog log = runAndRide();
    log.store.setDateFormat(2);
    log.add({.date = "06/01/03", .sportLetter = 'R', .minutes = 30, .distance = 3});  // Monday 6 January
    log.add({.date = "27/01/03", .sportLetter = 'R', .minutes = 30, .distance = 3});
    const std::vector<std::string> texts = textsOf(buildTotals(log.store, TotalPeriod::Week, englishMonthLabel));
    ASSERT_EQ(texts.size(), 3u) << "two weeks with entries, the two between them write nothing, one year line";
    EXPECT_EQ(texts[0].substr(0, 10), "  06/01/03");
    EXPECT_EQ(texts[1].substr(0, 10), "  27/01/03");
    EXPECT_EQ(texts[2].substr(0, 10), "    2003  ");
}

TEST(TotalsMonth, aMonthWithoutEntriesShowsOnlyItsTotal_labelsOnTheLeft)
{
    ViewLog log = runAndRide();
    log.add({.date = "01/05/03", .sportLetter = 'R', .minutes = 30, .distance = 3});
    log.add({.date = "03/10/03", .sportLetter = 'R', .minutes = 48, .distance = 6});
    log.add({.date = "03/12/03", .sportLetter = 'C', .minutes = 60, .distance = 20});

    const std::vector<TotalsLine> lines = buildTotals(log.store, TotalPeriod::Month, englishMonthLabel);
    const std::vector<std::string> expected = {
        "   Jan 03    Running             1     0.5       3.0     10:00 ",
        "   Feb 03               Total    0     0.0                     ",
        "   Mar 03    Running             1     0.8       6.0      8:00 ",
        "             Cycling             1     1.0      20.0      20.0 ",
        "                        Total    2     1.8                     ",
        "    2003     Running             2     1.3       9.0      8:40 ",
        "             Cycling             1     1.0      20.0      20.0 ",
        "                        Total    3     2.3                     ",
    };
    EXPECT_EQ(textsOf(lines), expected);
    const int january = log.store.entry(0).monthIndex;
    const std::vector<int> tags = {january, january + 1, january + 2, january + 2, january + 2, 0, 0, 0};
    EXPECT_EQ(tagsOf(lines), tags);
}

TEST(TotalsMonth, monthLabelsComeFromTheGivenFunction)
{
    ViewLog log = runAndRide();
    log.add({.date = "03/10/03", .sportLetter = 'R', .minutes = 48, .distance = 6});
    std::vector<std::pair<int, int>> asked;
    auto label = [&asked](int year, int month) {
        asked.emplace_back(year, month);
        return std::string("   mars 03");
    };
    const std::vector<std::string> texts = textsOf(buildTotals(log.store, TotalPeriod::Month, label));
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].substr(0, 13), "   mars 03   ");
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{2003, 3}}));
}

TEST(TotalsMonth, englishLabels)
{
    EXPECT_EQ(englishMonthLabel(2002, 3), "   Mar 02");
    EXPECT_EQ(englishMonthLabel(1999, 12), "   Dec 99");
    EXPECT_EQ(englishMonthLabel(2000, 1), "   Jan 00");
}

// After each December the year is summed up; Month mode tags it 0, Year mode
// with the year, and Year mode writes no month lines.
TEST(TotalsYear, yearBlocksAfterDecemberAndAtTheEnd)
{
    ViewLog log = runAndRide();
    log.add({.date = "11/20/02", .sportLetter = 'R', .minutes = 30, .distance = 3});
    log.add({.date = "12/05/02", .sportLetter = 'R', .minutes = 30, .distance = 3});
    log.add({.date = "01/10/03", .sportLetter = 'C', .minutes = 60, .distance = 20});

    const std::vector<TotalsLine> years = buildTotals(log.store, TotalPeriod::Year, englishMonthLabel);
    const std::vector<std::string> expected = {
        "    2002     Running             2     1.0       6.0     10:00 ",
        "    2003     Cycling             1     1.0      20.0      20.0 ",
    };
    EXPECT_EQ(textsOf(years), expected);
    EXPECT_EQ(tagsOf(years), (std::vector<int>{2002, 2003}));

    const std::vector<TotalsLine> months = buildTotals(log.store, TotalPeriod::Month, englishMonthLabel);
    ASSERT_EQ(months.size(), 5u);
    EXPECT_EQ(months[2].text, expected[0]) << "the 2002 summary follows December";
    EXPECT_EQ(months[4].text, expected[1]);
    const int november = log.store.entry(0).monthIndex;
    EXPECT_EQ(tagsOf(months), (std::vector<int>{november, november + 1, 0, november + 2, 0}));
}

TEST(TotalsBlocks, oneSportLine_hasNoTotalLine)
{
    ViewLog log = runAndRide();
    log.add({.date = "03/10/03", .sportLetter = 'R', .minutes = 48, .distance = 6});
    for (TotalPeriod period : {TotalPeriod::Week, TotalPeriod::Month, TotalPeriod::Year}) {
        SCOPED_TRACE(static_cast<int>(period));
        for (const std::string& text : textsOf(buildTotals(log.store, period, englishMonthLabel)))
            EXPECT_EQ(text.find("Total"), std::string::npos) << text;
    }
}

TEST(TotalsBlocks, multiSportEvents_areNeverListedNorCounted)
{
    ViewLog log;
    log.sport("Running", 'R', DistanceUnit::Miles, PaceUnit::MinPerMile)
        .sport("Triathlon", 'X', DistanceUnit::Miles, PaceUnit::MinPerMile)
        .sport("Duatlon", 'D', DistanceUnit::Miles)
        .sport("TRIATHLON", 'U');  // the rule is case-sensitive
    log.add({.date = "01/06/03", .sportLetter = 'R', .minutes = 30, .distance = 3});
    log.add({.date = "01/07/03", .sportLetter = 'X', .minutes = 120, .distance = 20});
    log.add({.date = "01/08/03", .sportLetter = 'D', .minutes = 60, .distance = 10});
    log.add({.date = "01/09/03", .sportLetter = 'U', .minutes = 90});

    const std::vector<std::string> texts = textsOf(buildTotals(log.store, TotalPeriod::Week, englishMonthLabel));
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts[0].substr(13, 16), "Running         ");
    EXPECT_EQ(texts[1].substr(13, 16), "TRIATHLON       ");
    EXPECT_EQ(texts[2], "                        Total    2     2.0                     ");
    EXPECT_EQ(texts[5], texts[2]) << "the year summary leaves them out too";
}

TEST(TotalsBlocks, multiSportNames)
{
    struct Row {
        const char* name;
        bool multi;
    };
    for (const Row& row :
         {Row{"Triathlon", true}, Row{"Biathlon", true}, Row{"Duatlon", true}, Row{"Half Ironman athlon", true},
          Row{"TRIATHLON", false}, Row{"Atlon", false}, Row{"Running", false}, Row{"Decathlete", false}}) {
        SportDef sport;
        sport.name = row.name;
        EXPECT_EQ(isMultiSport(sport), row.multi) << row.name;
    }
}

TEST(TotalsBlocks, sportZero_isNeverListed)
{
    ViewLog log = runAndRide();
    log.add({.date = "01/06/03", .sportLetter = ' ', .minutes = 60, .distance = 5});
    log.add({.date = "01/07/03", .sportLetter = 'R', .minutes = 30, .distance = 3});
    for (TotalPeriod period : {TotalPeriod::Week, TotalPeriod::Month, TotalPeriod::Year}) {
        SCOPED_TRACE(static_cast<int>(period));
        const std::vector<std::string> texts = textsOf(buildTotals(log.store, period, englishMonthLabel));
        for (const std::string& text : texts) {
            EXPECT_EQ(text.find("None"), std::string::npos) << text;
            EXPECT_EQ(text.find("Total"), std::string::npos) << "one sport line, no total: " << text;
        }
        EXPECT_FALSE(texts.empty());
    }
}

TEST(TotalsBlocks, onlySelectedEntriesCount)
{
    ViewLog log = runAndRide();
    log.add({.date = "01/06/03", .sportLetter = 'R', .minutes = 30, .distance = 3});
    log.add({.date = "01/07/03", .sportLetter = 'R', .minutes = 60, .distance = 6, .selected = false});
    log.add({.date = "01/08/03", .sportLetter = 'C', .minutes = 60, .distance = 20, .selected = false});
    const std::vector<std::string> expected = {
        "  01/06/03   Running             1     0.5       3.0     10:00 ",
        "    2003     Running             1     0.5       3.0     10:00 ",
    };
    EXPECT_EQ(textsOf(buildTotals(log.store, TotalPeriod::Week, englishMonthLabel)), expected);
}

// The average pace takes only entries with both a time and a distance; the
// hours and the distance take every entry; an entry with neither is no workout.
TEST(TotalsBlocks, paceColumnComesFromThePacedSums)
{
    ViewLog log = runAndRide();
    log.add({.date = "01/06/03", .sportLetter = 'R', .minutes = 30});
    log.add({.date = "01/07/03", .sportLetter = 'R', .minutes = 40, .distance = 5});
    log.add({.date = "01/08/03", .sportLetter = 'R', .distance = 3});
    log.add({.date = "01/09/03", .sportLetter = 'R'});
    const std::vector<std::string> expected = {
        "  01/06/03   Running             3     1.2       8.0      8:00 ",
        "    2003     Running             3     1.2       8.0      8:00 ",
    };
    EXPECT_EQ(textsOf(buildTotals(log.store, TotalPeriod::Week, englishMonthLabel)), expected);
}

TEST(TotalsBlocks, paceText_byPaceUnit)
{
    struct Row {
        const char* name;
        DistanceUnit distance;
        PaceUnit pace;
        float minutes;
        float pacedDistance;
        const char* text;
    };
    const Row rows[] = {
        {"no pace unit", DistanceUnit::Miles, PaceUnit::None, 40, 5, ""},
        {"minutes per mile", DistanceUnit::Miles, PaceUnit::MinPerMile, 40, 5, "8:00"},
        {"minutes per km from miles", DistanceUnit::Miles, PaceUnit::MinPerKm, 48.28032f, 6, "5:00"},
        {"miles per hour", DistanceUnit::Miles, PaceUnit::MilesPerHour, 60, 15, "15.0"},
        {"km per hour", DistanceUnit::Kilometers, PaceUnit::KmPerHour, 90, 30, "20.0"},
        {"seconds per 100 yards", DistanceUnit::Yards, PaceUnit::SecPer100Yards, 30, 2000, "90.0"},
        {"seconds per 100 meters", DistanceUnit::Meters, PaceUnit::SecPer100Meters, 40, 2000, "120.0"},
        {"no paced distance, duration", DistanceUnit::Miles, PaceUnit::MinPerMile, 40, 0, "00"},
        {"no paced distance, speed", DistanceUnit::Kilometers, PaceUnit::KmPerHour, 40, 0, "0.0"},
    };
    for (const Row& row : rows) {
        SportDef sport;
        sport.distanceUnits = row.distance;
        sport.paceUnits = row.pace;
        SportTotals sums;
        sums.pacedMinutes = row.minutes;
        sums.pacedDistance = row.pacedDistance;
        EXPECT_EQ(totalsPaceText(sport, sums), row.text) << row.name;
    }
}

TEST(TotalsBlocks, entriesWithNeitherTimeNorDistance_areNoWorkouts)
{
    ViewLog log = runAndRide();
    log.add({.date = "01/06/03", .sportLetter = 'R'});
    EXPECT_TRUE(buildTotals(log.store, TotalPeriod::Week, englishMonthLabel).empty());
    EXPECT_EQ(textsOf(buildTotals(log.store, TotalPeriod::Month, englishMonthLabel)),
              (std::vector<std::string>{"   Jan 03               Total    0     0.0                     "}));
}

TEST(TotalsBlocks, emptyLog_givesNoLines)
{
    ViewLog log = runAndRide();
    for (TotalPeriod period : {TotalPeriod::Week, TotalPeriod::Month, TotalPeriod::Year})
        EXPECT_TRUE(buildTotals(log.store, period, englishMonthLabel).empty());
}

}  // namespace
