// The Select page driven as a person would: criteria typed into the real
// fields, the buttons pressed, and what the Log list, the totals, the title
// and the menu show afterwards.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include "main_window_rig.h"
#include "shell/entry_list_model.h"
#include "shell/pages/log_page.h"
#include "shell/pages/select_page.h"
#include "shell/pages/totals_page.h"

namespace {

using namespace guitest;

// Eight runs and rides in March 2002; paces per mile for running, km/h for
// cycling, none for swimming. A numeric and a non-numeric keyword, and a
// route measured in kilometres for a sport counted in miles.
const char* const kSelectLog =
    "Sports List: 3\r\n"
    "Running\tRMmpm\r\n"
    "Cycling\tCKkph\r\n"
    "Swimming\tSY\r\n"
    "Preferences: 2  1  1  1  1  1  0\r\n"
    "Routes: 2\r\n"
    "Hill loop\tTR\t5M\t40:00\t8:00\tHill loop\tsteady\t\r\n"
    "Lake ride\tIC\t~16.09K\t\t\tLake road\t\t\r\n"
    "Keywords: 2\r\n"
    "1\tWt\tWeight\r\n"
    "3\tShoe\tShoes worn\r\n"
    "03/01/02\tTR\t5.2M\t45:30\t8:45\tRiver loop\tEasy day\r\n"
    "03/03/02\tTR\t10M\t80:00\t8:00\tHill loop\tWt=150\r\n"
    "03/05/02\tIR\t9.9M\t75:00\t7:35\tTrack\tIntervals\r\n"
    "03/08/02\tRR\t10.1M\t70:00\t6:56\tCity 10\tRace day\r\n"
    "03/10/02\tTC\t20K\t40:00\t30.0\tHills\twindy\r\n"
    "03/12/02\tTR\t3M\t30:00\t10:00\triver loop\tShoe=Blue Wt=151\r\n"
    "03/14/02\tTS\t1500Y\t30:00\t\tPool\t\r\n"
    "03/20/02\tTR\t6M\t\t\tRIVER LOOP\tnew shoes\r\n";

class SelectFlowTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        openAtStartUp(writeLog("Select.dat", kSelectLog));
        ASSERT_EQ(store->entryCount, 8);
    }

    // Through the tab strip, as a click on "Select" does.
    SelectPage* enterSelectPage()
    {
        window->tabBar()->setCurrentIndex(static_cast<int>(PageIndex::Select));
        return qobject_cast<SelectPage*>(window->page(static_cast<int>(PageIndex::Select)));
    }

    void press(SelectPage* page, int id) { QTest::mouseClick(page->button(id), Qt::LeftButton); }

    // The entries the Log list shows, by their place in the log.
    std::vector<int> logListEntries()
    {
        auto* log = qobject_cast<LogPage*>(window->page(static_cast<int>(PageIndex::Log)));
        return log ? log->logModel()->rows() : std::vector<int>{};
    }

    std::vector<int> selectedEntries() const
    {
        std::vector<int> out;
        for (int i = 0; i < store->entryCount; ++i)
            if (store->entry(static_cast<std::size_t>(i)).selected)
                out.push_back(i);
        return out;
    }

    void selectOnly(std::initializer_list<int> entries)
    {
        for (int i = 0; i < store->entryCount; ++i)
            store->entry(static_cast<std::size_t>(i)).selected = 0;
        for (int i : entries)
            store->entry(static_cast<std::size_t>(i)).selected = 1;
    }

    // The totals list's lines, blanks at the ends trimmed.
    QStringList totalsLines()
    {
        auto* totals = qobject_cast<TotalsPage*>(window->page(static_cast<int>(PageIndex::Totals)));
        QStringList lines;
        if (!totals)
            return lines;
        const QAbstractItemModel* model = totals->totalsList()->model();
        for (int i = 0; i < model->rowCount(); ++i)
            lines.append(model->index(i, 0).data().toString().trimmed());
        return lines;
    }
};

