// The Day, Week and Graph pages: their buttons and choices, and where the
// week view starts.
#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QFontMetrics>
#include <QPushButton>
#include <QToolButton>

#include "page_test_support.h"
#include "shell/pages/day_page.h"
#include "shell/pages/graph_page.h"
#include "shell/pages/week_page.h"

namespace {

using namespace pagetest;

bool showsPicture(const QToolButton* button)
{
    return !button->icon().isNull() || button->arrowType() != Qt::NoArrow;
}

// ---- Day ---------------------------------------------------------------

using DayPageTest = PageTest;

TEST_F(DayPageTest, arrowsAndEntryButtons)
{
    auto page = make<DayPage>(QSize(640, 480));
    const std::vector<std::pair<QString, QString>> expected = {{"ctl1031", "QToolButton"},
                                                               {"ctl1030", "QToolButton"},
                                                               {"ctl3001", "QPushButton"},
                                                               {"ctl3003", "QPushButton"},
                                                               {"ctl3002", "QPushButton"}};
    EXPECT_EQ(controlsOf(page.get()), expected);
    EXPECT_EQ(clientGeometry(page->forwardButton()), QRect(380, 360, 26, 16));
    EXPECT_EQ(clientGeometry(page->backButton()), QRect(234, 360, 26, 16));
    EXPECT_EQ(clientGeometry(page->deleteButton()), QRect(145, 416, 100, 26));
    EXPECT_EQ(clientGeometry(page->modifyButton()), QRect(270, 416, 100, 26));
    EXPECT_EQ(clientGeometry(page->duplicateButton()), QRect(395, 416, 100, 26));
    EXPECT_EQ(page->deleteButton()->text(), "Delete");
    EXPECT_EQ(page->modifyButton()->text(), "Modify");
    EXPECT_EQ(page->duplicateButton()->text(), "Duplicate");
    EXPECT_TRUE(tabChainOf(page.get()).empty());
}

TEST_F(DayPageTest, arrowsShowTheirPicturesOnlyWhileAnEntryIsShown)
{
    loadLog("spring_2002_three_sports.dat");
    auto page = make<DayPage>();
    EXPECT_FALSE(showsPicture(page->forwardButton()));
    EXPECT_FALSE(showsPicture(page->backButton()));
    state.dayEntry = 0;
    page->refresh();
    EXPECT_TRUE(showsPicture(page->forwardButton()));
    EXPECT_TRUE(showsPicture(page->backButton()));
    state.dayEntry = -1;
    page->refresh();
    EXPECT_FALSE(showsPicture(page->forwardButton()));
}

// ---- Week --------------------------------------------------------------

using WeekPageTest = PageTest;

TEST_F(WeekPageTest, controlsAndPlaces)
{
    auto page = make<WeekPage>(QSize(640, 480));
    const std::vector<std::pair<QString, QString>> expected = {{"ctl1032", "QToolButton"},
                                                               {"ctl1033", "QToolButton"},
                                                               {"ctl3050", "QDateEdit"},
                                                               {"ctl3051", "QPushButton"},
                                                               {"ctl3052", "QPushButton"}};
    EXPECT_EQ(controlsOf(page.get()), expected);
    EXPECT_EQ(clientGeometry(page->backButton()), QRect(240, 426, 26, 16));
    EXPECT_EQ(clientGeometry(page->forwardButton()), QRect(376, 426, 26, 16));
    EXPECT_EQ(clientGeometry(page->weekDate()), QRect(275, 425, 90, 20));
    EXPECT_EQ(clientGeometry(page->oneWeekButton()), QRect(20, 425, 80, 20));
    EXPECT_EQ(clientGeometry(page->fourWeeksButton()), QRect(100, 425, 80, 20));
    EXPECT_EQ(page->oneWeekButton()->text(), "1 Week");
    EXPECT_EQ(page->fourWeeksButton()->text(), "4 Weeks");
    EXPECT_EQ(QFontMetrics(page->oneWeekButton()->font()).height(), 14);
    EXPECT_EQ(page->oneWeekButton()->font().weight(), QFont::Bold);
    // The picker has no frame and is not a tab stop.
    EXPECT_FALSE(page->weekDate()->hasFrame());
    EXPECT_EQ(page->weekDate()->focusPolicy(), Qt::ClickFocus);
    EXPECT_TRUE(page->weekDate()->calendarPopup());
}

TEST_F(WeekPageTest, oneWeek_checksOneWeek)
{
    settings.weekViewWeeks = 1;
    auto page = make<WeekPage>();
    EXPECT_EQ(page->weeksGroup()->checkedId(), 3051);
    EXPECT_TRUE(page->oneWeekButton()->isChecked());
    EXPECT_FALSE(page->fourWeeksButton()->isChecked());
}

TEST_F(WeekPageTest, fourWeeks_checksFourWeeksAndStartsThreeWeeksBeforeTheCurrentEntry)
{
    loadLog("spring_2002_three_sports.dat");
    settings.weekViewWeeks = 4;
    state.dayEntry = 1;  // 03/14/02, a Thursday
    auto page = make<WeekPage>();
    EXPECT_EQ(page->weeksGroup()->checkedId(), 3052);
    EXPECT_EQ(state.weekFirst, store.entry(1).weekIndex - 3);
    EXPECT_EQ(page->weekDate()->date(), QDate(2002, 2, 18));
}

TEST_F(WeekPageTest, noCurrentEntry_startsAtTheLastEntrysWeek)
{
    loadLog("spring_2002_three_sports.dat");
    auto page = make<WeekPage>();
    EXPECT_EQ(state.weekFirst, store.entry(store.entryCount - 1u).weekIndex);
    EXPECT_EQ(page->weekDate()->date(), QDate(2002, 4, 15));
    EXPECT_EQ(page->weekDate()->text(), "04/15/02");
}

TEST_F(WeekPageTest, emptyLog_startsAtTodaysWeek)
{
    auto page = make<WeekPage>();
    EXPECT_EQ(page->weekDate()->date(), QDate(2024, 5, 13));
}

TEST_F(WeekPageTest, aWeekAlreadyChosen_isKept)
{
    loadLog("spring_2002_three_sports.dat");
    settings.weekViewWeeks = 4;
    state.weekFirst = store.entry(0).weekIndex;
    auto page = make<WeekPage>();
    EXPECT_EQ(state.weekFirst, store.entry(0).weekIndex);
    EXPECT_EQ(page->weekDate()->date(), QDate(2002, 2, 25));  // the week of Friday 1 March
}

TEST_F(WeekPageTest, resize_keepsTheCheckedCountAndThePickedDate)
{
    auto page = make<WeekPage>(QSize(640, 480));
    page->fourWeeksButton()->click();
    page->weekDate()->setDate(QDate(2023, 1, 2));
    resizeTo(*page, QSize(801, 500));
    EXPECT_EQ(clientGeometry(page->weekDate()), QRect(355, 445, 90, 20));
    EXPECT_EQ(page->weeksGroup()->checkedId(), 3052);
    EXPECT_EQ(page->weekDate()->date(), QDate(2023, 1, 2));
}

// ---- Graph -------------------------------------------------------------

using GraphPageTest = PageTest;

TEST_F(GraphPageTest, controlsAndPlaces)
{
    auto page = make<GraphPage>(QSize(640, 480));
    const std::vector<std::pair<QString, QString>> expected = {{"ctl3071", "QDateEdit"},   {"ctl1070", "QToolButton"},
                                                               {"ctl1071", "QToolButton"}, {"ctl3070", "QComboBox"},
                                                               {"ctl3072", "QComboBox"},   {"ctl3073", "QComboBox"}};
    EXPECT_EQ(controlsOf(page.get()), expected);
    EXPECT_EQ(clientGeometry(page->graphDate()), QRect(285, 425, 90, 20));
    EXPECT_EQ(clientGeometry(page->backButton()), QRect(250, 426, 26, 16));
    EXPECT_EQ(clientGeometry(page->forwardButton()), QRect(385, 426, 26, 16));
    EXPECT_EQ(comboPlace(page->periodCombo()), QRect(496, 415, 104, 0));
    EXPECT_EQ(comboPlace(page->quantityCombo()), QRect(140, 10, 160, 0));
    EXPECT_EQ(comboPlace(page->sportCombo()), QRect(330, 10, 130, 0));
    EXPECT_EQ(Page::dropHeight(page->periodCombo()), 250);
    EXPECT_FALSE(page->graphDate()->hasFrame());
    const std::vector<QString> tabStops = {"ctl3070", "ctl3072", "ctl3073"};
    EXPECT_EQ(tabChainOf(page.get()), tabStops);
}

TEST_F(GraphPageTest, periodList_selectsTheStoredPeriod)
{
    settings.graphPeriod = 3;
    auto page = make<GraphPage>();
    EXPECT_EQ(comboTexts(page->periodCombo()), QStringList({"13 Weeks", "27 Weeks", "55 Weeks", "111 Weeks", "12 Months",
                                                         "25 Months", "38 Months", "51 Months"}));
    EXPECT_EQ(page->periodCombo()->currentText(), "111 Weeks");
    EXPECT_EQ(page->sportCombo()->count(), 0);
}

TEST_F(GraphPageTest, quantityList_endsWithTheKeywordLabels)
{
    loadLog("spring_2002_three_sports.dat");
    settings.graphType = 6;
    auto page = make<GraphPage>();
    EXPECT_EQ(comboTexts(page->quantityCombo()),
              QStringList({"Time", "Distance", "Pace", "# Workouts", "Calories Burned", "Shoes worn", "Weight"}));
    EXPECT_EQ(page->quantityCombo()->currentText(), "Weight");
}

TEST_F(GraphPageTest, keywordTypeWithNoKeywords_selectsTime)
{
    settings.graphType = 5;
    auto page = make<GraphPage>();
    EXPECT_EQ(page->quantityCombo()->count(), 5);
    EXPECT_EQ(page->quantityCombo()->currentText(), "Time");
    EXPECT_EQ(settings.graphType, 0);
}

TEST_F(GraphPageTest, resize_keepsTheChoices)
{
    auto page = make<GraphPage>(QSize(640, 480));
    page->periodCombo()->setCurrentIndex(5);
    page->quantityCombo()->setCurrentIndex(2);
    resizeTo(*page, QSize(1000, 700));
    EXPECT_EQ(comboPlace(page->periodCombo()), QRect(856, 635, 104, 0));
    EXPECT_EQ(clientGeometry(page->graphDate()), QRect(465, 645, 90, 20));
    EXPECT_EQ(page->periodCombo()->currentText(), "25 Months");
    EXPECT_EQ(page->quantityCombo()->currentText(), "Pace");
}

}  // namespace
