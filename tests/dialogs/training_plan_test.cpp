#include <gtest/gtest.h>

#include "shell/logic/training_plan.h"

namespace {

struct PlanRow {
    const char* name;
    CalendarDate picked;
    int planLength;
    PlanAnchor anchor;
    CalendarDate lastDay;
};

class PlanLastDay : public ::testing::TestWithParam<PlanRow> {};

TEST_P(PlanLastDay, isThePlansFinalDate)
{
    const PlanRow& row = GetParam();
    EXPECT_EQ(planLastDay(row.picked, row.planLength, row.anchor), row.lastDay);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PlanLastDay,
    ::testing::Values(PlanRow{"weekStartedMonday", {2004, 10, 4}, 6, PlanAnchor::StartingDate, {2004, 10, 10}},
                      PlanRow{"weekEndingSunday", {2004, 10, 10}, 6, PlanAnchor::EndingDate, {2004, 10, 10}},
                      PlanRow{
                          "fourWeeksThroughLeapFebruary", {2004, 3, 1}, 27, PlanAnchor::StartingDate, {2004, 3, 28}},
                      PlanRow{"crossesTheLeapDay", {2004, 2, 20}, 13, PlanAnchor::StartingDate, {2004, 3, 4}},
                      PlanRow{"crossesTheYear", {2004, 12, 20}, 20, PlanAnchor::StartingDate, {2005, 1, 9}},
                      PlanRow{"oneDayFromItsStart", {2004, 5, 17}, 0, PlanAnchor::StartingDate, {2004, 5, 17}},
                      PlanRow{"oneDayFromItsEnd", {2004, 5, 17}, 0, PlanAnchor::EndingDate, {2004, 5, 17}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TrainingPlanQuestion, namesTheDayCountOneMoreThanThePlanLength)
{
    EXPECT_EQ(trainingPlanQuestion(6),
              "The file you have opened is a 7-day training program. Please enter either the starting day of the "
              "plan, or the ending day (such as the date of the race it finishes with):");
    EXPECT_NE(trainingPlanQuestion(27).find("a 28-day training program."), std::string::npos);
    EXPECT_NE(trainingPlanQuestion(0).find("a 1-day training program."), std::string::npos);
}

}  // namespace
