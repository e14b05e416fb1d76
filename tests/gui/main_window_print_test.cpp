// File > Print driven through the main window: which pages print, how the
// print dialog is set up, the PDF a job writes, and the progress window.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <memory>

#include "dialogs/print_progress_window.h"
#include "shell/logic/app_settings.h"
#include "shell/main_window.h"
#include "shell/print_monitor.h"
#include "main_window_rig.h"
#include "shell_rig.h"
#include "pdf_tools.h"
#include "temp_dir.h"

namespace {


int pdfPageCount(const std::string& path)
{
    return pdftools::pageCount(QString::fromStdString(path));
}

std::string pdfText(const std::string& path)
{
    return pdftools::text(QString::fromStdString(path)).toStdString();
}

// Keeps a printed file in the build folder for a look by eye.
void keepForALook(const std::string& path, const char* name)
{
    QDir().mkpath(QStringLiteral(ORV_PRINT_SHOTS_DIR));
    const QString kept = QStringLiteral(ORV_PRINT_SHOTS_DIR "/%1.pdf").arg(QString::fromLatin1(name));
    QFile::remove(kept);
    QFile::copy(QString::fromStdString(path), kept);
}

PrintProgressWindow* progressWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* progress = qobject_cast<PrintProgressWindow*>(w))
            return progress;
    return nullptr;
}

// Counts the times a widget was enabled or disabled.
class EnabledChanges : public QObject {
public:
    explicit EnabledChanges(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::EnabledChange)
            ++count;
        return false;
    }
};

// What a job looked like from outside while it ran, seen at the first
// events it let through.
struct DuringTheJob {
    bool progressShown = false;
    bool mainWindowEnabled = true;
    bool mainWindowClosed = false;  // a close asked for while the job ran
};

class PrintCommandTest : public guitest::MainWindowTest {
protected:
    // A first run (no settings yet) with the log open.
    void SetUp() override
    {
        showWindow();
        openAtStartUp(writeLog("Run.dat", logText));
        ASSERT_GT(store->shownCount, 0);
    }

    void TearDown() override
    {
        EXPECT_EQ(progressWindow(), nullptr) << "the progress window is gone after the job";
        guitest::MainWindowTest::TearDown();
    }

    // The print dialog answered with a PDF file and, when given, a page range.
    void answerWithPdf(int from = 0, int to = 0)
    {
        dialogs.printAnswer = [this, from, to](QPrinter& printer, const PrintDialogSetup&) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(pdf));
            printer.setPrintRange(from > 0 ? QPrinter::PageRange : QPrinter::AllPages);
            if (from > 0)
                printer.setFromTo(from, to);
            return true;
        };
    }

    void printPage(int index)
    {
        window->switchToPage(index);
        window->action(cmd::Print)->trigger();
    }

    // Watches the job from its first pumped events; act runs there once.
    void watchTheJob(std::function<void(PrintProgressWindow*)> act = {})
    {
        auto* timer = new QTimer(window.get());
        timer->setInterval(0);
        QObject::connect(timer, &QTimer::timeout, timer, [this, timer, act] {
            PrintProgressWindow* progress = progressWindow();
            during.progressShown = progress != nullptr && progress->isVisible();
            during.mainWindowEnabled = window->isEnabled();
            timer->stop();
            if (act)
                act(progress);
        });
        timer->start();
    }

    std::vector<std::string> messages() const { return prompt.lines(); }

    std::string logText = guitest::kRunLog;
    std::string pdf = dir.file("out.pdf");
    DuringTheJob during;
};

TEST_F(PrintCommandTest, theSelectPageAndNothingSelected_areRefusedBeforeTheDialog)
{
    printPage(6);
    for (int i = 0; i < store->entryCount; ++i)
        store->entry(i).selected = 0;
    store->shownCount = 0;
    printPage(1);
    EXPECT_EQ(messages(), (std::vector<std::string>{"Orvanta: Printing not supported for this window!",
                                                    "Orvanta: Nothing to print!"}));
    EXPECT_TRUE(dialogs.printSetups.empty());
}

