#include <gtest/gtest.h>

#include "rules_test_support.h"
#include "scripted_prompt.h"
#include "shell/logic/preferences_rules.h"

namespace {

using dialogtest::addEntryOn;

struct ChoiceRow {
    const char* name;
    EditablePreferences values;
    std::array<int, 4> twoWay;
    int week;
};

class ChoicesOfValues : public ::testing::TestWithParam<ChoiceRow> {};

TEST_P(ChoicesOfValues, checksTheButtonOfEachValue)
{
    const PreferenceChoices choices = choicesOf(GetParam().values);
    EXPECT_EQ(choices.twoWay, GetParam().twoWay);
    EXPECT_EQ(choices.week, GetParam().week);
}

INSTANTIATE_TEST_SUITE_P(Rows, ChoicesOfValues,
                         ::testing::Values(ChoiceRow{"allFirst", {1, 1, 1, 1, 1}, {0, 0, 0, 0}, 0},
                                           ChoiceRow{"allSecond", {2, 2, 2, 2, 2}, {1, 1, 1, 1}, 1},
                                           ChoiceRow{"mixedSunday", {2, 1, 2, 1, 3}, {1, 0, 1, 0}, 2},
                                           // Any value but 1 shows the second button of a pair.
                                           ChoiceRow{"strayValuesShowSecond", {0, 7, -1, 3, 1}, {1, 1, 1, 1}, 0},
                                           ChoiceRow{"weekStartZeroChecksNoDay", {1, 1, 1, 1, 0}, {0, 0, 0, 0}, -1},
                                           ChoiceRow{"weekStartFourChecksNoDay", {1, 1, 1, 1, 4}, {0, 0, 0, 0}, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PreferencesFromChoices, firstButtonsGiveOneAndSecondGiveTwo)
{
    PreferenceChoices choices;
    choices.twoWay = {0, 1, 1, 0};
    choices.week = 1;
    const EditablePreferences values = preferencesFrom(choices);
    EXPECT_EQ(values.closeAction, 1);
    EXPECT_EQ(values.backupCopy, 2);
    EXPECT_EQ(values.distanceConversion, 2);
    EXPECT_EQ(values.dateFormat, 1);
    EXPECT_EQ(values.weekStart, 2);
}

TEST(PreferencesFromChoices, weekWithoutCheckedDayIsSunday)
{
    PreferenceChoices choices;
    choices.week = -1;
    EXPECT_EQ(preferencesFrom(choices).weekStart, 3);
    choices.week = 0;
    EXPECT_EQ(preferencesFrom(choices).weekStart, 1);
}

TEST(ApplyPreferences, unchangedValuesStillMarkTheLogModified)
{
    auto store = std::make_unique<LogStore>();
    addEntryOn(*store, "03/21/02");
    store->modified = false;
    ScriptedPrompt prompt;

    const PreferenceChanges changes = applyPreferences(*store, editablePreferences(*store), prompt);

    EXPECT_TRUE(store->modified);
    EXPECT_FALSE(changes.dateFormatChanged);
    EXPECT_FALSE(changes.weekStartChanged);
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_EQ(store->entry(0).dateText.str(), "03/21/02");
}

TEST(ApplyPreferences, storesTheThreeOtherValues)
{
    auto store = std::make_unique<LogStore>();
    ScriptedPrompt prompt;
    EditablePreferences values = editablePreferences(*store);
    values.closeAction = 2;
    values.backupCopy = 2;
    values.distanceConversion = 2;

    applyPreferences(*store, values, prompt);

    EXPECT_EQ(store->preferences.closeAction(), 2);
    EXPECT_EQ(store->preferences.backupCopy(), 2);
    EXPECT_EQ(store->preferences.distanceConversion(), 2);
    EXPECT_EQ(store->preferences.dateFormatValue(), 1);
    EXPECT_EQ(store->preferences.weekStart(), 1);
}

TEST(ApplyPreferences, dateFormatSwitchedTwiceRestoresEveryDateText)
{
    auto store = std::make_unique<LogStore>();
    addEntryOn(*store, "03/21/02");
    addEntryOn(*store, "12/05/04");
    const std::uint32_t firstKey = store->entry(0).dateKey;
    ScriptedPrompt prompt;
    EditablePreferences values = editablePreferences(*store);

    values.dateFormat = 2;
    const PreferenceChanges first = applyPreferences(*store, values, prompt);
    EXPECT_TRUE(first.dateFormatChanged);
    EXPECT_EQ(store->entry(0).dateText.str(), "21/03/02");
    EXPECT_EQ(store->entry(1).dateText.str(), "05/12/04");
    EXPECT_EQ(store->entry(0).dateKey, firstKey);
    EXPECT_EQ(store->preferences.dateFormatValue(), 2);

    values.dateFormat = 1;
    applyPreferences(*store, values, prompt);
    EXPECT_EQ(store->entry(0).dateText.str(), "03/21/02");
    EXPECT_EQ(store->entry(1).dateText.str(), "12/05/04");

    ASSERT_EQ(prompt.lines().size(), 2u);
    EXPECT_EQ(prompt.lines()[0],
              "Orvanta Warning: You have changed the date format; all entries in the log will now be reformatted!");
    EXPECT_EQ(prompt.shown[0].buttons, UserPrompt::Buttons::Ok);
    EXPECT_EQ(prompt.lines()[1], prompt.lines()[0]);
}

TEST(ApplyPreferences, weekStartSundayToMondayMovesASundayIntoThePreviousWeek)
{
    auto store = std::make_unique<LogStore>();
    store->preferences.values[4] = 3;
    store->weekOrigin = weekOriginFor(3);
    addEntryOn(*store, "10/09/04", "Saturday");
    addEntryOn(*store, "10/10/04", "Sunday");
    addEntryOn(*store, "10/11/04", "Monday");
    const int saturdayWeek = store->entry(0).weekIndex;
    ASSERT_EQ(store->entry(1).weekIndex, saturdayWeek + 1);
    ASSERT_EQ(store->entry(2).weekIndex, saturdayWeek + 1);
    ScriptedPrompt prompt;
    EditablePreferences values = editablePreferences(*store);
    values.weekStart = 1;

    const PreferenceChanges changes = applyPreferences(*store, values, prompt);

    EXPECT_TRUE(changes.weekStartChanged);
    EXPECT_EQ(store->weekOrigin, (CalendarDate{1950, 1, 2}));
    EXPECT_EQ(store->entry(0).weekIndex, saturdayWeek);
    EXPECT_EQ(store->entry(1).weekIndex, saturdayWeek);
    EXPECT_EQ(store->entry(2).weekIndex, saturdayWeek + 1);
    EXPECT_TRUE(prompt.shown.empty());
}

TEST(ApplyPreferences, bothChangedGiveDayFirstTextsAndSundayWeeks)
{
    auto store = std::make_unique<LogStore>();
    addEntryOn(*store, "10/03/04");  // Sunday 3 October 2004, month first
    const int mondayWeek = store->entry(0).weekIndex;
    ScriptedPrompt prompt;
    EditablePreferences values = editablePreferences(*store);
    values.dateFormat = 2;
    values.weekStart = 3;

    applyPreferences(*store, values, prompt);

    EXPECT_EQ(store->entry(0).dateText.str(), "03/10/04");
    EXPECT_EQ(store->entry(0).dateKey, dateKeyOf({2004, 10, 3}));
    EXPECT_EQ(store->entry(0).weekIndex, weekIndexOf({2004, 10, 3}, weekOriginFor(3)));
    EXPECT_EQ(store->entry(0).weekIndex, mondayWeek + 1);
    EXPECT_EQ(prompt.shown.size(), 1u);
}

}  // namespace
