// File > Merge, File > Archive and Set Palm Download Folder driven through
// the real menu commands and the real Training Plan and Archive dialogs.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QRadioButton>
#include <QSettings>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>

#include "dialogs/archive_dialog.h"
#include "dialogs/training_plan_dialog.h"
#include "log/clock.h"
#include "log/log_store.h"
#include "scripted_dialogs.h"
#include "shell/app_context.h"
#include "shell/logic/app_settings.h"
#include "shell/main_window.h"
#include "main_window_rig.h"
#include "shell_rig.h"
#include "transfer_test_support.h"

namespace {

using namespace transfer;

const std::string kRunLog =
    kRunHead + crlf({entryLine("02/28/02", "feb"), entryLine("03/15/02", "mar"), entryLine("04/01/02", "apr")});

// Answers the next modal dialog of type Dialog as soon as it is up. The
// dialog runs its own event loop, in which the timer fires; once the answer
// goes out of scope it answers nothing more.
template <typename Dialog>
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(Dialog*)> answer) : m_state(std::make_shared<State>())
    {
        m_state->answer = std::move(answer);
        poll(m_state);
    }
    ~ModalAnswer() { m_state->stopped = true; }
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

    bool answered() const { return m_state->answered; }

private:
    struct State {
        std::function<void(Dialog*)> answer;
        bool answered = false;
        bool stopped = false;
        int tries = 0;
    };

    static void poll(const std::shared_ptr<State>& state)
    {
        QTimer::singleShot(5, [state] {
            if (state->answered || state->stopped || ++state->tries > 400)
                return;
            if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
                state->answered = true;
                state->answer(dialog);
                return;
            }
            poll(state);
        });
    }

    std::shared_ptr<State> m_state;
};

template <typename Widget>
Widget* control(QWidget* dialog, int id)
{
    return dialog->findChild<Widget*>(QStringLiteral("ctl%1").arg(id));
}

class TransferWindow : public guitest::MainWindowTest {
protected:
    // Writes the bytes as Run.dat and opens it as the program's start does.
    std::string openRunLog(const std::string& bytes = kRunLog)
    {
        const std::string path = writeLog("Run.dat", bytes);
        openAtStartUp(path);
        return path;
    }
};

TEST_F(TransferWindow, merge_trainingProgram_isPlacedThroughTheTrainingPlanDialog)
{
    openRunLog();
    window->switchToPage(0);
    const std::string program = writeLog("Plan.dat", crlf(programLines(27)));
    prompt.openNames = {program};
    QString question;
    bool endingCheckedFirst = false;
    QDate shownFirst;
    ModalAnswer<TrainingPlanDialog> answer([&](TrainingPlanDialog* dialog) {
        question = control<QLabel>(dialog, 1073)->text();
        endingCheckedFirst = control<QRadioButton>(dialog, 1075)->isChecked();
        shownFirst = control<QDateEdit>(dialog, 1010)->date();
        control<QDateEdit>(dialog, 1010)->setDate(QDate(2004, 3, 1));
        control<QRadioButton>(dialog, 1074)->click();
        control<QAbstractButton>(dialog, 1)->click();
    });
    trigger(cmd::Merge);

    ASSERT_TRUE(answer.answered());
    EXPECT_TRUE(question.startsWith(QStringLiteral("The file you have opened is a 28-day training program.")))
        << question.toStdString();
    EXPECT_TRUE(endingCheckedFirst);
    EXPECT_EQ(shownFirst, QDate(2004, 3, 21)) << "the picker starts on today";
    ASSERT_EQ(prompt.fileQuestions.size(), 1u);
    EXPECT_EQ(prompt.fileQuestions[0].title, "Select a log to open");
    EXPECT_EQ(prompt.fileQuestions[0].filter, UserPrompt::FileFilter::Logs);
    ASSERT_EQ(store->entryCount, 31);
    for (int day = 1; day <= 28; ++day)
        EXPECT_EQ(store->entry(2 + day).dateKey, 1040300u + static_cast<unsigned>(day)) << day;
    EXPECT_TRUE(store->modified);
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_EQ(title(), "The Orvanta - Run, 31/31 entries");
    EXPECT_EQ(window->currentPage(), 1) << "merged entries are shown on the Log page";
}

