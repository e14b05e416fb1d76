#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include "dialog_test_support.h"
#include "dialogs/about_dialog.h"
#include "dialogs/log_choice_dialog.h"
#include "dialogs/save_format_dialog.h"
#include "dialogs/training_plan_dialog.h"
#include "rules_test_support.h"
#include "scripted_prompt.h"
#include "shell/app_context.h"

namespace {

using dialogtest::click;
using dialogtest::control;
using dialogtest::isChecked;
using dialogtest::whenModal;

// Shows the save-format question, clicks the given buttons in it and returns the answer.
int askSaveFormatClicking(std::vector<int> clicks)
{
    whenModal([clicks](QWidget* dialog) {
        for (int id : clicks)
            click(dialog, id);
    });
    QtShellDialogs dialogs;
    return dialogs.askSaveFormat(nullptr);
}

TEST(SaveFormatDialog, opensWithTheCompleteLogChecked)
{
    SaveFormatDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "The Orvanta: Save Format");
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(control<QRadioButton>(&dialog, 1076 + i)->text().toStdString(), kSaveFormatTexts[i]);
        EXPECT_EQ(isChecked(&dialog, 1076 + i), i == 0) << i;
    }
    EXPECT_EQ(control<QWidget>(&dialog, 1076)->geometry(), QRect(10, 10, 376, 20));
}

TEST(SaveFormatDialog, immediateOkGivesTheCompleteLog)
{
    EXPECT_EQ(askSaveFormatClicking({1}), 0);
}

TEST(SaveFormatDialog, eachButtonGivesItsFormat)
{
    EXPECT_EQ(askSaveFormatClicking({1077, 1}), 1);
    EXPECT_EQ(askSaveFormatClicking({1078, 1}), 2);
    EXPECT_EQ(askSaveFormatClicking({1079, 1}), 3);
    EXPECT_EQ(askSaveFormatClicking({1080, 1}), 4);
}

