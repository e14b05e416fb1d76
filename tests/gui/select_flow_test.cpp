// The Select page driven as a person would: criteria typed into the real
// fields, the buttons pressed, and what the Log list, the totals, the title
// and the menu show afterwards.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRegularExpression>
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
    "Lake run\tIR\t~16.09K\t\t\tLake road\t\t\r\n"
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

    // A list item chosen with the arrow keys, as a person would.
    static void choose(QComboBox* combo, int index)
    {
        combo->setFocus();
        while (combo->currentIndex() < index)
            QTest::keyClick(combo, Qt::Key_Down);
        while (combo->currentIndex() > index)
            QTest::keyClick(combo, Qt::Key_Up);
    }

    // A list item clicked in the dropped list, passing no other item on the way.
    static void pick(QComboBox* combo, int index)
    {
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        const QRect item = view->visualRect(view->model()->index(index, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
        if (view->isVisible())
            combo->hidePopup();
    }

    static void type(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

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

// List positions of the sports: the empty item, then "None" and the sports.
constexpr int kRunning = 2;
constexpr int kCycling = 3;
constexpr int kSwimming = 4;

TEST_F(SelectFlowTest, typedCriteria_selectShowsTheMatchesInTheLogTheTotalsAndTheTitle)
{
    settings.selectionDisplayMode = 1;
    window->switchToPage(static_cast<int>(PageIndex::Totals));
    window->switchToPage(static_cast<int>(PageIndex::Log));
    SelectPage* page = enterSelectPage();
    choose(page->combo(ctl::SelectSport), kRunning);
    choose(page->combo(ctl::DistanceTest), 1);  // Approximately Equal To
    type(page->edit(ctl::DistanceValue), "10x");
    choose(page->combo(ctl::TimeTest), 3);  // Greater Than
    type(page->edit(ctl::TimeValue), "72");
    press(page, ctl::Select);

    EXPECT_EQ(selectedEntries(), (std::vector<int>{1, 2})) << "10 and 9.9 miles, over 72 minutes";
    EXPECT_EQ(window->currentPage(), static_cast<int>(PageIndex::Log));
    EXPECT_EQ(logListEntries(), (std::vector<int>{1, 2}));
    EXPECT_EQ(title(), "The Orvanta - Select, 2/8 entries");
    const QStringList running = totalsLines().filter("Running");
    ASSERT_EQ(running.size(), 3) << "two weeks and the year";
    EXPECT_TRUE(running[2].contains(QRegularExpression("^2002\\s+Running\\s+2\\s+2\\.6\\s+19\\.9\\s")))
        << running[2].toStdString();
    EXPECT_TRUE(totalsLines().filter("Cycling").isEmpty());
    EXPECT_EQ(page->edit(ctl::DistanceValue)->text(), "10") << "the value as it was read";
    EXPECT_EQ(page->edit(ctl::TimeValue)->text(), "1:12:00");
}

TEST_F(SelectFlowTest, selectMoreAndFewer_combineWithTheSelectionAlreadyMade)
{
    selectOnly({0, 4});
    window->switchToPage(static_cast<int>(PageIndex::Log));
    SelectPage* page = enterSelectPage();
    choose(page->combo(ctl::SelectCategory), 3);  // Race
    press(page, ctl::SelectMore);
    EXPECT_EQ(selectedEntries(), (std::vector<int>{0, 3, 4}));
    enterSelectPage();
    choose(page->combo(ctl::SelectCategory), 1);  // Training
    press(page, ctl::SelectFewer);
    EXPECT_EQ(selectedEntries(), (std::vector<int>{0, 4}));
    EXPECT_EQ(title(), "The Orvanta - Select, 2/8 entries");
}

TEST_F(SelectFlowTest, enterInACriteriaField_selects)
{
    SelectPage* page = enterSelectPage();
    choose(page->combo(ctl::CommentTest), 2);  // Contains
    type(page->edit(ctl::CommentText), "RACE");
    QTest::keyClick(page->edit(ctl::CommentText), Qt::Key_Return);
    EXPECT_EQ(selectedEntries(), std::vector<int>{3});
    EXPECT_EQ(title(), "The Orvanta - Select, 1/8 entries");

    enterSelectPage();
    press(page, ctl::SelectClear);
    choose(page->combo(ctl::SelectSport), kRunning);
    choose(page->combo(ctl::PaceTest), 2);  // Faster Than
    type(page->edit(ctl::PaceValue), "8");
    QTest::keyClick(page->edit(ctl::PaceValue), Qt::Key_Enter);
    EXPECT_EQ(selectedEntries(), (std::vector<int>{2, 3})) << "7:35 and 6:56 a mile; 8:00 itself is not faster";
    EXPECT_EQ(page->edit(ctl::PaceValue)->text(), "8:00");
}

TEST_F(SelectFlowTest, dependentFields_followTheSportAndTheOperators)
{
    SelectPage* page = enterSelectPage();
    auto shown = [page](int id) { return page->control(id)->isVisible(); };
    choose(page->combo(ctl::SelectSport), 1);  // None: a sport, but no pace units
    EXPECT_TRUE(shown(ctl::DistanceTest));
    EXPECT_TRUE(shown(ctl::DistanceValue));
    EXPECT_FALSE(shown(ctl::PaceTest));

    choose(page->combo(ctl::SelectSport), kRunning);
    EXPECT_TRUE(shown(ctl::PaceTest));
    EXPECT_TRUE(shown(ctl::PaceValue));
    EXPECT_FALSE(shown(ctl::DistanceUpper));
    choose(page->combo(ctl::DistanceTest), 5);  // From
    EXPECT_TRUE(shown(ctl::DistanceUpper));
    choose(page->combo(ctl::PaceTest), 4);  // From
    EXPECT_TRUE(shown(ctl::PaceUpper));
    EXPECT_FALSE(shown(ctl::TimeUpper));
    choose(page->combo(ctl::TimeTest), 5);  // From
    EXPECT_TRUE(shown(ctl::TimeUpper));

    choose(page->combo(ctl::SelectSport), kSwimming);  // yards, no pace units
    EXPECT_FALSE(shown(ctl::PaceTest));
    EXPECT_FALSE(shown(ctl::PaceUpper));
    EXPECT_TRUE(shown(ctl::DistanceUpper));

    choose(page->combo(ctl::SelectSport), 0);
    EXPECT_FALSE(shown(ctl::DistanceTest));
    EXPECT_FALSE(shown(ctl::DistanceUpper));
    EXPECT_TRUE(shown(ctl::TimeUpper)) << "the time row never depends on the sport";

    type(page->edit(ctl::TimeValue), "30");
    page->fromDate()->setDate(QDate(2002, 3, 10));
    press(page, ctl::SelectClear);
    EXPECT_FALSE(shown(ctl::TimeUpper));
    EXPECT_TRUE(shown(ctl::TimeTest));
    EXPECT_TRUE(shown(ctl::TimeValue));
    EXPECT_EQ(page->combo(ctl::TimeTest)->currentIndex(), 0);
    EXPECT_EQ(page->edit(ctl::TimeValue)->text(), "");
    EXPECT_EQ(page->fromDate()->date(), QDate(2002, 3, 1)) << "the dates span the log again";
    EXPECT_EQ(page->toDate()->date(), QDate(2002, 3, 20));
}

TEST_F(SelectFlowTest, choosingAKeyword_fillsTheCommentCriterion_aWordKeywordShowsTheTotals)
{
    window->switchToPage(static_cast<int>(PageIndex::Log));
    SelectPage* page = enterSelectPage();
    pick(page->combo(ctl::SelectKeyword), 1);  // Weight, a number
    EXPECT_EQ(page->combo(ctl::CommentTest)->currentText(), "Contains");
    EXPECT_EQ(page->edit(ctl::CommentText)->text(), "Wt=");

    pick(page->combo(ctl::SelectKeyword), 2);  // Shoes worn, a word
    EXPECT_EQ(page->edit(ctl::CommentText)->text(), "Shoe");
    press(page, ctl::Select);
    EXPECT_EQ(selectedEntries(), (std::vector<int>{5, 7}));
    EXPECT_EQ(window->currentPage(), static_cast<int>(PageIndex::Totals));
    EXPECT_EQ(context.state.returnPage, static_cast<int>(PageIndex::Totals));
}

TEST_F(SelectFlowTest, choosingAMemorizedRoute_fillsTheCriteriaInTheSportsUnits)
{
    SelectPage* page = enterSelectPage();
    pick(page->combo(ctl::SelectRoute), 2);  // Lake run: intervals, running, ~16.09 km
    EXPECT_EQ(page->combo(ctl::SelectCategory)->currentText(), "Intervals");
    EXPECT_EQ(page->combo(ctl::SelectSport)->currentIndex(), kRunning);
    EXPECT_EQ(page->combo(ctl::DistanceTest)->currentText(), "Approximately Equal To");
    EXPECT_EQ(page->edit(ctl::DistanceValue)->text(), "10.00") << "16.09 km in miles";
    EXPECT_TRUE(page->control(ctl::DistanceValue)->isVisible());
    EXPECT_TRUE(page->control(ctl::PaceTest)->isVisible());
    EXPECT_EQ(page->combo(ctl::RouteTest)->currentText(), "Contains");
    EXPECT_EQ(page->edit(ctl::RouteText)->text(), "Lake road");
    EXPECT_EQ(page->combo(ctl::TimeTest)->currentIndex(), 0) << "the route has no time";

    pick(page->combo(ctl::SelectRoute), 1);  // Hill loop: training, running, 5 miles in 40:00
    EXPECT_EQ(page->combo(ctl::SelectCategory)->currentText(), "Training");
    EXPECT_EQ(page->edit(ctl::DistanceValue)->text(), "5.00");
    EXPECT_EQ(page->combo(ctl::TimeTest)->currentText(), "Approximately Equal To");
    EXPECT_EQ(page->edit(ctl::TimeValue)->text(), "40:00");
    EXPECT_EQ(page->edit(ctl::CommentText)->text(), "steady");
}

TEST_F(SelectFlowTest, sinceWithoutTheWord_saysSoAndChangesNothing)
{
    window->switchToPage(static_cast<int>(PageIndex::Log));
    selectOnly({1, 2});
    window->switchToPage(static_cast<int>(PageIndex::Week));
    SelectPage* page = enterSelectPage();
    const std::string before = title();
    choose(page->combo(ctl::CommentTest), 4);  // Since
    type(page->edit(ctl::CommentText), "marathon");
    press(page, ctl::Select);
    EXPECT_EQ(prompt.lines(), std::vector<std::string>{"Orvanta: Couldn't find that phrase"});
    EXPECT_EQ(prompt.shown.at(0).buttons, UserPrompt::Buttons::Ok);
    EXPECT_EQ(selectedEntries(), (std::vector<int>{1, 2}));
    EXPECT_EQ(window->currentPage(), static_cast<int>(PageIndex::Select));
    EXPECT_EQ(context.state.returnPage, static_cast<int>(PageIndex::Week));
    EXPECT_EQ(title(), before);
}

TEST_F(SelectFlowTest, theDayPage_stepsBackToASelectedEntry)
{
    window->switchToPage(static_cast<int>(PageIndex::Day));
    ASSERT_EQ(context.state.dayEntry, 7);
    SelectPage* page = enterSelectPage();
    choose(page->combo(ctl::SelectSport), kCycling);
    press(page, ctl::Select);
    EXPECT_EQ(selectedEntries(), std::vector<int>{4});
    EXPECT_EQ(window->currentPage(), static_cast<int>(PageIndex::Day));
    EXPECT_EQ(context.state.dayEntry, 4);
}

// The page with every row in use, and the Log after a selection in both
// display modes, rendered for a look by eye (rendered/ in this build folder).
QImage renderWindow(MainWindow& window, const char* name)
{
    QApplication::processEvents();
    const QImage image = window.grab().toImage();
    QDir().mkpath(QStringLiteral(ORV_RENDER_DIR));
    image.save(QStringLiteral(ORV_RENDER_DIR "/") + QString::fromLatin1(name) + QStringLiteral(".png"));
    return image;
}

// Whether any pixel of the area is darker than the page's light backgrounds.
bool inkIn(const QImage& image, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                return true;
    return false;
}

TEST_F(SelectFlowTest, rendered_everyRowInUse_thenTheLogInBothModes)
{
    settings.selectionDisplayMode = 1;
    window->switchToPage(static_cast<int>(PageIndex::Log));
    SelectPage* page = enterSelectPage();
    choose(page->combo(ctl::SelectSport), kRunning);
    choose(page->combo(ctl::DistanceTest), 5);
    type(page->edit(ctl::DistanceValue), "5");
    type(page->edit(ctl::DistanceUpper), "10");
    choose(page->combo(ctl::TimeTest), 5);
    type(page->edit(ctl::TimeValue), "30");
    type(page->edit(ctl::TimeUpper), "80");
    choose(page->combo(ctl::PaceTest), 4);
    type(page->edit(ctl::PaceValue), "7");
    type(page->edit(ctl::PaceUpper), "9");
    choose(page->combo(ctl::RouteTest), 2);
    type(page->edit(ctl::RouteText), "loop");
    const QImage criteria = renderWindow(*window, "select_every_row");
    // In window coordinates: the page sits below the menu and the tab strip, inside its border.
    const QPoint origin = page->mapTo(window.get(), QPoint(kPageBorder, kPageBorder));
    const int distanceY = origin.y() + selectLabelBox(3).y;
    EXPECT_TRUE(inkIn(criteria, QRect(origin.x() + 380, distanceY, 14, 16))) << "\"to\" before the upper bound";
    EXPECT_TRUE(inkIn(criteria, QRect(origin.x() + 490, distanceY, 30, 16))) << "\"miles\" after it";
    EXPECT_TRUE(inkIn(criteria, QRect(origin.x() + 490, origin.y() + selectLabelBox(5).y, 30, 16))) << "\"mpm\"";

    press(page, ctl::Select);
    EXPECT_EQ(selectedEntries(), (std::vector<int>{0, 1})) << "5 to 10 miles, 7:00 to 9:00 a mile, a loop";
    const QImage only = renderWindow(*window, "select_log_selected_only");
    EXPECT_EQ(logListEntries(), (std::vector<int>{0, 1}));

    enterSelectPage();
    renderWindow(*window, "select_after_select");
    EXPECT_EQ(page->edit(ctl::TimeUpper)->text(), "1:20:00") << "the bounds as they were read";
    EXPECT_EQ(page->edit(ctl::PaceValue)->text(), "7:00");
    EXPECT_TRUE(page->button(ctl::SelectReverse)->isVisible());
    press(page, ctl::ShowAllHighlight);
    press(page, ctl::Select);
    const QImage all = renderWindow(*window, "select_log_highlighted");
    auto* log = qobject_cast<LogPage*>(window->page(static_cast<int>(PageIndex::Log)));
    ASSERT_EQ(logListEntries().size(), 8u);
    const QRect row = log->logList()->visualRect(log->logModel()->index(1));
    const QPoint at = log->logList()->viewport()->mapTo(window.get(), row.center() + QPoint(row.width() / 3, 0));
    EXPECT_EQ(QColor(all.pixel(at)), QColor(255, 255, 0)) << "the selected entry stands out in yellow";
}

}  // namespace