TEST_F(SelectFlowTest, selectReverse_invertsTheSelectionAndReturnsToThePageLeft)
{
    settings.selectionDisplayMode = 1;
    window->switchToPage(static_cast<int>(PageIndex::Log));
    selectOnly({0, 1});
    SelectPage* page = enterSelectPage();
    ASSERT_NE(page, nullptr);
    press(page, ctl::SelectReverse);
    EXPECT_EQ(selectedEntries(), (std::vector<int>{2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(window->currentPage(), static_cast<int>(PageIndex::Log));
    EXPECT_EQ(logListEntries(), (std::vector<int>{2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(title(), "The Orvanta - Select, 6/8 entries");
}

TEST_F(SelectFlowTest, selectAll_fromTheTotals_countsEveryEntryThere)
{
    window->switchToPage(static_cast<int>(PageIndex::Totals));
    selectOnly({4});
    window->switchToPage(static_cast<int>(PageIndex::Log));
    window->switchToPage(static_cast<int>(PageIndex::Totals));
    ASSERT_FALSE(totalsLines().filter("Cycling").isEmpty());
    EXPECT_TRUE(totalsLines().filter("Running").isEmpty()) << "only the ride is counted";
    press(enterSelectPage(), ctl::SelectAll);
    EXPECT_EQ(window->currentPage(), static_cast<int>(PageIndex::Totals));
    EXPECT_EQ(selectedEntries().size(), 8u);
    EXPECT_FALSE(totalsLines().filter("Running").isEmpty()) << "the runs now count";
    EXPECT_EQ(title(), "The Orvanta - Select, 8/8 entries");
}

TEST_F(SelectFlowTest, fromTheForm_theSelectionIsShownOnTheLog)
{
    SelectPage* page = enterSelectPage();
    EXPECT_EQ(context.state.returnPage, static_cast<int>(PageIndex::Log));
    selectOnly({3});
    press(page, ctl::SelectReverse);
    EXPECT_EQ(window->currentPage(), static_cast<int>(PageIndex::Log));
}

// The four buttons that narrow, widen or turn the selection are offered only
// while some entry is left out.
TEST_F(SelectFlowTest, enteringTheSelectPage_offersTheNarrowingButtonsOnlyWhileSomeEntryIsLeftOut)
{
    const int narrowing[] = {ctl::SelectMore, ctl::SelectFewer, ctl::SelectAll, ctl::SelectReverse};
    SelectPage* page = enterSelectPage();
    for (int id : narrowing)
        EXPECT_FALSE(page->button(id)->isVisible()) << id << " with every entry selected";
    EXPECT_TRUE(page->button(ctl::Select)->isVisible());

    selectOnly({0, 5});
    window->switchToPage(static_cast<int>(PageIndex::Log));
    enterSelectPage();
    for (int id : narrowing)
        EXPECT_TRUE(page->button(id)->isVisible()) << id << " with two of eight selected";

    press(page, ctl::SelectAll);
    enterSelectPage();
    for (int id : narrowing)
        EXPECT_FALSE(page->button(id)->isVisible()) << id << " after Select All";
}

TEST_F(SelectFlowTest, displayModeButtons_setTheModeAndTheCheckMark_theListFollowsAtItsNextRefill)
{
    settings.selectionDisplayMode = 1;
    selectOnly({1, 2});
    window->switchToPage(static_cast<int>(PageIndex::Log));
    ASSERT_EQ(logListEntries(), (std::vector<int>{1, 2}));
    SelectPage* page = enterSelectPage();
    page->button(ctl::ShowAllHighlight)->setFocus();

    press(page, ctl::ShowAllHighlight);
    EXPECT_EQ(settings.selectionDisplayMode, 0);
    EXPECT_TRUE(window->action(cmd::ShowAllHighlight)->isChecked());
    EXPECT_FALSE(window->action(cmd::ShowSelectedOnly)->isChecked());
    EXPECT_FALSE(page->isAncestorOf(QApplication::focusWidget())) << "the focus is taken away from the page";
    EXPECT_EQ(logListEntries(), (std::vector<int>{1, 2})) << "not refilled yet";
    EXPECT_EQ(window->currentPage(), static_cast<int>(PageIndex::Select));

    press(page, ctl::SelectReverse);
    EXPECT_EQ(logListEntries(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7})) << "every entry, the selected highlighted";

    enterSelectPage();
    press(page, ctl::ShowSelectedOnly);
    EXPECT_EQ(settings.selectionDisplayMode, 1);
    EXPECT_TRUE(window->action(cmd::ShowSelectedOnly)->isChecked());
    EXPECT_FALSE(window->action(cmd::ShowAllHighlight)->isChecked());
}

// The menu and the page's buttons show one mode, whichever way it was chosen.
TEST_F(SelectFlowTest, displayModeFromTheMenu_movesThePageButtonToo)
{
    SelectPage* page = enterSelectPage();
    ASSERT_EQ(page->displayModeGroup()->checkedId(), ctl::ShowSelectedOnly);
    trigger(cmd::ShowAllHighlight);
    EXPECT_EQ(page->displayModeGroup()->checkedId(), ctl::ShowAllHighlight);
    trigger(cmd::ShowSelectedOnly);
    EXPECT_EQ(page->displayModeGroup()->checkedId(), ctl::ShowSelectedOnly);
}

}  // namespace
