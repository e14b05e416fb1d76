// What the pages paint themselves: backgrounds, labels, headings, frames.
// Every page is also written to rendered/<name>.png in the build folder.
#include <QComboBox>
#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QToolButton>

#include "page_test_support.h"
#include "shell/pages/data_entry_page.h"
#include "shell/pages/day_page.h"
#include "shell/pages/graph_page.h"
#include "shell/pages/log_page.h"
#include "shell/pages/select_page.h"
#include "shell/pages/totals_page.h"
#include "shell/pages/week_page.h"

namespace {

using namespace pagetest;

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kLightCyan(192, 255, 255);    // 0xFFFFC0 as a 0x00BBGGRR colour
const QColor kLightYellow(255, 255, 127);  // 0x7FFFFF

// Pixels of the client area inside [x0, x1] x [y0, y1] that are darker than
// mid grey: text or lines.
int darkPixels(const QImage& image, int x0, int y0, int x1, int y1)
{
    int n = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (qGray(image.pixel(x + kPageBorder, y + kPageBorder)) < 128)
                ++n;
    return n;
}

using PagePaintingTest = PageTest;

TEST_F(PagePaintingTest, dataEntry_whitePageWithFramesAndTheYellowBand)
{
    auto page = make<DataEntryPage>(QSize(640, 480));
    page->setPaceUnitsLabel("mpm");
    const QImage image = renderPage(*page, "data_entry");
    EXPECT_EQ(QColor(image.pixel(0, 0)), kBlack);  // the page's border
    EXPECT_EQ(clientPixel(image, 3, 3), kWhite);
    // Page client height 453: line at 342, band from 343 down to the list at 364.
    EXPECT_EQ(clientPixel(image, 3, 342), kBlack);
    EXPECT_EQ(clientPixel(image, 3, 343), kLightYellow);
    EXPECT_EQ(clientPixel(image, 3, 450), kLightYellow);
    EXPECT_EQ(clientPixel(image, 3, 341), kWhite);
    // The Autofill frame from (6, 118) to (77, 136), and the keyword frame around y 228.
    EXPECT_EQ(clientPixel(image, 6, 118), kBlack);
    EXPECT_EQ(clientPixel(image, 77, 136), kBlack);
    EXPECT_EQ(clientPixel(image, 78, 137), kWhite);
    EXPECT_EQ(clientPixel(image, 6, 222), kBlack);
    EXPECT_EQ(clientPixel(image, 77, 240), kBlack);
    // Labels left of their fields; the pace units after the pace field.
    EXPECT_GT(darkPixels(image, 8, 9, 40, 24), 0);      // "Date:"
    EXPECT_GT(darkPixels(image, 8, 77, 60, 106), 0);    // "Route/" "Workout:"
    EXPECT_GT(darkPixels(image, 8, 194, 70, 210), 0);   // "Comment:"
    EXPECT_GT(darkPixels(image, 8, 347, 110, 362), 0);  // "Recent Entries:"
    EXPECT_GT(darkPixels(image, 540, 44, 580, 60), 0);  // "mpm"
    EXPECT_EQ(darkPixels(image, 8, 300, 15, 340), 0);   // nothing between Clear and the band
}

// The layout's pixels assume the fonts' cells, not their em sizes: each
// label fits the room its page gives it.
TEST_F(PagePaintingTest, fontsAreSetByCellHeight_soLabelsFitTheirRoom)
{
    EXPECT_LE(QFontMetrics(fonts.tabFont).height(), 14);
    EXPECT_LE(QFontMetrics(fonts.smallFont).height(), 14);
    EXPECT_LE(QFontMetrics(fonts.listFont).height(), 16);
    EXPECT_LE(QFontMetrics(fonts.pageFont).height(), 16);
    EXPECT_GE(QFontMetrics(fonts.pageFont).height(), 14) << "not smaller than needed";

    // "Autofill" and "Keyword" end before their buttons (at x 62).
    const DataEntryPainting p = dataEntryPainting(453, 228);
    const QFontMetrics tab(fonts.tabFont);
    EXPECT_LE(p.autofill.x + tab.horizontalAdvance(QStringLiteral("Autofill")), 62);
    EXPECT_LE(p.keyword.x + tab.horizontalAdvance(QStringLiteral("Keyword")), 62);

    // "meters" shows whole in the units box.
    auto page = make<DataEntryPage>(QSize(640, 480));
    QComboBox* units = page->unitsCombo();
    units->setCurrentIndex(4);
    QStyleOptionComboBox option;
    option.initFrom(units);
    const QRect text =
        units->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, units);
    EXPECT_LE(QFontMetrics(units->font()).horizontalAdvance(QStringLiteral("meters")), text.width());
}