TEST_F(PrintCommandTest, eachPage_namesItsJob_andSetsUpTheRange)
{
    std::vector<std::string> names;
    dialogs.printAnswer = [&names](QPrinter& printer, const PrintDialogSetup&) {
        names.push_back(printer.docName().toStdString());
        return false;  // cancelled: nothing happens
    };
    state.dayEntry = 1;
    for (int index = 0; index <= 5; ++index)
        printPage(index);
    EXPECT_EQ(names, (std::vector<std::string>{"Orvanta: Daily Log", "Orvanta: Daily Log", "Orvanta: Day View",
                                               "Orvanta: Weekly Log", "Orvanta: Totals", "Orvanta: Graph"}));
    ASSERT_EQ(dialogs.printSetups.size(), 6u);
    EXPECT_TRUE(dialogs.printSetups[2].rangePreselected);
    EXPECT_EQ(dialogs.printSetups[2].firstPage, 2) << "the Day page's entry on show, counted from 1";
    EXPECT_FALSE(dialogs.printSetups[3].rangeChoice || dialogs.printSetups[5].rangeChoice) << "Week, Graph";
    EXPECT_TRUE(messages().empty());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(pdf)));
}

TEST_F(PrintCommandTest, theLog_printsIntoThePdfChosen)
{
    answerWithPdf();
    printPage(1);
    EXPECT_TRUE(messages().empty());
    ASSERT_EQ(pdfPageCount(pdf), 1);
    const std::string text = pdfText(pdf);
    for (const char* expected : {"Orvanta: Daily Log", "Run.dat", "River loop", "Park 5K", "Easy day", "Page 1"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    keepForALook(pdf, "log_table");
}

TEST_F(PrintCommandTest, theDayPage_printsFromTheEntryOnShowToTheLast_orTheRangeChosen)
{
    state.dayEntry = 1;
    answerWithPdf();
    printPage(2);
    EXPECT_EQ(pdfPageCount(pdf), 2) << "the second and third entries";
    std::string text = pdfText(pdf);
    EXPECT_EQ(text.find("River loop"), std::string::npos);
    EXPECT_NE(text.find("Hills"), std::string::npos);
    EXPECT_NE(text.find("Park 5K"), std::string::npos);
    keepForALook(pdf, "day_cards");

    answerWithPdf(1, 1);
    printPage(2);
    EXPECT_EQ(pdfPageCount(pdf), 1);
    EXPECT_NE(pdfText(pdf).find("River loop"), std::string::npos);
}

TEST_F(PrintCommandTest, theTotalsAndTheWeek_printWhatTheirPagesShow)
{
    answerWithPdf();
    printPage(4);
    ASSERT_EQ(pdfPageCount(pdf), 1);
    std::string text = pdfText(pdf);
    for (const char* expected : {"Orvanta: Totals", "Running", "Cycling", "Page 1"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    keepForALook(pdf, "totals_table");

    printPage(3);
    ASSERT_EQ(pdfPageCount(pdf), 1);
    text = pdfText(pdf);
    for (const char* expected : {"River loop", "Park 5K"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    keepForALook(pdf, "week_sheet");
}

TEST_F(PrintCommandTest, duringTheJob_theMainWindowIsDisabledUnderTheProgressWindow)
{
    answerWithPdf();
    watchTheJob([this](PrintProgressWindow*) { during.mainWindowClosed = window->close(); });
    printPage(1);
    EXPECT_TRUE(during.progressShown);
    EXPECT_FALSE(during.mainWindowEnabled);
    EXPECT_FALSE(during.mainWindowClosed) << "the window stays until the job is over";
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isEnabled()) << "enabled again after the job";
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get())) << "and given the focus";
    EXPECT_EQ(pdfPageCount(pdf), 1);
}

TEST_F(PrintCommandTest, cancel_dropsTheJobAndItsFile)
{
    answerWithPdf();
    watchTheJob([](PrintProgressWindow* progress) {
        ASSERT_NE(progress, nullptr);
        progress->cancelButton()->click();
    });
    printPage(4);
    EXPECT_TRUE(during.progressShown);
    EXPECT_TRUE(messages().empty()) << "a cancelled job is not a failure";
    EXPECT_FALSE(QFile::exists(QString::fromStdString(pdf)));
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(PrintCommandTest, theGraph_printsWithoutAProgressWindow)
{
    answerWithPdf();
    window->switchToPage(1);
    EnabledChanges changes(window.get());
    printPage(1);
    ASSERT_EQ(changes.count, 2) << "the log's table disables the window, then enables it";
    changes.count = 0;
    printPage(5);
    EXPECT_EQ(changes.count, 0) << "the graph leaves the window as it is";
    EXPECT_EQ(pdfPageCount(pdf), 1);
    EXPECT_NE(pdfText(pdf).find("Time"), std::string::npos);
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(PrintCommandTest, noPrinterOrAFileThatCannotBeWritten_isAProblemPrinting)
{
    dialogs.printAnswer = [](QPrinter& printer, const PrintDialogSetup&) {
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(QStringLiteral("orvanta-test-no-such-printer"));
        return true;
    };
    printPage(1);
    pdf = dir.file("no-such-folder/out.pdf");
    answerWithPdf();
    printPage(1);
    EXPECT_EQ(messages(), (std::vector<std::string>{"Orvanta: Problem printing!", "Orvanta: Problem printing!"}));
    EXPECT_TRUE(window->isEnabled());
}

// A log of count runs, one a day.
std::string manyRuns(int count)
{
    std::string text =
        "Sports List: 1\r\nRunning\tRMmpm\r\nPreferences: 2  1  1  1  1  1  0\r\nRoutes: 0\r\nKeywords: 0\r\n";
    for (int i = 0; i < count; ++i) {
        const QDate day = QDate(2002, 1, 1).addDays(i);
        text += day.toString(QStringLiteral("MM/dd/yy")).toStdString() + "\tTR\t4M\t30:00\t7:30\tRoute " +
                std::to_string(i + 1) + "\t\r\n";
    }
    return text;
}

class PrintMonitorTest : public PrintCommandTest {
protected:
    PrintMonitorTest() { logText = manyRuns(250); }

    // Prints the log table into the PDF through a monitor on the main window;
    // cancelAtRow > 0 presses Cancel when the job asks before that row.
    PrintResult printTable(int cancelAtRow, int& rowsAsked)
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        const PrintRequest request = printRequestFrom(viewSettingsOf(settings), PrintPage::Log, *store);
        PrintMonitor monitor(*window, printer, true);
        EXPECT_FALSE(window->isEnabled());
        EXPECT_TRUE(monitor.progressWindow()->isVisible());
        PrintHooks hooks = monitor.hooks();
        const auto ask = hooks.shouldStop;
        hooks.shouldStop = [&] {
            if (++rowsAsked == cancelAtRow)
                monitor.progressWindow()->cancelButton()->click();
            return ask();
        };
        return printLog(printer, *store, request, hooks);
    }
};

TEST_F(PrintMonitorTest, cancel_stopsTheTableAtTheNextRow)
{
    int allRows = 0;
    const PrintResult whole = printTable(0, allRows);
    ASSERT_EQ(whole.outcome, PrintOutcome::Finished);
    ASSERT_GE(whole.pagesDrawn, 3);
    EXPECT_EQ(allRows, 250) << "asked before every row";
    EXPECT_TRUE(window->isEnabled());

    int rowsAsked = 0;
    const PrintResult cancelled = printTable(100, rowsAsked);
    EXPECT_EQ(cancelled.outcome, PrintOutcome::Aborted);
    EXPECT_EQ(rowsAsked, 100) << "no row is asked for after Cancel";
    EXPECT_GE(cancelled.pagesDrawn, 1);
    EXPECT_LT(cancelled.pagesDrawn, whole.pagesDrawn);
    EXPECT_TRUE(window->isEnabled()) << "enabled again once the job is over";
    EXPECT_EQ(progressWindow(), nullptr);
}

}  // namespace
