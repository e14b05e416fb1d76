// The main window driven as a person would: menu commands, answers to its
// questions, and what ends up in the store, the file and the title.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>
#include <memory>

#include "log/clock.h"
#include "log/log_store.h"
#include "scripted_dialogs.h"
#include "scripted_prompt.h"
#include "shell/app_context.h"
#include "shell/logic/app_settings.h"
#include "shell/main_window.h"
#include "temp_dir.h"

namespace {

const char* const kRunLog =
    "Sports List: 2\r\n"
    "Running\tRMmpm\r\n"
    "Cycling\tBKkph\r\n"
    "Preferences: 2  1  1  1  1  1  0\r\n"
    "Routes: 0\r\n"
    "Keywords: 0\r\n"
    "03/21/02\tTR\t5.2M\t45:30\t8:45\tRiver loop\tEasy day\r\n"
    "03/23/02\tRR\t3.1M\t20:10\t6:30\tPark 5K\tRace\r\n"
    "03/22/02\tTB\t20K\t40:00\t30.0\tHills\t\r\n";

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        settingsStore.keyExists = true;
        window = std::make_unique<MainWindow>(context);
        window->resize(800, 600);
        window->show();
    }

    void TearDown() override
    {
        EXPECT_TRUE(prompt.unexpected.empty()) << "unexpected question: " << prompt.unexpected.front();
        store->modified = false;  // nothing is asked while the fixture goes away
        window.reset();
    }

    std::string writeLog(const std::string& name, const std::string& text = kRunLog)
    {
        std::string path = dir.file(name);
        writeFile(path, text);
        return path;
    }

    void openAtStartUp(const std::string& path)
    {
        store->setFileName(path);
        window->startUp();
    }

    void trigger(int id)
    {
        QAction* act = window->action(id);
        ASSERT_NE(act, nullptr) << id;
        act->trigger();
    }

    std::string title() const { return window->windowTitle().toStdString(); }

    TempDir dir;
    std::unique_ptr<LogStore> store = std::make_unique<LogStore>();
    AppSettings settings = defaultSettings();
    MemorySettingsStore settingsStore;
    ScriptedPrompt prompt;
    FixedClock clock{CalendarDate{2004, 3, 21}};
    ShellState state;
    ScriptedDialogs dialogs;
    ShellFonts fonts = ShellFonts::create();
    AppContext context{*store, settings, settingsStore, prompt, clock, state, dialogs, fonts};
    std::unique_ptr<MainWindow> window;
};

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

TEST_F(MainWindowTest, laterCommands_arePresentButDisabled)
{
    for (int id : {cmd::Print, cmd::Fonts}) {
        ASSERT_NE(window->action(id), nullptr) << id;
        EXPECT_FALSE(window->action(id)->isEnabled()) << id;
    }
    EXPECT_EQ(window->action(cmd::Exit)->shortcuts().size(), 2) << "Ctrl+Q and Ctrl+Shift+Q";
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

}  // namespace
