#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QtTest/QTest>

#include "dialog_test_support.h"
#include "dialogs/preferences_dialog.h"
#include "rules_test_support.h"
#include "scripted_prompt.h"

namespace {

using dialogtest::addEntryOn;
using dialogtest::click;
using dialogtest::control;
using dialogtest::isChecked;

class PreferencesDialogTest : public ::testing::Test {
protected:
    std::unique_ptr<LogStore> store = std::make_unique<LogStore>();
    ScriptedPrompt prompt;

    // Opens the dialog, clicks the given buttons and then OK (1) or Cancel (2).
    int runDialog(std::initializer_list<int> clicks, int closeWith)
    {
        PreferencesDialog dialog(*store, prompt);
        for (int id : clicks)
            click(&dialog, id);
        click(&dialog, closeWith);
        return dialog.result();
    }
};

TEST_F(PreferencesDialogTest, opensWithTheLogsValuesChecked)
{
    store->preferences.values = {2, 1, 2, 1, 2, 1, 0};
    PreferencesDialog dialog(*store, prompt);

    EXPECT_EQ(dialog.windowTitle(), "The Orvanta: Preferences");
    const std::vector<int> checked{1015, 1016, 1019, 1020, 1023};
    for (int id = 1014; id <= 1024; ++id) {
        const bool expected = std::find(checked.begin(), checked.end(), id) != checked.end();
        EXPECT_EQ(isChecked(&dialog, id), expected) << id;
    }
}

TEST_F(PreferencesDialogTest, weekStartOutOfRangeChecksNoDayAndConfirmsSunday)
{
    store->preferences.values[4] = 0;
    PreferencesDialog dialog(*store, prompt);
    EXPECT_FALSE(isChecked(&dialog, 1022));
    EXPECT_FALSE(isChecked(&dialog, 1023));
    EXPECT_FALSE(isChecked(&dialog, 1024));
    // The date format pair is a group of its own: 1021 is not touched.
    EXPECT_TRUE(isChecked(&dialog, 1020));
    click(&dialog, 1);
    EXPECT_EQ(store->preferences.weekStart(), 3);
}

TEST_F(PreferencesDialogTest, eachGroupChecksOneButton)
{
    PreferencesDialog dialog(*store, prompt);
    click(&dialog, 1015);
    click(&dialog, 1023);
    EXPECT_FALSE(isChecked(&dialog, 1014));
    EXPECT_TRUE(isChecked(&dialog, 1015));
    // Other groups keep their buttons.
    EXPECT_TRUE(isChecked(&dialog, 1016));
    EXPECT_FALSE(isChecked(&dialog, 1022));
    EXPECT_TRUE(isChecked(&dialog, 1023));
}

TEST_F(PreferencesDialogTest, confirmingWithoutChangesMarksTheLogModified)
{
    addEntryOn(*store, "03/21/02");
    store->modified = false;

    EXPECT_EQ(runDialog({}, 1), QDialog::Accepted);

    EXPECT_TRUE(store->modified);
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_EQ(store->entry(0).dateText.str(), "03/21/02");
}

TEST_F(PreferencesDialogTest, okStoresEveryCheckedValue)
{
    runDialog({1015, 1017, 1019, 1024}, 1);
    EXPECT_EQ(store->preferences.closeAction(), 2);
    EXPECT_EQ(store->preferences.backupCopy(), 2);
    EXPECT_EQ(store->preferences.distanceConversion(), 2);
    EXPECT_EQ(store->preferences.dateFormatValue(), 1);
    EXPECT_EQ(store->preferences.weekStart(), 3);
    EXPECT_EQ(store->weekOrigin, (CalendarDate{1950, 1, 1}));
}

TEST_F(PreferencesDialogTest, cancelChangesNothing)
{
    addEntryOn(*store, "03/21/02");
    store->modified = false;
    const auto before = store->preferences.values;

    EXPECT_EQ(runDialog({1015, 1017, 1019, 1021, 1024}, 2), QDialog::Rejected);

    EXPECT_EQ(store->preferences.values, before);
    EXPECT_FALSE(store->modified);
    EXPECT_EQ(store->entry(0).dateText.str(), "03/21/02");
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(PreferencesDialogTest, dateFormatSwitchedTwiceRestoresTheDatesAfterWarningEachTime)
{
    addEntryOn(*store, "03/21/02");
    addEntryOn(*store, "11/04/04");

    runDialog({1021}, 1);
    EXPECT_EQ(store->entry(0).dateText.str(), "21/03/02");
    EXPECT_EQ(store->entry(1).dateText.str(), "04/11/04");
    runDialog({1020}, 1);
    EXPECT_EQ(store->entry(0).dateText.str(), "03/21/02");
    EXPECT_EQ(store->entry(1).dateText.str(), "11/04/04");

    const std::string warning =
        "Orvanta Warning: You have changed the date format; all entries in the log will now be reformatted!";
    EXPECT_EQ(prompt.lines(), (std::vector<std::string>{warning, warning}));
    EXPECT_TRUE(prompt.unexpected.empty());
}

TEST_F(PreferencesDialogTest, weekStartSundayToMondayMovesASundayEntryBack)
{
    store->setWeekStart(3);
    addEntryOn(*store, "10/09/04");  // Saturday
    addEntryOn(*store, "10/10/04");  // Sunday
    const int saturdayWeek = store->entry(0).weekIndex;
    ASSERT_EQ(store->entry(1).weekIndex, saturdayWeek + 1);

    PreferencesDialog dialog(*store, prompt);
    ASSERT_TRUE(isChecked(&dialog, 1024));
    click(&dialog, 1022);
    click(&dialog, 1);

    EXPECT_TRUE(dialog.changes().weekStartChanged);
    EXPECT_FALSE(dialog.changes().dateFormatChanged);
    EXPECT_EQ(store->entry(1).weekIndex, saturdayWeek);
    EXPECT_EQ(store->preferences.weekStart(), 1);
}

TEST_F(PreferencesDialogTest, enterPressesOkAndEscapeCancels)
{
    {
        PreferencesDialog dialog(*store, prompt);
        dialog.show();
        click(&dialog, 1017);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(store->preferences.backupCopy(), 1);
    }
    PreferencesDialog dialog(*store, prompt);
    dialog.show();
    click(&dialog, 1017);
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(store->preferences.backupCopy(), 2);
}

TEST_F(PreferencesDialogTest, controlsSitAtTwoPixelsPerDialogUnit)
{
    PreferencesDialog dialog(*store, prompt);
    EXPECT_EQ(control<QWidget>(&dialog, 1014)->geometry(), QRect(50, 40, 136, 20));
    EXPECT_EQ(control<QWidget>(&dialog, 1023)->geometry(), QRect(186, 248, 84, 20));
    EXPECT_EQ(control<QWidget>(&dialog, 2)->geometry(), QRect(442, 284, 100, 28));
    EXPECT_EQ(control<QAbstractButton>(&dialog, 1021)->text(), "21/3/02");
    EXPECT_TRUE(control<QPushButton>(&dialog, 1)->isDefault());
    QStringList headings;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        headings << label->text();
    EXPECT_TRUE(headings.contains("Distance Conversion to Standard Units:"));
    EXPECT_EQ(headings.size(), 5);
}

}  // namespace
