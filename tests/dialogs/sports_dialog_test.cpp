#include <QColorDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>

#include "dialog_test_support.h"
#include "dialogs/sports_dialog.h"
#include "rules_test_support.h"
#include "scripted_prompt.h"

namespace {

using dialogtest::click;
using dialogtest::control;
using dialogtest::isChecked;
using dialogtest::rows;
using dialogtest::storeWithSports;

QFont listFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(16);
    return font;
}

class SportsDialogTest : public ::testing::Test {
protected:
    std::unique_ptr<LogStore> store = storeWithSports({{"Running", 'R'}, {"Cycling", 'C'}});
    AppSettings settings;
    ScriptedPrompt prompt;
    std::unique_ptr<SportsDialog> dialog;
    std::vector<QColor> chooserAsked;

    void open()
    {
        for (std::uint32_t i = 0; i < settings.sportColors.size(); ++i)
            settings.sportColors[i] = 0x00010101u * i;
        settings.calorieFactors = {{"Default", 0.1f}, {"Rowing", 0.2f}};
        dialog = std::make_unique<SportsDialog>(*store, settings, prompt, listFont());
        dialog->show();
    }
    // Answers the colour chooser with a colour, or cancels it with nothing.
    void answerColor(std::optional<QColor> answer)
    {
        dialog->setColorChooser([this, answer](const QColor& initial, QWidget*) {
            chooserAsked.push_back(initial);
            return answer;
        });
    }
    SimpleComboBox* sportBox() { return control<SimpleComboBox>(dialog.get(), 1039); }
    SimpleComboBox* letterBox() { return control<SimpleComboBox>(dialog.get(), 1040); }
    QListWidget* sportsList() { return control<QListWidget>(dialog.get(), 1012); }
    bool enabled(int id) { return control<QWidget>(dialog.get(), id)->isEnabled(); }
    void pickName(const QString& name)
    {
        const auto found = sportBox()->list()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        sportBox()->list()->setCurrentItem(found.front());
    }
    void pickLine(int line) { sportsList()->setCurrentRow(line); }
};

TEST_F(SportsDialogTest, runningAndCyclingOpenWithTwentyFourLettersAndTenNames)
{
    open();
    EXPECT_EQ(dialog->windowTitle(), "The Orvanta: Sports");
    EXPECT_EQ(sportBox()->list()->count(), 10);
    EXPECT_TRUE(sportBox()->list()->findItems("Running", Qt::MatchExactly).isEmpty());
    EXPECT_TRUE(sportBox()->list()->findItems("Cycling", Qt::MatchExactly).isEmpty());
    EXPECT_EQ(rows(letterBox()->list()).size(), 24u);
    EXPECT_EQ(rows(letterBox()->list()).front(), "A");
    EXPECT_TRUE(letterBox()->list()->findItems("C", Qt::MatchExactly).isEmpty());
    EXPECT_TRUE(letterBox()->list()->findItems("R", Qt::MatchExactly).isEmpty());
    EXPECT_EQ(rows(sportsList()), (std::vector<std::string>{"Running" + std::string(25, ' ') + "R  M mpm",
                                                            "Cycling" + std::string(25, ' ') + "C  M mpm"}));
}

TEST_F(SportsDialogTest, opensWithMilesMinPerMileAndAddDeleteDisabled)
{
    open();
    EXPECT_TRUE(isChecked(dialog.get(), 1029));
    EXPECT_TRUE(isChecked(dialog.get(), 1034));
    EXPECT_FALSE(enabled(1028));
    EXPECT_FALSE(enabled(1027));
    EXPECT_TRUE(control<QPushButton>(dialog.get(), 1)->isDefault());
    EXPECT_EQ(sportsList()->font().pixelSize(), 16);
    EXPECT_EQ(sportsList()->font().family(), "Courier New");
    EXPECT_FALSE(sportsList()->font().bold());
    EXPECT_EQ(control<QWidget>(dialog.get(), 1039)->geometry(), QRect(20, 30, 180, 200));
    EXPECT_EQ(control<QWidget>(dialog.get(), 1012)->geometry(), QRect(310, 190, 330, 180));
}

TEST_F(SportsDialogTest, distanceAndPaceGroupsCheckOneButtonEach)
{
    open();
    click(dialog.get(), 1031);
    click(dialog.get(), 1037);
    EXPECT_FALSE(isChecked(dialog.get(), 1029));
    EXPECT_TRUE(isChecked(dialog.get(), 1031));
    EXPECT_FALSE(isChecked(dialog.get(), 1034));
    EXPECT_TRUE(isChecked(dialog.get(), 1037));
}

TEST_F(SportsDialogTest, pickingANameEnablesAddAndProposesItsInitial)
{
    open();
    pickName("Swimming");
    EXPECT_EQ(sportBox()->edit()->text(), "Swimming");
    EXPECT_TRUE(enabled(1028));
    EXPECT_EQ(letterBox()->edit()->text(), "S");
    EXPECT_EQ(letterBox()->list()->currentItem()->text(), "S");
}

