// The calorie estimate: the keyword value reader, the body weight search and
// units, and the estimate by distance or by time.

#include <gtest/gtest.h>

#include <string>

#include "view_log_builder.h"
#include "views/logic/calories.h"

namespace {

struct ValueRow {
    const char* name;
    const char* comment;
    float percentBase;
    float expected;
    bool isTime;
};

class KeywordValue : public ::testing::TestWithParam<ValueRow> {};

TEST_P(KeywordValue, readsTheTextAfterTheEqualsSign)
{
    const ValueRow& row = GetParam();
    bool isTime = false;
    EXPECT_FLOAT_EQ(keywordValue(row.comment, "Wt", row.percentBase, &isTime), row.expected);
    EXPECT_EQ(isTime, row.isTime);
}

INSTANTIATE_TEST_SUITE_P(Rows, KeywordValue,
                         ::testing::Values(ValueRow{"plainNumber", "Easy. Wt=162.5 after", 0, 162.5f, false},
                                           ValueRow{"spacesAndTildesSkipped", "Wt=  ~~150lbs", 0, 150, false},
                                           ValueRow{"percentOfTheBase", "Wt=25%", 80, 20, false},
                                           ValueRow{"percentWithoutBaseIsNothing", "Wt=25%", 0, 0, false},
                                           ValueRow{"colonMakesATime", "Wt=1:30:00", 0, 90, true},
                                           ValueRow{"letterAfterEqualsIsNothing", "Wt=abc", 0, 0, false},
                                           ValueRow{"nothingAfterEquals", "Wt=", 0, 0, false},
                                           ValueRow{"caseMatters", "wt=150", 0, 0, false},
                                           ValueRow{"withoutEqualsNotTaken", "Wt 150, Wt=140", 0, 140, false},
                                           ValueRow{"firstOccurrenceWins", "Wt=150 Wt=140", 0, 150, false},
                                           ValueRow{"atMost31Characters", "Wt=00000000000000000000000000000001", 0, 0,
                                                    false}),
                         [](const ::testing::TestParamInfo<ValueRow>& info) { return std::string(info.param.name); });

TEST(KeywordValue, emptyKeywordReadsNothing)
{
    EXPECT_EQ(keywordValue("Wt=150", "", 0), 0.0f);
}

TEST(BodyWeight, unitsBecomePounds)
{
    EXPECT_NEAR(weightInPounds(68, 1), 149.9128f, 1e-3f);
    EXPECT_FLOAT_EQ(weightInPounds(10, 2), 140.0f);
    EXPECT_FLOAT_EQ(weightInPounds(150, 0), 150.0f);
    EXPECT_FLOAT_EQ(weightInPounds(150, 7), 150.0f);
}

ViewLog weighedLog()
{
    ViewLog log;
    log.sport("Running", 'R', DistanceUnit::Miles, PaceUnit::MinPerMile);
    log.store.sports[1].calorieIndex = 0;
    log.add({.date = "03/01/02", .sportLetter = 'R', .minutes = 30, .distance = 3, .comment = "no weight"});
    log.add({.date = "03/02/02", .sportLetter = 'R', .minutes = 30, .distance = 3, .comment = "Wt=160"});
    log.add({.date = "03/03/02", .sportLetter = 'R', .minutes = 30, .distance = 3, .comment = "Wt=50%"});
    log.add({.date = "03/04/02", .sportLetter = 'R', .minutes = 30, .distance = 3, .comment = "Wt=158"});
    log.add({.date = "03/05/02", .sportLetter = 'R', .minutes = 30, .distance = 3, .comment = ""});
    return log;
}

CalorieSettings runningOnly(float fixedWeight = 0, int units = 0)
{
    return CalorieSettings{"Wt", fixedWeight, units, {{"Running", 0.653f}, {"Default", 0.2f}}};
}

TEST(BodyWeight, searchedBackwardsThenForwards)
{
    ViewLog log = weighedLog();
    const BodyWeights weights(log.store, runningOnly());
    EXPECT_FLOAT_EQ(weights.poundsAt(0), 160.0f);  // none before: the next one
    EXPECT_FLOAT_EQ(weights.poundsAt(1), 160.0f);
    EXPECT_FLOAT_EQ(weights.poundsAt(2), 160.0f);  // "%" reads as 0, the search goes on
    EXPECT_FLOAT_EQ(weights.poundsAt(4), 158.0f);
}

TEST(BodyWeight, noKeywordAnywhereCountsNoCalories)
{
    ViewLog log;
    log.sport("Running", 'R', DistanceUnit::Miles);
    log.store.sports[1].calorieIndex = 0;
    log.add({.date = "03/01/02", .sportLetter = 'R', .minutes = 30, .distance = 3, .comment = "Weight=150"});
    const CalorieSettings settings = runningOnly();
    const BodyWeights weights(log.store, settings);
    EXPECT_EQ(entryCalories(log.store, 0, settings, weights), 0.0f);
}

// A 150-pound athlete: a mile's run by distance, a row by time (its pair is
// "Default"), and a sport linked to no row or to one that has gone.
TEST(EntryCalories, byDistanceOrByTime)
{
    ViewLog log;
    log.sport("Running", 'R', DistanceUnit::Miles).sport("Rowing", 'O', DistanceUnit::Meters);
    log.store.sports[1].calorieIndex = 0;
    log.store.sports[2].calorieIndex = 1;
    log.add({.date = "03/01/02", .sportLetter = 'R', .minutes = 8, .distance = 1});
    log.add({.date = "03/02/02", .sportLetter = 'O', .minutes = 90, .distance = 5000});
    const CalorieSettings settings = runningOnly(150);
    const BodyWeights weights(log.store, settings);
    EXPECT_NEAR(entryCalories(log.store, 0, settings, weights), 97.95f, 1e-3f);
    EXPECT_NEAR(entryCalories(log.store, 1, settings, weights), 150 * 0.2f * 1.5f, 1e-3f);
    for (int row : {-1, 9}) {
        log.store.sports[1].calorieIndex = row;
        EXPECT_EQ(entryCalories(log.store, 0, settings, weights), 0.0f) << row;
    }
}

}  // namespace
