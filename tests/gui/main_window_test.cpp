// The main window driven as a person would: menu commands, answers to its
// questions, and what ends up in the store, the file and the title.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>

#include "main_window_rig.h"
#include "shell/entry_form_controller.h"
#include "shell/main_window.h"
#include "shell/pages/data_entry_page.h"
#include "shell/pages/graph_page.h"
#include "shell/pages/select_page.h"

namespace {

using namespace guitest;

TEST_F(MainWindowTest, startUp_withoutLog_asksForOneAndOpensTheChosenFile)
{
    EXPECT_EQ(title(), "The Orvanta");
    const std::string path = writeLog("Run.dat");
    dialogs.logChoices = {ShellDialogs::LogChoice::OpenLog};
    prompt.openNames = {path};
    window->startUp();
    EXPECT_EQ(dialogs.calls, std::vector<std::string>{"logChoice"});
    ASSERT_EQ(prompt.fileQuestions.size(), 1u);
    EXPECT_EQ(prompt.fileQuestions[0].title, "Select a log to open");
    EXPECT_EQ(store->entryCount, 3);
    EXPECT_EQ(title(), "The Orvanta - Run, 3/3 entries");
    EXPECT_EQ(window->currentPage(), 1) << "a log with entries is shown on the Log page";
}

TEST_F(MainWindowTest, startUp_choosingNew_namesTheLogThenAsksPreferencesAndSports)
{
    dialogs.logChoices = {ShellDialogs::LogChoice::NewLog};
    prompt.saveNames = {dir.file("Fresh.dat")};
    window->startUp();
    EXPECT_EQ(dialogs.calls, (std::vector<std::string>{"logChoice", "preferences", "sports"}));
    EXPECT_EQ(prompt.fileQuestions.at(0).proposedName, "MyNewLog.dat");
    EXPECT_EQ(title(), "The Orvanta - Fresh, 0/0 entries");
    EXPECT_TRUE(store->modified);
    EXPECT_EQ(store->fileName, dir.file("Fresh.dat"));
}

TEST_F(MainWindowTest, startUp_missingDefaultLog_saysSoOnceAndShowsAnEmptyLog)
{
    openAtStartUp(dir.file("Gone.dat"));
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "Couldn't find default log " + dir.file("Gone.dat") +
                                        ". Use File->Open to open a log or File->New to start a new log, then use "
                                        "Special->Log->Make Default Log to designate a new default log.");
    EXPECT_TRUE(dialogs.calls.empty()) << "no log-choice dialog when a log is named";
    EXPECT_EQ(store->entryCount, 0);
    EXPECT_EQ(title(), "The Orvanta - Gone, 0/0 entries");
}

TEST_F(MainWindowTest, new_cancelled_leavesNoActiveLog)
{
    openAtStartUp(writeLog("Run.dat"));
    prompt.saveNames = {std::nullopt};
    trigger(cmd::New);
    EXPECT_EQ(title(), "The Orvanta [No Active Log]");
    EXPECT_EQ(store->fileName, "");
    EXPECT_FALSE(store->modified);
    EXPECT_EQ(store->entryCount, 0);
    EXPECT_EQ(store->sportCount, 0);
}

TEST_F(MainWindowTest, new_withEntries_retainKeepsSportsAndAsksNoDialogs)
{
    openAtStartUp(writeLog("Run.dat"));
    prompt.saveNames = {dir.file("Next.dat")};
    prompt.answers = {UserPrompt::Answer::Yes};
    trigger(cmd::New);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "Do you want to retain your current sports, routes, preferences, and keywords?");
    EXPECT_EQ(store->entryCount, 0);
    EXPECT_EQ(store->sportCount, 2);
    EXPECT_EQ(store->preferences.closeAction(), 2);
    EXPECT_TRUE(store->modified);
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(MainWindowTest, new_withEntries_notRetainedEmptiesSportsAndShowsBothDialogs)
{
    openAtStartUp(writeLog("Run.dat"));
    prompt.saveNames = {dir.file("Next.dat")};
    prompt.answers = {UserPrompt::Answer::No};
    trigger(cmd::New);
    EXPECT_EQ(store->sportCount, 0);
    EXPECT_EQ(dialogs.calls, (std::vector<std::string>{"preferences", "sports"}));
}