TEST_F(SportsDialogTest, typingANameWhoseInitialIsTakenProposesTheFirstLetter)
{
    open();
    QTest::keyClicks(sportBox()->edit(), "Rowing");
    EXPECT_TRUE(enabled(1028));
    EXPECT_EQ(letterBox()->edit()->text(), "A");
    EXPECT_EQ(sportBox()->selectedRow(), -1);

    // Clearing the text leaves no sport to add.
    sportBox()->edit()->selectAll();
    QTest::keyClick(sportBox()->edit(), Qt::Key_Delete);
    EXPECT_FALSE(enabled(1028));
}

TEST_F(SportsDialogTest, typingAnOfferedNameSelectsIt)
{
    open();
    QTest::keyClicks(sportBox()->edit(), "Walking");
    ASSERT_GE(sportBox()->selectedRow(), 0);
    EXPECT_EQ(sportBox()->list()->item(sportBox()->selectedRow())->text(), "Walking");
    EXPECT_EQ(letterBox()->edit()->text(), "W");
}

TEST_F(SportsDialogTest, abbreviationIsTypedInCapitals)
{
    open();
    QTest::keyClicks(letterBox()->edit(), "q");
    EXPECT_EQ(letterBox()->edit()->text(), "Q");
    EXPECT_EQ(letterBox()->list()->currentItem()->text(), "Q");
}

// A name of 25 or more characters would lose its letter or units at every
// save: the sport box takes only what the sports line holds whole.
TEST_F(SportsDialogTest, sportBoxTakesTwentyFourCharacters)
{
    open();
    QTest::keyClicks(sportBox()->edit(), QString(29, QLatin1Char('x')));
    EXPECT_EQ(sportBox()->edit()->text(), QString(24, QLatin1Char('x')));
}

TEST_F(SportsDialogTest, addWithNoUnitsStoresCodesZeroAndEndsTheLineInBlanks)
{
    open();
    store->modified = false;
    pickName("Aerobics");
    click(dialog.get(), 1033);
    click(dialog.get(), 1038);
    click(dialog.get(), 1028);

    ASSERT_EQ(store->sportCount, 3);
    EXPECT_EQ(store->sports[3].name.str(), "Aerobics");
    EXPECT_EQ(store->sports[3].letter, 'A');
    EXPECT_EQ(static_cast<int>(store->sports[3].distanceUnits), 0);
    EXPECT_EQ(static_cast<int>(store->sports[3].paceUnits), 0);
    EXPECT_EQ(store->sports[3].calorieIndex, 0);
    const std::string line = rows(sportsList()).back();
    EXPECT_EQ(line.substr(32), std::string("A") + "  " + " " + " " + "   ");
    EXPECT_TRUE(store->modified);
    EXPECT_TRUE(dialog->sportsChanged());
    // The name and letter used are no longer offered; both boxes start afresh.
    EXPECT_TRUE(sportBox()->list()->findItems("Aerobics", Qt::MatchExactly).isEmpty());
    EXPECT_TRUE(letterBox()->list()->findItems("A", Qt::MatchExactly).isEmpty());
    EXPECT_TRUE(sportBox()->edit()->text().isEmpty());
    EXPECT_TRUE(letterBox()->edit()->text().isEmpty());
    EXPECT_FALSE(enabled(1028));
}

TEST_F(SportsDialogTest, addOfATypedSportKeepsItsCalorieFactor)
{
    open();
    QTest::keyClicks(sportBox()->edit(), "Rowing");
    letterBox()->list()->setCurrentItem(letterBox()->list()->findItems("W", Qt::MatchExactly).front());
    click(dialog.get(), 1032);
    click(dialog.get(), 1035);
    click(dialog.get(), 1028);

    ASSERT_EQ(store->sportCount, 3);
    EXPECT_EQ(store->sports[3].name.str(), "Rowing");
    EXPECT_EQ(store->sports[3].letter, 'W');
    EXPECT_EQ(store->sports[3].distanceUnits, DistanceUnit::Meters);
    EXPECT_EQ(store->sports[3].paceUnits, PaceUnit::MinPerKm);
    EXPECT_EQ(store->sports[3].calorieIndex, 1);
    EXPECT_EQ(sportBox()->list()->count(), 10);
    EXPECT_EQ(letterBox()->list()->count(), 23);
}

TEST_F(SportsDialogTest, addWithoutAbbreviationAsksForOne)
{
    open();
    QTest::keyClicks(sportBox()->edit(), "Rowing");
    letterBox()->edit()->clear();
    click(dialog.get(), 1028);
    EXPECT_EQ(store->sportCount, 2);
    EXPECT_EQ(prompt.lines(), (std::vector<std::string>{"Orvanta: Choose an abbreviation for the sport!"}));
}