TEST(SaveFormatDialog, cancelGivesMinusOne)
{
    EXPECT_EQ(askSaveFormatClicking({1080, 2}), -1);
    whenModal([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    QtShellDialogs dialogs;
    EXPECT_EQ(dialogs.askSaveFormat(nullptr), -1);
}

TEST(SaveFormatDialog, enterConfirmsTheCheckedFormat)
{
    whenModal([](QWidget* dialog) {
        click(dialog, 1079);
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    QtShellDialogs dialogs;
    EXPECT_EQ(dialogs.askSaveFormat(nullptr), 3);
}

// Asks for the plan's dates with the picker set to picked, clicking the given
// buttons; returns the plan length and leaves the date in planDate.
int askPlan(int planLength, CalendarDate picked, std::vector<int> clicks, CalendarDate& planDate,
            QString* question = nullptr)
{
    whenModal([picked, clicks, question](QWidget* dialog) {
        if (question != nullptr)
            *question = control<QLabel>(dialog, 1073)->text();
        control<QDateEdit>(dialog, 1010)->setDate(QDate(picked.year, picked.month, picked.day));
        for (int id : clicks)
            click(dialog, id);
    });
    planDate = {2000, 1, 1};
    return askTrainingPlan(nullptr, planLength, planDate);
}

TEST(TrainingPlanDialog, weekStartedOnMondayEndsOnSunday)
{
    CalendarDate planDate;
    QString question;
    EXPECT_EQ(askPlan(6, {2004, 10, 4}, {1074, 1}, planDate, &question), 6);
    EXPECT_EQ(planDate, (CalendarDate{2004, 10, 10}));
    EXPECT_TRUE(question.contains("a 7-day training program."));
}

TEST(TrainingPlanDialog, twentyEightDayPlanStartedFirstOfMarchEndsOnTheTwentyEighth)
{
    CalendarDate planDate;
    QString question;
    EXPECT_EQ(askPlan(27, {2004, 3, 1}, {1074, 1}, planDate, &question), 27);
    EXPECT_EQ(planDate, (CalendarDate{2004, 3, 28}));
    EXPECT_EQ(question.toStdString(),
              "The file you have opened is a 28-day training program. Please enter either the starting day of the "
              "plan, or the ending day (such as the date of the race it finishes with):");
}

TEST(TrainingPlanDialog, endingDateIsCheckedAndTakenAsTheLastDay)
{
    TrainingPlanDialog dialog(6, {2004, 10, 4});
    EXPECT_EQ(dialog.windowTitle(), "The Orvanta: Training Plan");
    EXPECT_TRUE(isChecked(&dialog, 1075));
    EXPECT_FALSE(isChecked(&dialog, 1074));
    EXPECT_EQ(control<QDateEdit>(&dialog, 1010)->date(), QDate(2004, 10, 4));

    CalendarDate planDate;
    EXPECT_EQ(askPlan(6, {2004, 10, 10}, {1}, planDate), 6);
    EXPECT_EQ(planDate, (CalendarDate{2004, 10, 10}));
}

// The picker offers only the years a log's two-digit years hold.
TEST(TrainingPlanDialog, pickerStaysWithinTheYearsALogHolds)
{
    CalendarDate planDate;
    EXPECT_EQ(askPlan(6, {2060, 1, 5}, {1}, planDate), 6);
    EXPECT_EQ(planDate, (CalendarDate{2049, 12, 31}));
    EXPECT_EQ(askPlan(6, {1949, 6, 1}, {1}, planDate), 6);
    EXPECT_EQ(planDate, (CalendarDate{1950, 1, 1}));
}

TEST(TrainingPlanDialog, oneDayPlanGivesThePickedDateWithEitherButton)
{
    CalendarDate planDate;
    EXPECT_EQ(askPlan(0, {2004, 5, 17}, {1074, 1}, planDate), 0);
    EXPECT_EQ(planDate, (CalendarDate{2004, 5, 17}));
    EXPECT_EQ(askPlan(0, {2004, 5, 17}, {1075, 1}, planDate), 0);
    EXPECT_EQ(planDate, (CalendarDate{2004, 5, 17}));
}

TEST(TrainingPlanDialog, cancelGivesMinusOneAndKeepsTheDate)
{
    CalendarDate planDate;
    EXPECT_EQ(askPlan(6, {2004, 10, 4}, {1074, 2}, planDate), -1);
    EXPECT_EQ(planDate, (CalendarDate{2000, 1, 1}));

    whenModal([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    planDate = {2004, 1, 1};
    EXPECT_EQ(askTrainingPlan(nullptr, 6, planDate), -1);
}

ShellDialogs::LogChoice askLogChoiceWith(std::function<void(QWidget*)> act)
{
    whenModal(std::move(act));
    QtShellDialogs dialogs;
    return dialogs.askLogChoice(nullptr);
}

TEST(LogChoiceDialog, newButtonStartsANewLog)
{
    EXPECT_EQ(askLogChoiceWith([](QWidget* d) { click(d, 1091); }), ShellDialogs::LogChoice::NewLog);
}

TEST(LogChoiceDialog, openButtonAndEscapeOpenALog)
{
    EXPECT_EQ(askLogChoiceWith([](QWidget* d) { click(d, 1090); }), ShellDialogs::LogChoice::OpenLog);
    EXPECT_EQ(askLogChoiceWith([](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); }),
              ShellDialogs::LogChoice::OpenLog);
}

TEST(LogChoiceDialog, enterStartsANewLogAndAltOOpensOne)
{
    EXPECT_EQ(askLogChoiceWith([](QWidget* d) { QTest::keyClick(d, Qt::Key_Return); }),
              ShellDialogs::LogChoice::NewLog);
    EXPECT_EQ(askLogChoiceWith([](QWidget* d) { QTest::keyClick(d, Qt::Key_O, Qt::AltModifier); }),
              ShellDialogs::LogChoice::OpenLog);
}

TEST(LogChoiceDialog, showsTheQuestionAndBothButtons)
{
    LogChoiceDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Orvanta");
    EXPECT_EQ(dialog.size(), QSize(372, 162));
    EXPECT_EQ(control<QPushButton>(&dialog, 1091)->text(), "Start a &New Log");
    EXPECT_EQ(control<QPushButton>(&dialog, 1090)->text(), "&Open an Existing Log");
    EXPECT_EQ(control<QWidget>(&dialog, 1090)->geometry(), QRect(80, 120, 210, 28));
    const QLabel* text = dialog.findChild<QLabel*>();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text().toStdString(), kLogChoiceText);
}

TEST(AboutDialog, showsTheIconNameVersionAndDate)
{
    AboutDialog dialog;
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains("The Orvanta"));
    EXPECT_TRUE(texts.contains("Version 4.1"));
    EXPECT_TRUE(texts.contains("September 30, 2004"));
    const QLabel* icon = dialog.findChild<QLabel*>(QStringLiteral("icon"));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->pixmap().size(), QSize(48, 48));
    EXPECT_EQ(control<QPushButton>(&dialog, 1)->text(), "OK");
}

TEST(AboutDialog, okCloses)
{
    whenModal([](QWidget* d) { click(d, 1); });
    QtShellDialogs dialogs;
    dialogs.showAbout(nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(ProgramIcons, everySizeIsInTheResources)
{
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QPixmap icon(QStringLiteral(":/icons/orvanta-%1.png").arg(size));
        EXPECT_EQ(icon.size(), QSize(size, size)) << size;
    }
    EXPECT_EQ(QPixmap(QStringLiteral(":/icons/forward.png")).size(), QSize(16, 12));
    EXPECT_EQ(QPixmap(QStringLiteral(":/icons/back.png")).size(), QSize(16, 12));
    EXPECT_EQ(QPixmap(QStringLiteral(":/icons/small.png")).size(), QSize(12, 12));
}

// The main window's view of the two editing dialogs: what they report back.
class ShellDialogsEditing : public ::testing::Test {
protected:
    std::unique_ptr<LogStore> store = dialogtest::storeWithSports({{"Running", 'R'}});
    AppSettings settings;
    MemorySettingsStore settingsStore;
    ScriptedPrompt prompt;
    FixedClock clock{CalendarDate{2004, 10, 4}};
    ShellState state;
    QtShellDialogs dialogs;
    ShellFonts fonts;
    AppContext context{*store, settings, settingsStore, prompt, clock, state, dialogs, fonts};
};

TEST_F(ShellDialogsEditing, preferencesReportAChangeOnOkOnly)
{
    whenModal([](QWidget* d) { click(d, 1); });
    EXPECT_TRUE(dialogs.editPreferences(nullptr, context));
    EXPECT_TRUE(store->modified);

    store->modified = false;
    whenModal([](QWidget* d) {
        click(d, 1021);
        click(d, 2);
    });
    EXPECT_FALSE(dialogs.editPreferences(nullptr, context));
    EXPECT_FALSE(store->modified);
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(ShellDialogsEditing, sportsReportWhetherTheSportsChanged)
{
    whenModal([](QWidget* d) { click(d, 1); });
    EXPECT_FALSE(dialogs.editSports(nullptr, context));

    whenModal([](QWidget* d) {
        control<QListWidget>(d, 1012)->setCurrentRow(0);
        click(d, 1027);
        click(d, 1);
    });
    EXPECT_TRUE(dialogs.editSports(nullptr, context));
    EXPECT_EQ(store->sportCount, 0);
}

}  // namespace
