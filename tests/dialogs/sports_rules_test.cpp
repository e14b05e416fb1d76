#include <gtest/gtest.h>

#include "log/log_reader.h"
#include "log/log_writer.h"
#include "rules_test_support.h"
#include "shell/logic/sports_rules.h"

namespace {

using dialogtest::storeWithSports;

SportDef sportOf(const char* name, char letter, int distance, int pace)
{
    SportDef sport;
    sport.name = name;
    sport.letter = letter;
    sport.distanceUnits = static_cast<DistanceUnit>(distance);
    sport.paceUnits = static_cast<PaceUnit>(pace);
    return sport;
}

struct LineRow {
    const char* name;
    SportDef sport;
    std::string line;
};

class SportListLine : public ::testing::TestWithParam<LineRow> {};

TEST_P(SportListLine, padsTheNameAndShowsTheUnits)
{
    EXPECT_EQ(sportListLine(GetParam().sport), GetParam().line);
}

const std::string kRunningPadded = "Running" + std::string(25, ' ');

INSTANTIATE_TEST_SUITE_P(
    Rows, SportListLine,
    ::testing::Values(
        LineRow{"milesAndMinutesPerMile", sportOf("Running", 'R', 1, 1), kRunningPadded + "R  M mpm"},
        LineRow{"kilometresAndKph", sportOf("Running", 'R', 2, 4), kRunningPadded + "R  K kph"},
        LineRow{"yardsAndMph", sportOf("Running", 'R', 3, 3), kRunningPadded + "R  Y mph"},
        LineRow{"metresAndMinPerKm", sportOf("Running", 'R', 4, 2), kRunningPadded + "R  m mpk"},
        LineRow{"noUnitsAtAll", sportOf("Running", 'R', 0, 0), kRunningPadded + "R" + "  " + " " + " " + "   "},
        LineRow{"feetShowBlank", sportOf("Running", 'R', 5, 1), kRunningPadded + "R    mpm"},
        LineRow{"swimmingPaceShowsQuestionMarks", sportOf("Running", 'R', 3, 5), kRunningPadded + "R  Y ???"},
        LineRow{"strayCodesShowBlankAndQuestionMarks", sportOf("Running", 'R', 9, -2), kRunningPadded + "R    ???"},
        LineRow{"longestName", sportOf("Thirty characters of sport nam", 'T', 1, 1),
                "Thirty characters of sport nam  T  M mpm"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OfferedChoices, runningAndCyclingLeaveTenNamesAndTwentyFourLetters)
{
    auto store = storeWithSports({{"Running", 'R'}, {"Cycling", 'C'}});

    const std::vector<std::string> expectedNames{"Aerobics", "Biathlon",  "Inline Skating", "Misc.",   "Stairs",
                                                 "Swimming", "Triathlon", "Walking",        "Weights", "XC Skiing"};
    EXPECT_EQ(offeredSportNames(*store), expectedNames);
    const std::vector<char> letters = offeredLetters(*store);
    EXPECT_EQ(std::string(letters.begin(), letters.end()), "ABDEFGHIJKLMNOPQSTUVWXYZ");
}

TEST(OfferedChoices, namesAndLettersCompareExactly)
{
    // "running" is not "Running" and "r" is not "R": both stay offered.
    auto store = storeWithSports({{"running", 'r'}});
    EXPECT_EQ(offeredSportNames(*store).size(), 12u);
    EXPECT_EQ(offeredLetters(*store).size(), 26u);
}

TEST(UnitButtons, lastButtonGivesCodeZero)
{
    const std::vector<DistanceUnit> distances{DistanceUnit::Miles, DistanceUnit::Kilometers, DistanceUnit::Yards,
                                              DistanceUnit::Meters, DistanceUnit::None};
    const std::vector<PaceUnit> paces{PaceUnit::MinPerMile, PaceUnit::MinPerKm, PaceUnit::MilesPerHour,
                                      PaceUnit::KmPerHour, PaceUnit::None};
    for (int position = 0; position < 5; ++position) {
        EXPECT_EQ(distanceUnitOfButton(position), distances[position]) << position;
        EXPECT_EQ(paceUnitOfButton(position), paces[position]) << position;
    }
}

TEST(AddSport, linksTheCalorieFactorByNameThenDefault)
{
    auto store = storeWithSports({});
    const std::vector<std::string> calories{"Cycling", "Default", "Running"};

    ASSERT_TRUE(addSport(*store, "Running", 'R', DistanceUnit::Miles, PaceUnit::MinPerMile, calories));
    ASSERT_TRUE(addSport(*store, "Rowing", 'W', DistanceUnit::Meters, PaceUnit::None, calories));
    ASSERT_TRUE(addSport(*store, "Rowing", 'X', DistanceUnit::Meters, PaceUnit::None, {"Cycling"}));

    EXPECT_EQ(store->sportCount, 3);
    EXPECT_EQ(store->sports[1].calorieIndex, 2);
    EXPECT_EQ(store->sports[2].calorieIndex, 1);
    EXPECT_EQ(store->sports[3].calorieIndex, -1);
    EXPECT_EQ(store->sports[2].name.str(), "Rowing");
    EXPECT_EQ(store->sports[2].letter, 'W');
    EXPECT_EQ(store->sports[2].distanceUnits, DistanceUnit::Meters);
    EXPECT_EQ(store->sports[2].paceUnits, PaceUnit::None);
    EXPECT_TRUE(store->modified);
}

TEST(AddSport, refusesAnEighteenthSport)
{
    auto store = storeWithSports({});
    for (int i = 0; i < 17; ++i)
        ASSERT_TRUE(addSport(*store, "Sport", static_cast<char>('A' + i), DistanceUnit::Miles, PaceUnit::None, {}));
    store->modified = false;

    EXPECT_FALSE(addSport(*store, "Eighteenth", 'Z', DistanceUnit::Miles, PaceUnit::None, {}));
    EXPECT_EQ(store->sportCount, 17);
    EXPECT_FALSE(store->modified);
    EXPECT_EQ(store->sports[17].letter, 'Q');
}

TEST(DeleteSport, movesTheLaterSportsDown)
{
    auto store = storeWithSports({{"Running", 'R'}, {"Cycling", 'C'}, {"Swimming", 'S'}});
    deleteSport(*store, 2);
    ASSERT_EQ(store->sportCount, 2);
    EXPECT_EQ(store->sports[1].name.str(), "Running");
    EXPECT_EQ(store->sports[2].name.str(), "Swimming");
    EXPECT_EQ(store->sports[2].letter, 'S');
    EXPECT_TRUE(store->modified);
}

// After a delete each entry's sport is what reopening the saved log gives:
// found by its letter, so the totals count it under its own sport.
TEST(DeleteSport, entriesFindTheirSportAgainByItsLetter)
{
    auto store = storeWithSports({{"Strength", 'W'}, {"Swimming", 'S'}, {"Cycling", 'C'}});
    store->sports[2].distanceUnits = DistanceUnit::Yards;
    store->sports[3].distanceUnits = DistanceUnit::Kilometers;
    const std::pair<const char*, const char*> lines[] = {{"TS", "1760Y"}, {"TC", "20K"}, {"TW", ""}};
    for (const auto& [kindSport, distance] : lines) {
        LogEntry& entry = store->entry(store->entryCount++);
        entry.kindSport = kindSport;
        entry.distanceText = distance;
        resolveEntrySport(entry, *store);
    }
    store->currentSport = 3;

    deleteSport(*store, 1);
    EXPECT_EQ(store->entry(0).sportIndex, 1);  // Swimming
    EXPECT_EQ(store->entry(1).sportIndex, 2);  // Cycling
    EXPECT_EQ(store->entry(2).sportIndex, 0);  // its sport is gone: None
    EXPECT_FLOAT_EQ(store->entry(0).distance, 1760.0f);
    EXPECT_FLOAT_EQ(store->entry(1).distance, 20.0f);
    EXPECT_EQ(store->currentSport, 3);
}

// The sports line holds 30 characters: name, tab, letter, unit letter and
// the three-letter pace leave 24 for the name.
TEST(AddSport, nameIsCutToWhatTheSportsLineHoldsWhole)
{
    auto store = storeWithSports({});
    ASSERT_TRUE(addSport(*store, std::string(29, 'n'), 'N', DistanceUnit::Miles, PaceUnit::MinPerMile, {}));
    EXPECT_EQ(store->sports[1].name.str(), std::string(24, 'n'));
    EXPECT_EQ(formatSportLine(store->sports[1]).size(), 30u);
}

TEST(DeleteSport, ignoresNumbersOutsideTheList)
{
    auto store = storeWithSports({{"Running", 'R'}});
    deleteSport(*store, 0);
    deleteSport(*store, 2);
    EXPECT_EQ(store->sportCount, 1);
    EXPECT_EQ(store->sports[0].name.str(), "None");
    EXPECT_FALSE(store->modified);
}

TEST(SportsEditor, proposesTheLetterOfTheNamesInitial)
{
    auto store = storeWithSports({{"Running", 'R'}});
    SportsEditor editor(*store, {});
    const std::vector<char>& letters = editor.letters();
    auto indexOf = [&](char c) {
        return static_cast<int>(std::find(letters.begin(), letters.end(), c) - letters.begin());
    };

    EXPECT_EQ(editor.proposedLetter("Swimming"), indexOf('S'));
    EXPECT_EQ(editor.proposedLetter("swimming"), indexOf('S'));
    // R belongs to Running already: the first letter is proposed instead.
    EXPECT_EQ(editor.proposedLetter("Rowing"), 0);
    EXPECT_EQ(editor.proposedLetter("9 to 5"), 0);
    EXPECT_EQ(editor.proposedLetter(""), -1);
}

TEST(SportsEditor, sportNameIsTheTextOrElseTheSelectedItem)
{
    auto store = storeWithSports({});
    SportsEditor editor(*store, {});
    EXPECT_EQ(editor.sportName("Rowing", 0), "Rowing");
    EXPECT_EQ(editor.sportName("", 0), "Aerobics");
    EXPECT_EQ(editor.sportName("", -1), "");
    EXPECT_EQ(editor.sportName("", 12), "");
}

TEST(SportsEditor, addTakesTheSelectedItemsOutOfTheBoxes)
{
    auto store = storeWithSports({{"Running", 'R'}});
    SportsEditor editor(*store, {"Default"});
    const int swimming = 6;  // Aerobics .. Stairs come first
    ASSERT_EQ(editor.names()[swimming], "Swimming");
    const int s = editor.proposedLetter("Swimming");

    EXPECT_EQ(editor.add("Swimming", 'S', 3, 4, swimming, s), SportsEditor::AddResult::Added);

    EXPECT_TRUE(editor.sportsChanged());
    ASSERT_EQ(store->sportCount, 2);
    EXPECT_EQ(store->sports[2].name.str(), "Swimming");
    EXPECT_EQ(store->sports[2].distanceUnits, DistanceUnit::Meters);
    EXPECT_EQ(store->sports[2].paceUnits, PaceUnit::None);
    EXPECT_EQ(store->sports[2].calorieIndex, 0);
    EXPECT_EQ(editor.names().size(), 10u);
    EXPECT_EQ(std::count(editor.names().begin(), editor.names().end(), "Swimming"), 0);
    const std::vector<char>& letters = editor.letters();
    EXPECT_EQ(std::string(letters.begin(), letters.end()), "ABCDEFGHIJKLMNOPQTUVWXYZ");
    EXPECT_EQ(editor.listLines().back(), "Swimming" + std::string(24, ' ') + "S  m    ");
}

TEST(SportsEditor, addOfATypedNameLeavesTheBoxesAsTheyWere)
{
    auto store = storeWithSports({});
    SportsEditor editor(*store, {});

    EXPECT_EQ(editor.add("Rowing", 'W', 0, 0, -1, -1), SportsEditor::AddResult::Added);

    EXPECT_EQ(editor.names().size(), 12u);
    EXPECT_EQ(editor.letters().size(), 26u);
    EXPECT_EQ(store->sports[1].letter, 'W');
}

TEST(SportsEditor, addWithoutNameOrLetterChangesNothing)
{
    auto store = storeWithSports({});
    SportsEditor editor(*store, {});

    EXPECT_EQ(editor.add("", 'A', 0, 0, -1, 0), SportsEditor::AddResult::NoName);
    EXPECT_EQ(editor.add("Rowing", '\0', 0, 0, -1, -1), SportsEditor::AddResult::NoLetter);

    EXPECT_EQ(store->sportCount, 0);
    EXPECT_FALSE(editor.sportsChanged());
    EXPECT_EQ(editor.letters().size(), 26u);
}

TEST(SportsEditor, addToAFullListIsRefusedAndKeepsTheBoxes)
{
    auto store = storeWithSports({});
    for (int i = 0; i < 17; ++i)
        addSport(*store, "Sport", static_cast<char>('a' + i), DistanceUnit::Miles, PaceUnit::None, {});
    SportsEditor editor(*store, {});

    EXPECT_EQ(editor.add("Aerobics", 'A', 0, 0, 0, 0), SportsEditor::AddResult::ListFull);

    EXPECT_EQ(store->sportCount, 17);
    EXPECT_FALSE(editor.sportsChanged());
    EXPECT_EQ(editor.names().front(), "Aerobics");
    EXPECT_EQ(editor.letters().front(), 'A');
}

TEST(SportsEditor, removeGivesTheNameAndLetterBackInSortedPlaces)
{
    auto store = storeWithSports({{"Running", 'R'}, {"Cycling", 'C'}, {"Swimming", 'S'}});
    SportsEditor editor(*store, {});

    ASSERT_TRUE(editor.remove(1));

    EXPECT_TRUE(editor.sportsChanged());
    ASSERT_EQ(store->sportCount, 2);
    EXPECT_EQ(store->sports[2].name.str(), "Swimming");
    const std::vector<std::string> names{"Aerobics", "Biathlon",  "Cycling", "Inline Skating", "Misc.",
                                         "Stairs",   "Triathlon", "Walking", "Weights",        "XC Skiing"};
    EXPECT_EQ(editor.names(), names);
    const std::vector<char>& letters = editor.letters();
    EXPECT_EQ(std::string(letters.begin(), letters.end()), "ABCDEFGHIJKLMNOPQTUVWXYZ");
    EXPECT_EQ(editor.listLines().size(), 2u);
}

TEST(SportsEditor, removeGivesBackNamesOfItsOwnAndSmallLetters)
{
    auto store = storeWithSports({{"Rowing", 'w'}, {"Judo", ' '}});
    SportsEditor editor(*store, {});

    ASSERT_TRUE(editor.remove(0));
    ASSERT_TRUE(editor.remove(0));

    EXPECT_EQ(editor.names()[6], "Rowing");
    EXPECT_EQ(editor.names()[4], "Judo");
    const std::vector<char>& letters = editor.letters();
    // The blank of a damaged sport is no letter to offer.
    EXPECT_EQ(std::string(letters.begin(), letters.end()), "ABCDEFGHIJKLMNOPQRSTUVWwXYZ");
}

TEST(SportsEditor, removeOfNoLineChangesNothing)
{
    auto store = storeWithSports({{"Running", 'R'}});
    SportsEditor editor(*store, {});
    EXPECT_FALSE(editor.remove(-1));
    EXPECT_FALSE(editor.remove(1));
    EXPECT_EQ(store->sportCount, 1);
    EXPECT_FALSE(editor.sportsChanged());
}

TEST(SportsEditor, colourSlotIsTheSportNumberWhileTheTableLasts)
{
    EXPECT_EQ(SportsEditor::colorSlot(0), 1);
    EXPECT_EQ(SportsEditor::colorSlot(14), 15);
    EXPECT_EQ(SportsEditor::colorSlot(15), -1);
    EXPECT_EQ(SportsEditor::colorSlot(16), -1);
    EXPECT_EQ(SportsEditor::colorSlot(-1), -1);
}

}  // namespace