TEST_F(SportsDialogTest, eighteenthSportIsRefused)
{
    for (char letter = 'a'; store->sportCount < 17; ++letter)
        addSport(*store, "Sport", letter, DistanceUnit::Miles, PaceUnit::MinPerMile, {});
    open();
    pickName("Aerobics");
    click(dialog.get(), 1028);

    EXPECT_EQ(store->sportCount, 17);
    EXPECT_EQ(prompt.lines(),
              (std::vector<std::string>{"Orvanta: The sports list is full: a log holds at most 17 sports."}));
    EXPECT_FALSE(dialog->sportsChanged());
    EXPECT_EQ(sportBox()->list()->count(), 10);
    EXPECT_EQ(sportBox()->edit()->text(), "Aerobics");
}

TEST_F(SportsDialogTest, deletingTheSecondOfThreeLeavesTheThirdInTheSecondsColour)
{
    addSport(*store, "Swimming", 'S', DistanceUnit::Yards, PaceUnit::None, {});
    open();
    const auto colors = settings.sportColors;
    pickLine(1);
    EXPECT_TRUE(enabled(1027));
    click(dialog.get(), 1027);

    ASSERT_EQ(store->sportCount, 2);
    EXPECT_EQ(store->sports[2].name.str(), "Swimming");
    EXPECT_EQ(settings.sportColors, colors);
    EXPECT_EQ(rows(sportsList()).size(), 2u);
    EXPECT_EQ(rows(sportsList())[1].substr(0, 8), "Swimming");
    EXPECT_FALSE(enabled(1027));
    EXPECT_TRUE(dialog->sportsChanged());
    // Cycling and C are offered again, in their sorted places.
    EXPECT_EQ(sportBox()->list()->item(2)->text(), "Cycling");
    EXPECT_EQ(letterBox()->list()->item(2)->text(), "C");
}

TEST_F(SportsDialogTest, setColorWithoutASelectedLineAsksForOne)
{
    open();
    answerColor(QColor(1, 2, 3));
    const auto colors = settings.sportColors;
    click(dialog.get(), 1053);
    EXPECT_EQ(prompt.lines(), (std::vector<std::string>{"Orvanta: Choose a sport from the list above!"}));
    EXPECT_TRUE(chooserAsked.empty());
    EXPECT_EQ(settings.sportColors, colors);
}

TEST_F(SportsDialogTest, setColorStoresTheChosenColourInTheLinesSport)
{
    open();
    settings.sportColors[2] = 0x00C08040;
    answerColor(QColor(0x0A, 0x14, 0x1E));
    pickLine(1);
    click(dialog.get(), 1053);

    ASSERT_EQ(chooserAsked.size(), 1u);
    EXPECT_EQ(chooserAsked[0], QColor(0x40, 0x80, 0xC0));
    EXPECT_EQ(settings.sportColors[2], 0x001E140Au);
    EXPECT_EQ(settings.sportColors[1], 0x00010101u);
    EXPECT_TRUE(dialog->colorsChanged());
    EXPECT_FALSE(dialog->sportsChanged());
}

TEST_F(SportsDialogTest, setColorCancelledKeepsTheColour)
{
    open();
    answerColor(std::nullopt);
    pickLine(0);
    click(dialog.get(), 1053);
    EXPECT_EQ(chooserAsked.size(), 1u);
    EXPECT_EQ(settings.sportColors[1], 0x00010101u);
    EXPECT_FALSE(dialog->colorsChanged());
}

TEST_F(SportsDialogTest, sixteenthSportHasNoColourToSet)
{
    for (char letter = 'a'; store->sportCount < 16; ++letter)
        addSport(*store, "Sport", letter, DistanceUnit::Miles, PaceUnit::MinPerMile, {});
    open();
    answerColor(QColor(9, 9, 9));
    const auto colors = settings.sportColors;
    pickLine(14);
    click(dialog.get(), 1053);
    pickLine(15);
    click(dialog.get(), 1053);

    EXPECT_EQ(chooserAsked.size(), 1u);
    EXPECT_EQ(settings.sportColors[15], 0x00090909u);
    EXPECT_EQ(prompt.lines(),
              (std::vector<std::string>{"Orvanta: Only the first 15 sports of the list have a colour of their own."}));
    EXPECT_EQ(std::equal(colors.begin(), colors.begin() + 15, settings.sportColors.begin()), true);
}

TEST_F(SportsDialogTest, setColorOpensTheColourDialogWithTheSportsColour)
{
    open();
    settings.sportColors[1] = 0x000000FF;
    pickLine(0);
    QColor shown;
    dialogtest::whenModal([&shown](QWidget* modal) {
        auto* chooser = qobject_cast<QColorDialog*>(modal);
        ASSERT_NE(chooser, nullptr);
        shown = chooser->currentColor();
        chooser->setCurrentColor(QColor(0x11, 0x22, 0x33));
        chooser->accept();
    });
    click(dialog.get(), 1053);
    EXPECT_EQ(shown, QColor(0xFF, 0, 0));
    EXPECT_EQ(settings.sportColors[1], 0x00332211u);
}

TEST_F(SportsDialogTest, onlyDoneEndsTheDialog)
{
    open();
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    dialog->close();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    click(dialog.get(), 1);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

}  // namespace