TEST_F(TransferWindow, merge_trainingPlanDialogCancelled_addsNothing)
{
    openRunLog();
    prompt.openNames = {writeLog("Plan.dat", crlf(programLines(6)))};
    ModalAnswer<TrainingPlanDialog> answer(
        [](TrainingPlanDialog* dialog) { control<QAbstractButton>(dialog, 2)->click(); });
    trigger(cmd::Merge);
    ASSERT_TRUE(answer.answered());
    EXPECT_EQ(store->entryCount, 3);
    EXPECT_FALSE(store->modified);
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_EQ(title(), "The Orvanta - Run, 3/3 entries");
}

TEST_F(TransferWindow, merge_logIntoItself_doublesItAndTheTitleSaysSo)
{
    const std::string log = openRunLog();
    prompt.openNames = {log, std::nullopt};
    trigger(cmd::Merge);
    EXPECT_EQ(routes(*store), (std::vector<std::string>{"feb", "feb", "mar", "mar", "apr", "apr"}));
    EXPECT_EQ(title(), "The Orvanta - Run, 6/6 entries");

    // The next Merge starts from the file merged last; cancelling it
    // changes nothing.
    trigger(cmd::Merge);
    ASSERT_EQ(prompt.fileQuestions.size(), 2u);
    EXPECT_EQ(prompt.fileQuestions[1].proposedName, log);
    EXPECT_EQ(store->entryCount, 6);
}

TEST_F(TransferWindow, merge_fileOfSectionsOnly_saysThereWereNoNewEntries)
{
    openRunLog();
    prompt.openNames = {writeLog("Sections.dat", kRunHead)};
    trigger(cmd::Merge);
    EXPECT_EQ(prompt.lines(), std::vector<std::string>{"Orvanta: There were no new entries in that file!"});
    EXPECT_EQ(title(), "The Orvanta - Run, 3/3 entries");
}

TEST_F(TransferWindow, merge_keepsTheDayViewOnItsEntry)
{
    openRunLog();
    window->switchToPage(1);
    state.dayEntry = 1;  // mar
    prompt.openNames = {writeLog("Early.dat", crlf({entryLine("01/01/02", "new year")}))};
    trigger(cmd::Merge);
    EXPECT_EQ(state.dayEntry, 2);
    EXPECT_EQ(std::string(store->entry(state.dayEntry).routeText.view()), "mar");
}

TEST_F(TransferWindow, archive_dialogOffersTheFirstEntrysYear_andArchivesTheChosenRange)
{
    const std::string log = openRunLog();
    const std::string out = dir.file("Old.dat");
    prompt.saveNames = {out};
    QString dialogTitle, boxText;
    QDate starting, ending;
    bool boxChecked = false;
    ModalAnswer<ArchiveDialog> answer([&](ArchiveDialog* dialog) {
        dialogTitle = dialog->windowTitle();
        starting = dialog->startingPicker()->date();
        ending = dialog->endingPicker()->date();
        boxChecked = dialog->removeBox()->isChecked();
        boxText = dialog->removeBox()->text();
        dialog->startingPicker()->setDate(QDate(2002, 2, 28));
        dialog->endingPicker()->setDate(QDate(2002, 3, 15));
        control<QAbstractButton>(dialog, 1)->click();
    });
    trigger(cmd::Archive);

    ASSERT_TRUE(answer.answered());
    EXPECT_EQ(dialogTitle.toStdString(), "The Orvanta: Archive Records");
    EXPECT_EQ(starting, QDate(2002, 1, 1));
    EXPECT_EQ(ending, QDate(2002, 12, 31));
    EXPECT_TRUE(boxChecked);
    EXPECT_EQ(boxText.toStdString(), "Remove archived records from this log after archiving");
    ASSERT_EQ(prompt.fileQuestions.size(), 1u);
    EXPECT_EQ(prompt.fileQuestions[0].title, "Enter the name of the new file");
    EXPECT_EQ(prompt.fileQuestions[0].proposedName, ".dat");
    EXPECT_EQ(readFile(out), kRunHead + crlf({entryLine("02/28/02", "feb"), entryLine("03/15/02", "mar")}));
    EXPECT_EQ(routes(*store), std::vector<std::string>{"apr"});
    EXPECT_TRUE(store->modified);
    EXPECT_EQ(title(), "The Orvanta - Run, 1/1 entries");
    EXPECT_EQ(readFile(log), kRunLog) << "the log's file waits for File > Save";
}