TEST_F(PagePaintingTest, log_cyanPageWithColumnHeadings)
{
    auto page = make<LogPage>(QSize(640, 480));
    const QImage image = renderPage(*page, "log");
    EXPECT_EQ(clientPixel(image, 2, 2), kLightCyan);
    EXPECT_EQ(darkPixels(image, 0, 0, 29, 18), 0);
    EXPECT_GT(darkPixels(image, 30, 5, 60, 18), 0);    // "Date"
    EXPECT_GT(darkPixels(image, 342, 5, 400, 18), 0);  // "Route/Workout" at A / 2 + 260
    EXPECT_GT(darkPixels(image, 506, 5, 560, 18), 0);  // "Comment" at A x 6 / 4 + 260
}

TEST_F(PagePaintingTest, totals_headingsStartAtTheirColumns)
{
    auto page = make<TotalsPage>(QSize(640, 480));
    const QImage image = renderPage(*page, "totals");
    EXPECT_EQ(clientPixel(image, 2, 2), kLightCyan);
    const int m = 59;  // ((638 - 16) - 520) / 2 + 8
    for (int column : {150, 260, 300, 360, 440}) {
        SCOPED_TRACE(column);
        EXPECT_GT(darkPixels(image, m + column, 7, m + column + 8, 21), 0);
        EXPECT_EQ(darkPixels(image, m + column - 6, 7, m + column - 1, 21), 0);
    }
}

TEST_F(PagePaintingTest, select_rowLabelsEndAtTheLabelColumn)
{
    auto page = make<SelectPage>(QSize(640, 480));
    const QImage image = renderPage(*page, "select");
    EXPECT_EQ(image.height(), 405);
    for (int row = 0; row < 10; ++row) {
        SCOPED_TRACE(row);
        const int y = 20 + 30 * row;
        EXPECT_GT(darkPixels(image, 70, y, 90, y + 17), 0);
        EXPECT_EQ(darkPixels(image, 91, y, 97, y + 17), 0);
        EXPECT_EQ(darkPixels(image, 0, y, 4, y + 17), 0);
    }
    EXPECT_GT(darkPixels(image, 240, 20, 255, 37), 0);  // "to" between the dates
}

TEST_F(PagePaintingTest, arrowButtonsAreFilledWithTheirPageColour)
{
    auto day = make<DayPage>(QSize(640, 480));
    const QImage dayImage = renderPage(*day, "day");
    EXPECT_EQ(clientPixel(dayImage, 381, 361), kLightYellow);
    EXPECT_EQ(clientPixel(dayImage, 3, 3), kLightCyan);  // the day view's page background

    auto week = make<WeekPage>(QSize(640, 480));
    const QImage weekImage = renderPage(*week, "week");
    EXPECT_EQ(clientPixel(weekImage, 241, 427), kLightCyan);

    auto graph = make<GraphPage>(QSize(640, 480));
    const QImage graphImage = renderPage(*graph, "graph");
    EXPECT_EQ(clientPixel(graphImage, 251, 427), kLightCyan);
}

TEST_F(PagePaintingTest, contentPainter_drawsIntoTheClientArea)
{
    auto week = make<WeekPage>(QSize(640, 480));
    QRect seen;
    week->setContentPainter([&](QPainter& painter, const QRect& area) {
        seen = area;
        painter.fillRect(QRect(0, 0, 10, 10), Qt::red);
    });
    const QImage image = renderPage(*week, "week_with_view");
    EXPECT_EQ(seen, QRect(0, 0, 638, 453));
    EXPECT_EQ(clientPixel(image, 0, 0), QColor(Qt::red));
    EXPECT_EQ(QColor(image.pixel(0, 0)), kBlack);  // the border stays outside
}

// Every page at two sizes with a log loaded; each covers all of its area.
TEST_F(PagePaintingTest, everyPageWithALog_paintsAllOfItsArea)
{
    loadLog("spring_2002_three_sports.dat");
    state.dayEntry = 2;
    for (QSize client : {QSize(640, 480), QSize(800, 600)}) {
        for (int index = 0; index < kPageCount; ++index) {
            SCOPED_TRACE(index);
            std::unique_ptr<Page> page(createPage(index, context, client, nullptr));
            ASSERT_NE(page, nullptr);
            EXPECT_EQ(page->geometry(), Page::pageGeometry(index, client));
            const QImage image =
                renderPage(*page, QStringLiteral("page%1_%2x%3").arg(index).arg(client.width()).arg(client.height()));
            int unpainted = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    unpainted += QColor(image.pixel(x, y)) == QColor(Qt::magenta) ? 1 : 0;
            EXPECT_EQ(unpainted, 0);
        }
    }
    EXPECT_EQ(createPage(kPageCount, context, QSize(640, 480), nullptr), nullptr);
}

}  // namespace