TEST_F(MainWindowTest, open_cancelled_emptiesTheLogAndNamesNoFile)
{
    openAtStartUp(writeLog("Run.dat"));
    prompt.openNames = {std::nullopt};
    trigger(cmd::Open);
    EXPECT_EQ(store->entryCount, 0);
    EXPECT_EQ(store->fileName, "");
    EXPECT_EQ(title(), "The Orvanta [No Active Log]");
}

struct ExitCase {
    const char* name;
    int closeAction;
    std::optional<UserPrompt::Answer> answer;
    bool closes;
    bool saved;
};

void PrintTo(const ExitCase& c, std::ostream* os)
{
    *os << c.name;
}

class ExitWithChanges : public MainWindowTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(ExitWithChanges, followsThePreferenceAndTheAnswer)
{
    const ExitCase& c = GetParam();
    const std::string path = writeLog("Run.dat");
    openAtStartUp(path);
    store->preferences.values[0] = c.closeAction;
    store->removeAt(0);  // an unsaved change
    if (c.answer)
        prompt.answers = {*c.answer};
    trigger(cmd::Exit);
    EXPECT_EQ(window->isVisible(), !c.closes);
    EXPECT_EQ(readFile(path) != kRunLog, c.saved);
    EXPECT_EQ(prompt.shown.size(), c.answer ? 1u : 0u);
    if (c.answer) {
        EXPECT_EQ(prompt.shown[0].text, "You have unsaved changes in your log. Do you want to save them now?");
    }
}