TEST_F(TransferWindow, archive_withTheBoxCleared_keepsTheEntriesAndSelectsThemAll)
{
    openRunLog();
    store->entry(0).selected = 0;
    store->shownCount = 2;
    prompt.saveNames = {dir.file("Copy.dat")};
    ModalAnswer<ArchiveDialog> answer([](ArchiveDialog* dialog) {
        dialog->removeBox()->click();
        control<QAbstractButton>(dialog, 1)->click();
    });
    trigger(cmd::Archive);
    ASSERT_TRUE(answer.answered());
    EXPECT_EQ(readFile(dir.file("Copy.dat")), kRunLog);
    EXPECT_EQ(store->entryCount, 3);
    EXPECT_EQ(store->entry(0).selected, 1);
    EXPECT_FALSE(store->modified);
    EXPECT_EQ(title(), "The Orvanta - Run, 3/3 entries");
}

TEST_F(TransferWindow, archive_cancelled_asksNothingAndChangesNothing)
{
    openRunLog();
    ModalAnswer<ArchiveDialog> answer([](ArchiveDialog* dialog) { control<QAbstractButton>(dialog, 2)->click(); });
    trigger(cmd::Archive);
    ASSERT_TRUE(answer.answered());
    EXPECT_TRUE(prompt.fileQuestions.empty());
    EXPECT_EQ(store->entryCount, 3);
    EXPECT_FALSE(store->modified);
}

TEST_F(TransferWindow, archive_fileQuestionCancelled_changesNothing)
{
    openRunLog();
    store->entry(1).selected = 0;
    prompt.saveNames = {std::nullopt};
    ModalAnswer<ArchiveDialog> answer([](ArchiveDialog* dialog) { control<QAbstractButton>(dialog, 1)->click(); });
    trigger(cmd::Archive);
    ASSERT_TRUE(answer.answered());
    EXPECT_EQ(store->entryCount, 3);
    EXPECT_EQ(store->entry(1).selected, 0) << "not even the selection";
    EXPECT_FALSE(store->modified);
    EXPECT_FALSE(std::filesystem::exists(dir.file(".dat")));
}

TEST_F(TransferWindow, archive_intoTheOpenLogByALink_isRefusedAndLosesNothing)
{
    const std::string log = openRunLog();
    std::filesystem::create_symlink(log, dir.file("Alias.dat"));
    prompt.saveNames = {dir.file("Alias.dat")};
    ModalAnswer<ArchiveDialog> answer([](ArchiveDialog* dialog) { control<QAbstractButton>(dialog, 1)->click(); });
    trigger(cmd::Archive);
    ASSERT_TRUE(answer.answered());
    EXPECT_EQ(prompt.lines(), std::vector<std::string>{
                                  "Orvanta: You can't archive data into a file of the same name as your open log!"});
    EXPECT_EQ(store->entryCount, 3);
    EXPECT_FALSE(store->modified);
    EXPECT_EQ(readFile(log), kRunLog);
    EXPECT_EQ(title(), "The Orvanta - Run, 3/3 entries");
}

TEST_F(TransferWindow, archive_ofALogWithoutEntries_offersThisYear)
{
    openRunLog(kRunHead);
    QDate starting, ending;
    ModalAnswer<ArchiveDialog> answer([&](ArchiveDialog* dialog) {
        starting = dialog->startingPicker()->date();
        ending = dialog->endingPicker()->date();
        control<QAbstractButton>(dialog, 2)->click();
    });
    trigger(cmd::Archive);
    ASSERT_TRUE(answer.answered());
    EXPECT_EQ(starting, QDate(2004, 1, 1));
    EXPECT_EQ(ending, QDate(2004, 12, 31));
}

TEST_F(TransferWindow, archive_dayViewWhoseEntryLeft_showsTheLastEntry)
{
    openRunLog();
    state.dayEntry = 0;  // feb, archived below
    prompt.saveNames = {dir.file("Old.dat")};
    ModalAnswer<ArchiveDialog> answer([](ArchiveDialog* dialog) {
        dialog->endingPicker()->setDate(QDate(2002, 3, 1));
        control<QAbstractButton>(dialog, 1)->click();
    });
    trigger(cmd::Archive);
    ASSERT_TRUE(answer.answered());
    EXPECT_EQ(store->entryCount, 2);
    EXPECT_EQ(state.dayEntry, 1) << "the day view's entry left: it shows the last one";
}

