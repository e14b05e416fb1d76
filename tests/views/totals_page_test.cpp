// The Totals page: the report in its list, the period buttons, the scroll to
// the end and the rows' colours.

#include <QApplication>
#include <QButtonGroup>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>

#include "page_test_support.h"
#include "shell/pages/totals_page.h"
#include "views/totals_list.h"

namespace {

using namespace pagetest;

QStringList rowsOf(const TotalsPage& page)
{
    QStringList rows;
    const QAbstractItemModel* model = page.totalsList()->model();
    for (int i = 0; i < model->rowCount(); ++i)
        rows.append(model->index(i, 0).data().toString());
    return rows;
}

class TotalsPageViewTest : public PageTest {
protected:
    void loadSample()
    {
        store.setFileName(ORV_SAMPLE_LOG);
        ASSERT_EQ(readLog(store, prompt), ReadResult::Ok);
    }
};

TEST_F(TotalsPageViewTest, theReportOfTheStoredPeriod)
{
    loadLog("spring_2002_three_sports.dat");
    settings.totalPeriod = 1;
    auto page = make<TotalsPage>();
    const QStringList rows = rowsOf(*page);
    ASSERT_EQ(rows.size(), 11);
    EXPECT_EQ(rows[0], "   Mar 02    Running             2     1.5      11.4    7:51.4 ");
    EXPECT_EQ(rows[10], "                        Total    6     3.6                     ");
}

TEST_F(TotalsPageViewTest, periodButtons_storeThePeriodAndRebuild)
{
    loadLog("spring_2002_three_sports.dat");
    auto page = make<TotalsPage>();
    EXPECT_EQ(rowsOf(*page).size(), 11);
    EXPECT_TRUE(rowsOf(*page)[0].startsWith("  02/25/02"));
    page->yearButton()->click();
    EXPECT_EQ(settings.totalPeriod, 2);
    EXPECT_EQ(rowsOf(*page).size(), 4);
    EXPECT_EQ(page->totalsList()->model()->index(0, 0).data(TotalsModel::TagRole).toInt(), 2002);
    page->monthButton()->click();
    EXPECT_EQ(settings.totalPeriod, 1);
    EXPECT_TRUE(rowsOf(*page)[0].startsWith("   Mar 02 "));
}

TEST_F(TotalsPageViewTest, refresh_followsTheSelection)
{
    loadLog("spring_2002_three_sports.dat");
    auto page = make<TotalsPage>();
    for (int i = 1; i < store.entryCount; ++i)
        store.entry(static_cast<std::size_t>(i)).selected = 0;
    page->refresh();
    EXPECT_EQ(rowsOf(*page), QStringList({"  02/25/02   Running             1     0.8       5.2      8:45 ",
                                          "    2002     Running             1     0.8       5.2      8:45 "}));
    store.entryCount = 0;
    page->refresh();
    EXPECT_TRUE(rowsOf(*page).isEmpty()) << "an empty log leaves the list empty";
}

TEST_F(TotalsPageViewTest, aLongReport_showsItsLastLine)
{
    loadSample();
    auto page = make<TotalsPage>(QSize(640, 480));
    page->show();
    QApplication::processEvents();
    const int rows = page->totalsList()->model()->rowCount();
    ASSERT_GT(rows, page->totalsRows());
    const QListView* list = page->totalsList();
    EXPECT_EQ(list->indexAt(QPoint(2, 2)).row(), rows - page->totalsRows());
    EXPECT_EQ(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum());
    page->weekButton()->click();
    page->monthButton()->click();
    QApplication::processEvents();
    EXPECT_EQ(list->indexAt(QPoint(2, 2)).row(), page->totalsList()->model()->rowCount() - page->totalsRows());
}

TEST_F(TotalsPageViewTest, rowColours_yellowYears_greyOddTags)
{
    EXPECT_EQ(totalsRowBackground(0, Qt::white), QColor(255, 255, 0));
    EXPECT_EQ(totalsRowBackground(1227, Qt::white), QColor(224, 224, 224));
    EXPECT_EQ(totalsRowBackground(1228, Qt::white), QColor(Qt::white));

    loadLog("spring_2002_three_sports.dat");
    settings.totalPeriod = 1;  // March (odd month number), April (even), the year
    auto page = make<TotalsPage>(QSize(640, 480));
    ASSERT_EQ(store.entry(0).monthIndex % 2, 0) << "March 2002 is month 1226";
    const QImage image = renderPage(*page, "totals_page_months");
    const QRect list = clientGeometry(page->totalsList());
    // Between the label and the sport, where no line has text.
    auto rowColour = [&](int row) { return clientPixel(image, list.left() + 92, list.top() + 1 + row * 16 + 8); };
    EXPECT_EQ(rowColour(0), QColor(Qt::white)) << "March, even";
    EXPECT_EQ(rowColour(4), QColor(224, 224, 224)) << "April, odd";
    EXPECT_EQ(rowColour(7), QColor(255, 255, 0)) << "the year";
    EXPECT_EQ(rowColour(11), QColor(Qt::white)) << "below the last line";
}

}  // namespace
