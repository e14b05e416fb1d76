#include "shell/logic/selection.h"

#include <gtest/gtest.h>

#include <cstdio>

#include <string>
#include <utility>
#include <vector>

#include "shell/logic/shell_state.h"
#include "view_log_builder.h"

namespace {

// Running in miles paced min/mile, cycling in miles paced mph, and walking
// without pace units.
ViewLog threeSports()
{
    ViewLog log;
    log.sport("Running", 'R', DistanceUnit::Miles, PaceUnit::MinPerMile)
        .sport("Cycling", 'C', DistanceUnit::Miles, PaceUnit::MilesPerHour)
        .sport("Walking", 'W', DistanceUnit::Miles);
    return log;
}

// Positions of the sport list: sport k is at k + 1.
constexpr int kRunning = 2;
constexpr int kCycling = 3;
constexpr int kWalking = 4;

SelectCriteria criteriaFor(const LogStore& store)
{
    return clearedCriteria(store);
}

std::vector<int> selectedIndexes(const LogStore& store)
{
    std::vector<int> indexes;
    for (std::size_t i = 0; i < store.entryCount; ++i)
        if (store.entry(i).selected != 0)
            indexes.push_back(static_cast<int>(i));
    return indexes;
}

// Runs the action and gives the indexes of the entries selected after it.
std::vector<int> selectedAfter(LogStore& store, const SelectCriteria& criteria,
                               SelectAction action = SelectAction::Select)
{
    runSelect(store, criteria, action);
    return selectedIndexes(store);
}

// One entry per value, all on successive days, of one sport.
ViewLog distances(const std::vector<float>& values, char sport = 'R')
{
    ViewLog log = threeSports();
    int day = 1;
    for (float d : values) {
        char date[32];
        std::snprintf(date, sizeof date, "03/%02d/02", day++);
        log.add({.date = date, .sportLetter = sport, .minutes = 30.0f, .distance = d});
    }
    return log;
}

struct NumberRow {
    const char* name;
    NumberTest test;
    const char* low;
    const char* high;
    std::vector<int> expected;  // indexes into kValues
};

// Entries with these distances (and these minutes for the time rows).
const std::vector<float> kValues = {0.0f, 4.9f, 5.0f, 7.0f, 9.89f, 9.9f, 10.0f, 10.1f, 10.11f};

class DistanceRule : public testing::TestWithParam<NumberRow> {};

TEST_P(DistanceRule, selectsTheEntriesTheOperatorDescribes)
{
    const NumberRow& row = GetParam();
    ViewLog log = distances(kValues);
    SelectCriteria criteria = criteriaFor(log.store);
    criteria.sport = kRunning;
    criteria.distanceTest = row.test;
    criteria.distanceText = row.low;
    criteria.distanceTo = row.high;
    EXPECT_EQ(selectedAfter(log.store, criteria), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Operators, DistanceRule,
    testing::Values(
        NumberRow{
            "approximatelyTenIsNinePointNineToTenPointOneInclusive", NumberTest::Approximately, "10", "", {5, 6, 7}},
        NumberRow{"exactlyTen", NumberTest::Exactly, "10", "", {6}},
        NumberRow{"greaterThanTen", NumberTest::GreaterThan, "10", "", {7, 8}},
        NumberRow{"lessThanFiveNeverTheMissingZero", NumberTest::LessThan, "5", "", {1}},
        NumberRow{"fromFiveToTenExcludesFiveIncludesTen", NumberTest::From, "5", "10", {3, 4, 5, 6}}),
    [](const testing::TestParamInfo<NumberRow>& info) { return std::string(info.param.name); });

TEST(SelectionRules, timeUsesTheSameRulesOnMinutes)
{
    ViewLog log = threeSports();
    for (float minutes : {0.0f, 29.7f, 30.0f, 30.3f, 30.4f})
        log.add({.date = "03/01/02", .sportLetter = 'W', .minutes = minutes});
    SelectCriteria criteria = criteriaFor(log.store);
    criteria.timeTest = NumberTest::Approximately;
    criteria.timeText = "30";
    const SelectResult result = runSelect(log.store, criteria, SelectAction::Select);
    EXPECT_EQ(selectedIndexes(log.store), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(result.normalised.timeText, "30:00");

    criteria.timeTest = NumberTest::LessThan;
    criteria.timeText = "3000";
    EXPECT_EQ(selectedAfter(log.store, criteria), (std::vector<int>{1}));
}

TEST(SelectionRules, readingNormalisesTheFieldsInUseOnly)
{
    ViewLog log = threeSports();
    SelectCriteria criteria = criteriaFor(log.store);
    criteria.sport = kRunning;
    criteria.timeTest = NumberTest::From;
    criteria.timeText = "9000";
    criteria.timeTo = "1:2:3:4";
    criteria.distanceTest = NumberTest::Exactly;
    criteria.distanceText = "~6.2.1x";
    criteria.distanceTo = "7..";  // not in use without From
    criteria.paceTest = PaceTest::Approximately;
    criteria.paceText = "800";
    std::vector<std::string> warnings;
    const CriteriaReading reading =
        readCriteria(criteria, log.store, [&](const std::string& text) { warnings.push_back(text); });
    EXPECT_EQ(reading.normalised.timeText, "1:30:00");
    EXPECT_EQ(reading.normalised.timeTo, "1:02:34");
    EXPECT_EQ(reading.normalised.distanceText, "6.21");
    EXPECT_EQ(reading.normalised.distanceTo, "7..");
    EXPECT_EQ(reading.normalised.paceText, "8:00");
    EXPECT_FLOAT_EQ(reading.rule.distanceLow, 6.21f);
    EXPECT_FLOAT_EQ(reading.rule.paceLow, 0.125f);
    EXPECT_EQ(warnings, (std::vector<std::string>{kTooManyColons, kTooManyPoints}));
}

// Running entries of 30 minutes over these miles: paces 10:00, 8:34, 8:00,
// 7:30, 6:00 per mile; the last has no time.
ViewLog runningPaces()
{
    ViewLog log = threeSports();
    for (float miles : {3.0f, 3.5f, 3.75f, 4.0f, 5.0f})
        log.add({.date = "03/01/02", .sportLetter = 'R', .minutes = 30.0f, .distance = miles});
    log.add({.date = "03/02/02", .sportLetter = 'R', .minutes = 0.0f, .distance = 5.0f});
    return log;
}

struct PaceRow {
    const char* name;
    PaceTest test;
    const char* low;
    const char* high;
    std::vector<int> expected;  // indexes into runningPaces()
};

class RunningPaceRule : public testing::TestWithParam<PaceRow> {};

TEST_P(RunningPaceRule, selectsTheRunsOfThosePaces)
{
    const PaceRow& row = GetParam();
    ViewLog log = runningPaces();
    SelectCriteria criteria = criteriaFor(log.store);
    criteria.sport = kRunning;
    criteria.paceTest = row.test;
    criteria.paceText = row.low;
    criteria.paceTo = row.high;
    EXPECT_EQ(selectedAfter(log.store, criteria), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Operators, RunningPaceRule,
    testing::Values(PaceRow{"fasterThanEightMinutesPerMileSelectsTheQuickerRuns", PaceTest::FasterThan, "8:00", "",
                            {3, 4}},
                    PaceRow{"slowerThanEightMinutesPerMileSelectsTheSlowerRuns", PaceTest::SlowerThan, "8:00", "",
                            {0, 1}},
                    PaceRow{"fromIncludesBothBounds", PaceTest::From, "7:30", "8:00", {2, 3}},
                    // Typed slower pace first, the range is the same.
                    PaceRow{"fromTakesTheBoundsInEitherOrder", PaceTest::From, "8:00", "7:30", {2, 3}}),
    [](const testing::TestParamInfo<PaceRow>& info) { return std::string(info.param.name); });

TEST(SelectionRules, numericPaceFromIncludesBothBounds)
{
    ViewLog log = threeSports();
    // 60 minutes over 20, 25 and 30 miles: 20, 25 and 30 mph.
    for (float miles : {20.0f, 25.0f, 30.0f, 31.0f})
        log.add({.date = "03/01/02", .sportLetter = 'C', .minutes = 60.0f, .distance = miles});
    SelectCriteria criteria = criteriaFor(log.store);
    criteria.sport = kCycling;
    criteria.paceTest = PaceTest::From;
    criteria.paceText = "20";
    criteria.paceTo = "30";
    EXPECT_EQ(selectedAfter(log.store, criteria), (std::vector<int>{0, 1, 2}));
}

TEST(SelectionRules, paceIsIgnoredForASportWithoutPaceUnits)
{
    ViewLog log = distances({3.0f, 4.0f}, 'W');
    SelectCriteria criteria = criteriaFor(log.store);
    criteria.sport = kWalking;
    criteria.paceTest = PaceTest::FasterThan;
    criteria.paceText = "1000";
    EXPECT_EQ(selectedAfter(log.store, criteria), (std::vector<int>{0, 1}));
}

TEST(SelectionRules, textCriteriaIgnoreLetterCase)
{
    ViewLog log = threeSports();
    log.add({.date = "03/01/02", .route = "Around the Park", .comment = "Felt Great"});
    log.add({.date = "03/02/02", .route = "track", .comment = "felt great!"});
    SelectCriteria criteria = criteriaFor(log.store);
    criteria.routeTest = TextTest::Contains;
    criteria.routeText = "park";
    EXPECT_EQ(selectedAfter(log.store, criteria), (std::vector<int>{0}));

    criteria = criteriaFor(log.store);
    criteria.commentTest = TextTest::Exactly;
    criteria.commentText = "FELT GREAT";
    EXPECT_EQ(selectedAfter(log.store, criteria), (std::vector<int>{0}));

    criteria.commentTest = TextTest::Lacks;
    criteria.commentText = "!";
    EXPECT_EQ(selectedAfter(log.store, criteria), (std::vector<int>{0}));
}

TEST(SelectionRules, categoryAndSportMustBothHold)
{
    ViewLog log = threeSports();
    log.add({.date = "03/01/02", .sportLetter = 'R', .kind = 'R'});
    log.add({.date = "03/02/02", .sportLetter = 'C', .kind = 'R'});
    log.add({.date = "03/03/02", .sportLetter = 'R', .kind = 'I'});
    SelectCriteria criteria = criteriaFor(log.store);
    criteria.sport = kRunning;
    criteria.category = 3;
    EXPECT_EQ(selectedAfter(log.store, criteria), (std::vector<int>{0}));
}

ViewLog fourDays()
{
    ViewLog log = threeSports();
    log.add({.date = "03/01/02", .sportLetter = 'R', .selected = true});
    log.add({.date = "03/02/02", .sportLetter = 'C', .selected = false});
    log.add({.date = "03/03/02", .sportLetter = 'R', .selected = true});
    log.add({.date = "03/04/02", .sportLetter = 'C', .selected = true});
    return log;
}

TEST(SelectionRules, selectMoreAndFewerCombineWithTheSelection)
{
    ViewLog log = fourDays();
    SelectCriteria criteria = criteriaFor(log.store);
    criteria.sport = kCycling;
    EXPECT_EQ(selectedAfter(log.store, criteria, SelectAction::SelectMore), (std::vector<int>{0, 1, 2, 3}));

    ViewLog fewer = fourDays();
    const SelectResult result = runSelect(fewer.store, criteria, SelectAction::SelectFewer);
    EXPECT_EQ(selectedIndexes(fewer.store), (std::vector<int>{3}));
    EXPECT_EQ(result.selectedCount, 1);
}

TEST(SelectionRules, selectFewerWithoutCriteriaKeepsTheSelectedWithinTheDates)
{
    ViewLog log = fourDays();
    SelectCriteria criteria = criteriaFor(log.store);
    criteria.toDate = {2002, 3, 3};
    EXPECT_EQ(selectedAfter(log.store, criteria, SelectAction::SelectFewer), (std::vector<int>{0, 2}));
}

TEST(SelectionRules, selectAllAndReverse)
{
    ViewLog log = fourDays();
    EXPECT_EQ(reverseSelection(log.store), 1);
    EXPECT_EQ(selectedIndexes(log.store), (std::vector<int>{1}));
    EXPECT_EQ(selectAllEntries(log.store), 4);
    EXPECT_EQ(selectedIndexes(log.store), (std::vector<int>{0, 1, 2, 3}));
}

ViewLog diary()
{
    ViewLog log = threeSports();
    log.add({.date = "03/01/02", .comment = "new shoes"});
    log.add({.date = "03/02/02", .comment = "NEW SHOES again"});
    log.add({.date = "03/03/02", .comment = "easy"});
    log.add({.date = "03/04/02", .selected = false, .comment = "hard"});
    return log;
}

TEST(SelectionRules, sinceStartsTheRangeAtTheLastEntryWithThePhrase)
{
    ViewLog log = diary();
    SelectCriteria criteria = criteriaFor(log.store);
    criteria.commentTest = TextTest::Since;
    criteria.commentText = "New Shoes";
    const SelectResult result = runSelect(log.store, criteria, SelectAction::Select);
    EXPECT_TRUE(result.phraseFound);
    EXPECT_EQ(selectedIndexes(log.store), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(pageAfterSelect(criteria, log.store, 1).page, static_cast<int>(PageIndex::Totals));
}

TEST(SelectionRules, sinceNotFoundChangesNothing)
{
    ViewLog log = diary();
    SelectCriteria criteria = criteriaFor(log.store);
    criteria.commentTest = TextTest::Since;
    criteria.commentText = "marathon";
    const SelectResult result = runSelect(log.store, criteria, SelectAction::Select);
    EXPECT_FALSE(result.phraseFound);
    EXPECT_EQ(selectedIndexes(log.store), (std::vector<int>{0, 1, 2}));
}

TEST(SelectionRules, sinceIsIgnoredBySelectMore)
{
    ViewLog log = diary();
    SelectCriteria criteria = criteriaFor(log.store);
    criteria.commentTest = TextTest::Since;
    criteria.commentText = "marathon";
    const SelectResult result = runSelect(log.store, criteria, SelectAction::SelectMore);
    EXPECT_TRUE(result.phraseFound);
    EXPECT_EQ(selectedIndexes(log.store), (std::vector<int>{0, 1, 2, 3}));
}

TEST(SelectionRules, dayEntryStepsBackToASelectedOneButNotBelowTheFirst)
{
    ViewLog log = fourDays();
    EXPECT_EQ(dayEntryAfterSelect(log.store, 1), 0);
    EXPECT_EQ(dayEntryAfterSelect(log.store, 3), 3);
    log.store.entry(0).selected = 0;
    EXPECT_EQ(dayEntryAfterSelect(log.store, 1), 0);
    EXPECT_EQ(dayEntryAfterSelect(log.store, -1), -1);
}

TEST(SelectionRules, totalsBecomeTheReturnPageForANonNumericKeyword)
{
    ViewLog log = threeSports();
    log.store.keywords[0].text = "1\tWt\tWeight";
    log.store.keywords[1].text = "7\tsick\tIllness";
    log.store.keywordCount = 2;
    SelectCriteria criteria = criteriaFor(log.store);
    criteria.keyword = 1;
    EXPECT_EQ(pageAfterSelect(criteria, log.store, 3).page, 3);
    criteria.keyword = 2;
    const PageAfterSelect after = pageAfterSelect(criteria, log.store, 3);
    EXPECT_EQ(after.page, 4);
    EXPECT_EQ(after.returnPage, 4);
}

TEST(SelectionRules, keywordFillWritesTheAbbreviation)
{
    ViewLog log = threeSports();
    log.store.keywords[0].text = "2\tHR\tHeart rate";
    log.store.keywords[1].text = "3\tsick\tIllness";
    log.store.keywordCount = 2;
    SelectCriteria numeric = fillFromKeyword(criteriaFor(log.store), log.store, 1);
    EXPECT_EQ(numeric.commentTest, TextTest::Contains);
    EXPECT_EQ(numeric.commentText, "HR=");
    EXPECT_EQ(numeric.keyword, 1);
    EXPECT_EQ(fillFromKeyword(criteriaFor(log.store), log.store, 2).commentText, "sick");
}

TEST(SelectionRules, clearTakesTheDatesOfTheFirstAndLastEntries)
{
    ViewLog log = threeSports();
    log.store.setDateFormat(2);
    log.add({.date = "31/12/99"});
    log.add({.date = "05/01/49"});
    SelectCriteria current;
    current.sport = 2;
    current.timeTest = NumberTest::From;
    current.commentText = "x";
    const SelectCriteria cleared = clearedCriteria(log.store, current);
    EXPECT_EQ(cleared.fromDate, (CalendarDate{1999, 12, 31}));
    EXPECT_EQ(cleared.toDate, (CalendarDate{2049, 1, 5}));
    EXPECT_EQ(cleared.sport, 0);
    EXPECT_EQ(cleared.timeTest, NumberTest::None);
    EXPECT_EQ(cleared.commentText, "");

    ViewLog empty;
    current.fromDate = {2001, 2, 3};
    EXPECT_EQ(clearedCriteria(empty.store, current).fromDate, (CalendarDate{2001, 2, 3}));
}

TEST(SelectionRules, dependentFieldsShowByTheSportAndTheOperators)
{
    ViewLog log = threeSports();
    SelectCriteria criteria = criteriaFor(log.store);
    EXPECT_EQ(selectVisibility(criteria, log.store), (SelectVisibility{}));

    criteria.timeTest = NumberTest::From;
    criteria.distanceTest = NumberTest::From;
    criteria.paceTest = PaceTest::From;
    EXPECT_EQ(selectVisibility(criteria, log.store), (SelectVisibility{.timeTo = true}));

    criteria.sport = kWalking;
    EXPECT_EQ(selectVisibility(criteria, log.store),
              (SelectVisibility{.distanceTest = true, .distanceTo = true, .timeTo = true}));

    criteria.sport = kRunning;
    criteria.distanceTest = NumberTest::Exactly;
    EXPECT_EQ(selectVisibility(criteria, log.store),
              (SelectVisibility{.distanceTest = true, .timeTo = true, .paceTest = true, .paceTo = true}));
    EXPECT_EQ(selectUnitTexts(criteria, log.store).distance, "miles");
    EXPECT_EQ(selectUnitTexts(criteria, log.store).pace, "mpm");
}

TEST(SelectionRules, memorizedRouteFillConvertsTheDistanceIntoTheSportsUnits)
{
    ViewLog log = threeSports();
    log.store.routes[0].text = "Loop\tIR\t10K\t50:00\t8:03\tRiver loop\tTempo\t";
    log.store.routes[1].text = "Spin\tT\t20M\t\t\t\t\t";
    log.store.routeCount = 2;
    const SelectCriteria filled = fillFromMemorizedRoute(criteriaFor(log.store), log.store, 1);
    EXPECT_EQ(filled.route, 1);
    EXPECT_EQ(filled.category, 2);
    EXPECT_EQ(filled.sport, kRunning);
    EXPECT_EQ(log.store.currentSport, 1);
    EXPECT_EQ(filled.distanceTest, NumberTest::Approximately);
    EXPECT_EQ(filled.distanceText, "6.21");
    EXPECT_EQ(filled.timeTest, NumberTest::Approximately);
    EXPECT_EQ(filled.timeText, "50:00");
    EXPECT_EQ(filled.paceTest, PaceTest::None);
    EXPECT_EQ(filled.routeTest, TextTest::Contains);
    EXPECT_EQ(filled.routeText, "River loop");
    EXPECT_EQ(filled.commentTest, TextTest::Contains);
    EXPECT_EQ(filled.commentText, "Tempo");

    // No sport letter: no sport, so the distance is not filled.
    const SelectCriteria spin = fillFromMemorizedRoute(criteriaFor(log.store), log.store, 2);
    EXPECT_EQ(spin.category, 1);
    EXPECT_EQ(spin.sport, 0);
    EXPECT_EQ(spin.distanceTest, NumberTest::None);
    EXPECT_EQ(spin.timeTest, NumberTest::None);
}

}  // namespace