// The Palm desktop's store names the HotSync program; the question starts in
// its folder.
TEST_F(TransferWindow, setDownloadFolder_startsInTheHotSyncFolder_andKeepsTheFileForTheSettings)
{
    openRunLog();
    QSettings palm(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("U.S. Robotics"),
                   QStringLiteral("Pilot Desktop"));
    palm.setValue(QStringLiteral("Core/HotSyncPath"), QStringLiteral("/opt/palm/HotSync"));
    palm.sync();
    prompt.saveNames = {std::string("/opt/palm/Orvanta/Download.dat"), std::string("/opt/palm/Other/Download.dat")};

    trigger(cmd::SetDownloadFolder);
    ASSERT_EQ(prompt.fileQuestions.size(), 1u);
    EXPECT_EQ(prompt.fileQuestions[0].title, "Please locate the ORV/Palm upload/download folder");
    EXPECT_EQ(prompt.fileQuestions[0].initialFolder, "/opt/palm/");
    EXPECT_EQ(prompt.fileQuestions[0].proposedName, "Download.dat");
    EXPECT_EQ(settings.downloadLog, "/opt/palm/Orvanta/Download.dat");
    EXPECT_TRUE(window->leaveLog());
    EXPECT_EQ(settingsStore.readString("Download Log"), std::optional<std::string>("/opt/palm/Orvanta/Download.dat"));

    trigger(cmd::SetDownloadFolder);
    EXPECT_EQ(settings.downloadLog, "");
    EXPECT_EQ(prompt.lines(), std::vector<std::string>{"Orvanta: You did not correctly locate the \"Orvanta\" "
                                                       "folder where data from the Palm are uploaded and downloaded."});
    palm.remove(QStringLiteral("Core/HotSyncPath"));
    palm.sync();
}

TEST_F(TransferWindow, setDownloadFolder_withoutThePalmDesktop_startsInNoFolder_andCancelClears)
{
    openRunLog();
    settings.downloadLog = "/old/Orvanta/Download.dat";
    prompt.saveNames = {std::nullopt};
    trigger(cmd::SetDownloadFolder);
    EXPECT_EQ(prompt.fileQuestions.at(0).initialFolder, "");
    EXPECT_EQ(settings.downloadLog, "");
    EXPECT_TRUE(prompt.shown.empty());
}

// The Training Plan dialog on its own: the picked day and the button give
// the plan's last day.
struct PlanRow {
    const char* name;
    int planLength;
    QDate picked;
    bool starting;
    CalendarDate lastDay;
};

class TrainingPlanAnswer : public ::testing::TestWithParam<PlanRow> {};

TEST_P(TrainingPlanAnswer, givesThePlansLastDay)
{
    const PlanRow& row = GetParam();
    ModalAnswer<TrainingPlanDialog> answer([&row](TrainingPlanDialog* dialog) {
        control<QDateEdit>(dialog, 1010)->setDate(row.picked);
        control<QRadioButton>(dialog, row.starting ? 1074 : 1075)->click();
        control<QAbstractButton>(dialog, 1)->click();
    });
    CalendarDate date{2004, 1, 1};
    EXPECT_EQ(askTrainingPlan(nullptr, row.planLength, date), row.planLength);
    ASSERT_TRUE(answer.answered());
    EXPECT_EQ(date, row.lastDay);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TrainingPlanAnswer,
    ::testing::Values(PlanRow{"sevenDaysFromMondayFourthOctober", 6, QDate(2004, 10, 4), true, {2004, 10, 10}},
                      PlanRow{"sevenDaysEndingSundayTenthOctober", 6, QDate(2004, 10, 10), false, {2004, 10, 10}},
                      PlanRow{"fourWeeksFromFirstOfMarch", 27, QDate(2004, 3, 1), true, {2004, 3, 28}},
                      PlanRow{"oneDayByItsStart", 0, QDate(2004, 5, 17), true, {2004, 5, 17}},
                      PlanRow{"oneDayByItsEnd", 0, QDate(2004, 5, 17), false, {2004, 5, 17}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