INSTANTIATE_TEST_SUITE_P(, ExitWithChanges,
                         ::testing::Values(ExitCase{"askYes", 2, UserPrompt::Answer::Yes, true, true},
                                           ExitCase{"askNo", 2, UserPrompt::Answer::No, true, false},
                                           ExitCase{"askCancel", 2, UserPrompt::Answer::Cancel, false, false},
                                           ExitCase{"automaticSave", 1, std::nullopt, true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, exit_writesTheSettingsWhenItProceeds)
{
    openAtStartUp(writeLog("Run.dat"));
    settings.totalPeriod = 2;
    trigger(cmd::Exit);
    EXPECT_EQ(settingsStore.readInt("Total Period"), 2);
    EXPECT_TRUE(settingsStore.readString("Main Window").has_value());
}

TEST_F(MainWindowTest, exitWithoutSaving_cancelKeepsRunningOkLeavesFileAndSettings)
{
    const std::string path = writeLog("Run.dat");
    openAtStartUp(path);
    store->removeAt(0);
    prompt.answers = {UserPrompt::Answer::Cancel, UserPrompt::Answer::Ok};
    trigger(cmd::ExitWithoutSaving);
    EXPECT_TRUE(window->isVisible());
    trigger(cmd::ExitWithoutSaving);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(readFile(path), kRunLog);
    EXPECT_FALSE(settingsStore.readInt("Total Period").has_value());
}

TEST_F(MainWindowTest, revert_readsTheFileAgainAfterConfirmation)
{
    openAtStartUp(writeLog("Run.dat"));
    store->removeAt(0);
    prompt.answers = {UserPrompt::Answer::Cancel};
    trigger(cmd::Revert);
    EXPECT_EQ(store->entryCount, 2) << "Cancel keeps the changed log";
    prompt.answers = {UserPrompt::Answer::Ok};
    trigger(cmd::Revert);
    EXPECT_EQ(store->entryCount, 3);
    EXPECT_FALSE(store->modified);
    EXPECT_EQ(prompt.shown.back().text,
              "You have unsaved changes in your log. Are you sure you want to revert to the saved version?");
}

TEST_F(MainWindowTest, sortEntries_sortsAnUnsortedLogAndLeavesASortedOneUnmodified)
{
    openAtStartUp(writeLog("Run.dat"));
    trigger(cmd::SortEntries);
    EXPECT_TRUE(store->modified);
    EXPECT_EQ(store->entry(1).dateText.str(), "03/22/02");
    EXPECT_EQ(store->entry(2).dateText.str(), "03/23/02");
    store->modified = false;
    trigger(cmd::SortEntries);
    EXPECT_FALSE(store->modified);
}

TEST_F(MainWindowTest, save_writesTheLogAndMakesItTheDefaultWhenNoneIsSet)
{
    const std::string path = writeLog("Run.dat");
    openAtStartUp(path);
    store->removeAt(2);
    trigger(cmd::Save);
    EXPECT_FALSE(store->modified);
    EXPECT_EQ(readFile(path).find("Hills"), std::string::npos);
    EXPECT_EQ(settingsStore.readString("Default Log"), path);
    EXPECT_EQ(readFile(dir.file("Run.bak")), kRunLog) << "the old log is kept as the backup copy";
}

struct SaveAsCase {
    const char* name;
    int format;
    const char* proposed;
    const char* begins;
};

void PrintTo(const SaveAsCase& c, std::ostream* os)
{
    *os << c.name;
}

class SaveSelectedAs : public MainWindowTest, public ::testing::WithParamInterface<SaveAsCase> {};

TEST_P(SaveSelectedAs, writesTheSelectedEntriesInTheChosenFormat)
{
    const SaveAsCase& c = GetParam();
    openAtStartUp(writeLog("Run.dat"));
    store->entry(2).selected = 0;
    const std::string out = dir.file("Out");
    writeFile(dir.file("Out.dat"), "old line\r\n");
    dialogs.saveFormats = {c.format};
    prompt.saveNames = {out};
    trigger(cmd::SaveSelectedAs);
    ASSERT_EQ(prompt.fileQuestions.size(), 1u);
    std::string proposed = c.format == 3 ? dir.file(c.proposed) : std::string(c.proposed);
    EXPECT_EQ(prompt.fileQuestions[0].proposedName, proposed);
    const std::string written = readFile(out + (c.format == 3 ? ".htm" : ".dat"));
    EXPECT_EQ(written.substr(0, std::string(c.begins).size()), c.begins);
    EXPECT_EQ(written.find("Hills"), std::string::npos) << "an unselected entry is left out";
    EXPECT_NE(written.find("Park 5K"), std::string::npos);
    EXPECT_FALSE(store->modified);
    EXPECT_EQ(store->fileName, dir.file("Run.dat"));
}

INSTANTIATE_TEST_SUITE_P(, SaveSelectedAs,
                         ::testing::Values(SaveAsCase{"complete", 0, "Download.dat", "Sports List: 2\r\n"},
                                           SaveAsCase{"entriesOnly", 1, "Download.dat", "03/21/02\tTR"},
                                           SaveAsCase{"append", 2, "Download.dat", "old line\r\n03/21/02\tTR"},
                                           SaveAsCase{"html", 3, "Run.htm", "<html><head><title>Out</title>"},
                                           SaveAsCase{"training", 4, "Download.dat", "-2\tTR"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, saveSelectedAs_cancelledFormatAsksNothingMore)
{
    openAtStartUp(writeLog("Run.dat"));
    dialogs.saveFormats = {-1};
    trigger(cmd::SaveSelectedAs);
    EXPECT_TRUE(prompt.fileQuestions.empty());
}

TEST_F(MainWindowTest, makeDefaultLog_writesDefaultAndMergeLogAndSaysSo)
{
    const std::string path = writeLog("Run.dat");
    openAtStartUp(path);
    trigger(cmd::MakeDefaultLog);
    EXPECT_EQ(settingsStore.readString("Default Log"), path);
    EXPECT_EQ(settingsStore.readString("Merge Log"), path);
    trigger(cmd::MakeMergeLog);
    EXPECT_EQ(prompt.lines().back(),
              "Orvanta: The current file is now the log into which any Palm entries will be merged.");
}

TEST_F(MainWindowTest, displayModes_moveTheCheckMarkAndTheSetting)
{
    trigger(cmd::ShowAllHighlight);
    EXPECT_EQ(settings.selectionDisplayMode, 0);
    EXPECT_TRUE(window->action(cmd::ShowAllHighlight)->isChecked());
    EXPECT_FALSE(window->action(cmd::ShowSelectedOnly)->isChecked());
    trigger(cmd::ShowSelectedOnly);
    EXPECT_EQ(settings.selectionDisplayMode, 1);
    EXPECT_TRUE(window->action(cmd::ShowSelectedOnly)->isChecked());
}

TEST_F(MainWindowTest, selectAll_selectsEveryEntryAndRetitles)
{
    openAtStartUp(writeLog("Run.dat"));
    store->entry(0).selected = 0;
    store->shownCount = 2;
    window->switchToPage(0);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* route = window->findChild<QPlainTextEdit*>(QStringLiteral("routeEdit"));
    ASSERT_NE(route, nullptr);
    route->setFocus();
    QTest::keyClicks(route, "Hills");
    // Ctrl+A selects every entry even with the caret in a text box.
    QTest::keyClick(route, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(store->entry(0).selected, 1);
    EXPECT_EQ(title(), "The Orvanta - Run, 3/3 entries");
}

TEST_F(MainWindowTest, exit_hasCtrlQAndCtrlShiftQ)
{
    EXPECT_EQ(window->action(cmd::Exit)->shortcuts().size(), 2) << "Ctrl+Q and Ctrl+Shift+Q";
}

TEST_F(MainWindowTest, configureFonts_opensTheFontsDialogAndTheChoiceTakesEffect)
{
    openAtStartUp(writeLog("Run.dat"));
    window->tabBar()->setCurrentIndex(2);
    ASSERT_TRUE(window->action(cmd::Fonts)->isEnabled());
    dialogs.whileFontsOpen = [](AppContext& c) { c.settings.fontSizeDay = 14; };
    window->action(cmd::Fonts)->trigger();
    EXPECT_EQ(dialogs.calls, std::vector<std::string>{"fonts"});
    EXPECT_EQ(settings.fontSizeDay, 14);
    EXPECT_FALSE(store->modified) << "fonts are settings, not part of the log";
}

TEST_F(MainWindowTest, configureCalories_opensTheCalorieDialog)
{
    openAtStartUp(writeLog("Run.dat"));
    window->tabBar()->setCurrentIndex(5);
    ASSERT_TRUE(window->action(cmd::Calories)->isEnabled());
    window->action(cmd::Calories)->trigger();
    EXPECT_EQ(dialogs.calls, std::vector<std::string>{"calories"});
}

TEST_F(MainWindowTest, tabs_switchPagesAndRememberWhereSelectReturns)
{
    openAtStartUp(writeLog("Run.dat"));
    window->tabBar()->setCurrentIndex(0);
    window->tabBar()->setCurrentIndex(6);
    EXPECT_EQ(state.returnPage, 1) << "leaving the Data Entry page returns to the Log";
    window->tabBar()->setCurrentIndex(3);
    window->tabBar()->setCurrentIndex(6);
    EXPECT_EQ(state.returnPage, 3);
    window->tabBar()->setCurrentIndex(2);
    EXPECT_EQ(state.dayEntry, 2) << "the Day page starts at the last entry";
    for (int i = 0; i < kPageCount; ++i) {
        window->tabBar()->setCurrentIndex(i);
        ASSERT_NE(window->page(i), nullptr) << i;
        EXPECT_TRUE(window->page(i)->isVisible()) << i;
    }
}

TEST_F(MainWindowTest, resize_keepsWhatWasTyped)
{
    window->switchToPage(0);
    auto* route = window->findChild<QPlainTextEdit*>(QStringLiteral("routeEdit"));
    ASSERT_NE(route, nullptr);
    route->setFocus();
    QTest::keyClicks(route, "Track 8x400");
    window->resize(1000, 700);
    QApplication::processEvents();
    EXPECT_EQ(route->toPlainText().toStdString(), "Track 8x400");
    EXPECT_EQ(route->width(), window->canvas()->width() - 90) << "the box is laid out for the new width";
}

TEST_F(MainWindowTest, helpManual_withoutTheManualInTheProgramsFolder_saysSo)
{
    window->setManualFolder(QString::fromStdString(dir.path()));
    trigger(cmd::Manual);
    EXPECT_EQ(prompt.lines(), std::vector<std::string>{std::string("Orvanta: ") + kManualMissing});
}

// The headless platform opens no documents, as a desktop without a PDF viewer.
TEST_F(MainWindowTest, helpManual_thatNothingCanOpen_namesTheFile)
{
    writeFile(dir.file("orvwinxpman.pdf"), "%PDF-1.4\n");
    window->setManualFolder(QString::fromStdString(dir.path()));
    trigger(cmd::Manual);
    EXPECT_EQ(prompt.lines(), std::vector<std::string>{"Orvanta: No program was found to open the manual " +
                                                       dir.file("orvwinxpman.pdf") + "."});
}

const char* const kSwimLog =
    "Sports List: 1\r\n"
    "Swimming\tSYsyd\r\n"
    "Preferences: 2  1  1  2  1  1  0\r\n"
    "Routes: 1\r\n"
    "Pool\tTS\t1000Y\t\t\t50m pool\t\t\r\n"
    "Keywords: 1\r\n"
    "\t#\tDrills\r\n"
    "21/03/05\tTS\t1000Y\t25:00\t\tPool\t\r\n"
    "22/04/05\tTS\t1500Y\t35:00\t\tPool\t\r\n";

TEST_F(MainWindowTest, startUp_withANamedLog_staysOnTheFormWithTheFocusInTheDate)
{
    openAtStartUp(writeLog("Run.dat"));
    EXPECT_EQ(window->currentPage(), 0) << "a workout can be typed at once";
    auto* form = qobject_cast<DataEntryPage*>(window->page(0));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(window->focusWidget(), form->entryDate());
    QTest::keyClicks(form->entryDate(), "03/21/10");
    EXPECT_EQ(form->entryDate()->date(), QDate(2010, 3, 21)) << "a date typed at once";
    EXPECT_EQ(comboTexts(form->sportCombo()), (QStringList{"None", "Running", "Cycling"}));

    prompt.answers = {UserPrompt::Answer::Ok};
    store->modified = true;
    trigger(cmd::Revert);
    EXPECT_EQ(window->currentPage(), 0) << "Revert stays where it is";
}

// Open, a hand-over, Merge, New and Revert give the pages the lists of the
// log now open, as rebuilding them would.
TEST_F(MainWindowTest, everyWayToAnotherLog_refreshesTheListsThePagesTookFromTheLog)
{
    openAtStartUp(writeLog("Run.dat"));
    window->switchToPage(static_cast<int>(PageIndex::Graph));
    window->switchToPage(static_cast<int>(PageIndex::Select));
    auto* select = qobject_cast<SelectPage*>(window->page(static_cast<int>(PageIndex::Select)));
    auto* graph = qobject_cast<GraphPage*>(window->page(static_cast<int>(PageIndex::Graph)));
    ASSERT_TRUE(select && graph);
    select->combo(ctl::SelectSport)->setCurrentIndex(2);  // Running

    const std::string swim = writeLog("Swim.dat", kSwimLog);
    prompt.openNames = {swim};
    trigger(cmd::Open);
    EXPECT_EQ(comboTexts(select->combo(ctl::SelectSport)), (QStringList{"", "None", "Swimming"}));
    EXPECT_EQ(comboTexts(select->combo(ctl::SelectKeyword)), (QStringList{"", "Drills"}));
    EXPECT_EQ(comboTexts(select->combo(ctl::SelectRoute)), (QStringList{"", "Pool"}));
    EXPECT_EQ(select->fromDate()->date(), QDate(2005, 3, 21));
    EXPECT_EQ(select->toDate()->date(), QDate(2005, 4, 22));
    EXPECT_EQ(select->fromDate()->displayFormat(), "dd/MM/yy") << "the log's date order";
    EXPECT_EQ(comboTexts(graph->quantityCombo()).last(), "Drills");
    auto* form = qobject_cast<DataEntryPage*>(window->page(0));
    EXPECT_EQ(form->entryDate()->displayFormat(), "dd/MM/yy");

    window->openHandedOver(writeLog("Run2.dat"));
    EXPECT_EQ(comboTexts(select->combo(ctl::SelectSport)), (QStringList{"", "None", "Running", "Cycling"}));
    EXPECT_EQ(comboTexts(select->combo(ctl::SelectRoute)), QStringList{""});
    EXPECT_EQ(comboTexts(graph->quantityCombo()).size(), 5) << "no keywords any more";
    EXPECT_EQ(form->entryDate()->displayFormat(), "MM/dd/yy");

    prompt.openNames = {writeLog("Later.dat", std::string(kRunLog) + "04/02/03\tTR\t3M\t25:00\t\t\t\r\n")};
    trigger(cmd::Merge);
    EXPECT_EQ(select->toDate()->date(), QDate(2003, 4, 2)) << "the span of the merged log";

    store->modified = false;
    prompt.saveNames = {dir.file("Fresh.dat")};
    prompt.answers = {UserPrompt::Answer::No};  // do not retain
    trigger(cmd::New);
    EXPECT_EQ(comboTexts(select->combo(ctl::SelectSport)), (QStringList{"", "None"}));

    writeFile(store->fileName, kSwimLog);
    prompt.answers = {UserPrompt::Answer::Ok};
    trigger(cmd::Revert);
    EXPECT_EQ(comboTexts(select->combo(ctl::SelectSport)), (QStringList{"", "None", "Swimming"}));
}

TEST_F(MainWindowTest, sortEntries_whileModifying_keepsTheFormAndTheDayOnTheirEntries)
{
    openAtStartUp(writeLog("Run.dat"));  // 03/21, 03/23, 03/22
    auto* form = qobject_cast<DataEntryPage*>(window->page(0));
    ASSERT_NE(form, nullptr);
    state.dayEntry = 1;                    // the race of 03/23
    form->form()->fillFromEntry(2, true);  // the ride of 03/22
    trigger(cmd::SortEntries);
    EXPECT_EQ(store->editingIndex, 1);
    EXPECT_EQ(state.dayEntry, 2);
    EXPECT_EQ(store->entry(static_cast<std::size_t>(state.dayEntry)).routeText.str(), "Park 5K");

    form->commentEdit()->setPlainText(QStringLiteral("Windy"));
    ASSERT_EQ(form->form()->save(), 1);
    EXPECT_EQ(store->entryCount, 3);
    EXPECT_EQ(store->entry(1).routeText.str(), "Hills");
    EXPECT_EQ(store->entry(1).commentText.str(), "Windy");
    EXPECT_EQ(store->entry(2).routeText.str(), "Park 5K") << "the race is untouched";
    EXPECT_EQ(store->entry(2).commentText.str(), "Race");
}

TEST_F(MainWindowTest, exitWithoutSaving_offersCancelAsTheDefault)
{
    openAtStartUp(writeLog("Run.dat"));
    store->modified = true;
    prompt.answers = {UserPrompt::Answer::Cancel};
    trigger(cmd::ExitWithoutSaving);
    ASSERT_FALSE(prompt.shown.empty());
    EXPECT_EQ(prompt.shown.back().defaultAnswer, UserPrompt::Answer::Cancel);
}

TEST_F(MainWindowTest, about_opensWithAltQuestionMarkAsWithAltSlash)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_Slash, Qt::AltModifier);
    // "?" is typed with Shift on most keyboards.
    QTest::keyClick(window.get(), Qt::Key_Question, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(dialogs.calls, (std::vector<std::string>{"about", "about"}));
}

// Below the Select page, the only page shorter than the window, the window
// shows its own colour; rows longer than a list are cut, not shortened with
// an ellipsis.
TEST_F(MainWindowTest, areaBelowTheSelectPage_isTheWindowColour_listRowsAreCut)
{
    openAtStartUp(writeLog("Run.dat"));
    window->switchToPage(static_cast<int>(PageIndex::Select));
    const QImage canvas = window->canvas()->grab().toImage();
    const QColor below(canvas.pixel(10, window->page(static_cast<int>(PageIndex::Select))->geometry().bottom() + 10));
    EXPECT_EQ(below, window->canvas()->palette().color(QPalette::Base));

    window->switchToPage(static_cast<int>(PageIndex::Log));
    for (const int id : {ctl::LogList, ctl::RecentList})
        EXPECT_EQ(window->findChild<QListView*>(controlName(id))->textElideMode(), Qt::ElideNone) << id;
}

}  // namespace
