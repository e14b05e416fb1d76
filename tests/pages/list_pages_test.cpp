// The Log and Totals pages: a list each, placed from the page's own client
// area, and the Totals period buttons.
#include <QButtonGroup>
#include <QFontMetrics>
#include <QListView>
#include <QPushButton>

#include "page_test_support.h"
#include "shell/pages/log_page.h"
#include "shell/pages/totals_page.h"

namespace {

using namespace pagetest;

using LogPageTest = PageTest;
using TotalsPageTest = PageTest;

TEST_F(LogPageTest, oneListUnderTheHeading_measuredInsideThePageBorder)
{
    auto page = make<LogPage>(QSize(640, 480));
    const std::vector<std::pair<QString, QString>> expected = {{"ctl3000", "QListView"}};
    EXPECT_EQ(controlsOf(page.get()), expected);
    EXPECT_EQ(page->clientRect().size(), QSize(638, 453));
    EXPECT_EQ(clientGeometry(page->logList()), QRect(8, 20, 622, 418));  // 26 whole rows
    EXPECT_EQ(Page::askedHeight(page->logList()), 431);
    EXPECT_EQ(page->listWidth(), 622);
    EXPECT_EQ(page->logRows(), 26);
    EXPECT_EQ(page->listCharWidth(), 8);  // a 16-pixel character cell
    EXPECT_EQ(resolvedFamily(page->logList()->font()), "Liberation Mono");
    EXPECT_EQ(page->logList()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(LogPageTest, resize_growsTheListAndItsRows)
{
    auto page = make<LogPage>(QSize(640, 480));
    resizeTo(*page, QSize(900, 700));
    EXPECT_EQ(clientGeometry(page->logList()), QRect(8, 20, 882, 642));
    EXPECT_EQ(Page::askedHeight(page->logList()), 651);
    EXPECT_EQ(page->logRows(), 40);  // (651 - 2) / 16
    EXPECT_EQ(page->listWidth(), 882);
}

TEST_F(TotalsPageTest, listCentred_periodButtonsAbove)
{
    auto page = make<TotalsPage>(QSize(640, 480));
    const std::vector<std::pair<QString, QString>> expected = {
        {"ctl3004", "QListView"}, {"ctl3060", "QPushButton"}, {"ctl3061", "QPushButton"}, {"ctl3062", "QPushButton"}};
    EXPECT_EQ(controlsOf(page.get()), expected);
    EXPECT_EQ(clientGeometry(page->totalsList()), QRect(59, 24, 520, 418));
    EXPECT_EQ(Page::askedHeight(page->totalsList()), 427);
    EXPECT_EQ(clientGeometry(page->weekButton()), QRect(43, 5, 40, 16));
    EXPECT_EQ(clientGeometry(page->monthButton()), QRect(83, 5, 50, 16));
    EXPECT_EQ(clientGeometry(page->yearButton()), QRect(133, 5, 40, 16));
    EXPECT_EQ(page->totalsRows(), 26);
    EXPECT_EQ(page->listCharWidth(), 8);  // a 16-pixel character cell: a report line fits the list
    EXPECT_EQ(page->weekButton()->text(), "Week");
    EXPECT_EQ(page->monthButton()->text(), "Month");
    EXPECT_EQ(page->yearButton()->text(), "Year");
}

TEST_F(TotalsPageTest, periodButtonsArePushLikeRadiosInTheTabFont)
{
    settings.totalPeriod = 1;
    auto page = make<TotalsPage>();
    EXPECT_EQ(page->periodGroup()->checkedId(), 3061);
    EXPECT_TRUE(page->periodGroup()->exclusive());
    for (QPushButton* b : {page->weekButton(), page->monthButton(), page->yearButton()}) {
        EXPECT_TRUE(b->isCheckable());
        EXPECT_EQ(QFontMetrics(b->font()).height(), 14);
        EXPECT_EQ(b->font().weight(), QFont::Bold);
        EXPECT_EQ(resolvedFamily(b->font()), "Liberation Sans");
    }
    page->yearButton()->click();
    EXPECT_FALSE(page->monthButton()->isChecked());
    EXPECT_EQ(page->periodGroup()->checkedId(), 3062);
}

TEST_F(TotalsPageTest, eachStoredPeriodChecksItsButton)
{
    for (int period : {0, 1, 2}) {
        settings.totalPeriod = period;
        auto page = make<TotalsPage>();
        EXPECT_EQ(page->periodGroup()->checkedId(), 3060 + period);
    }
}

TEST_F(TotalsPageTest, resize_recentresTheListAndKeepsTheChoice)
{
    auto page = make<TotalsPage>(QSize(640, 480));
    page->monthButton()->click();
    resizeTo(*page, QSize(1000, 600));
    EXPECT_EQ(clientGeometry(page->totalsList()), QRect(239, 24, 520, 546));  // x0 = 231
    EXPECT_EQ(Page::askedHeight(page->totalsList()), 547);
    EXPECT_EQ(clientGeometry(page->weekButton()), QRect(223, 5, 40, 16));
    EXPECT_EQ(page->totalsRows(), 34);
    EXPECT_EQ(page->periodGroup()->checkedId(), 3061);
}

}  // namespace
