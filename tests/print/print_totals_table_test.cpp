// The totals table: its heading, and blocks shaded across a page break.

#include <gtest/gtest.h>

#include <QPdfWriter>

#include "print_test_support.h"
#include "view_log_builder.h"
#include "views/print_tables.h"

using namespace printtest;

namespace {

const QColor kGrey(224, 224, 224);

std::string blockStart(int n)
{
    char line[64];
    std::snprintf(line, sizeof line, "  %02d/01/02   Running             1     0.5       4.0      7:30 ", n % 12 + 1);
    return line;
}

std::string continuation()
{
    return "             Cycling             1     1.0      20.0      18.0 ";
}

}  // namespace

TEST(PrintTotalsTable, headingShowsTheJobTheLogAndThePeriodsTitles)
{
    ViewLog log;
    PrintRequest request = defaultRequest(PrintPage::Totals);
    request.totalPeriod = TotalPeriod::Month;
    request.totals = {{blockStart(1), 1}, {continuation(), 1}};
    PdfFile pdf;
    EXPECT_EQ(pdf.print(log.store, request).pagesDrawn, 1);
    const QString text = pdf.text();
    for (const char* expected :
         {"Orvanta: Totals", "/logs/test.dat", "Month", "Sport", "#", "Hours", "Dist", "Pace", "Running", "Page 1"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected;
}

TEST(PrintTotalsTable, pageStartingInsideABlock_showsItGrey_andBlocksFlipAtTheirStarts)
{
    ViewLog log;
    PrintRequest request = defaultRequest(PrintPage::Totals);
    PdfFile pdf(100);
    QTemporaryDir dir;
    QPdfWriter probe(dir.filePath(QStringLiteral("probe.pdf")));
    probe.setResolution(pdf.dpi());
    probe.setPageSize(pdf.paper());
    probe.setPageMargins(QMarginsF(0, 0, 0, 0));
    const TablePage m = tablePage(probe, request.tableFont);
    const int perPage = (m.bodyBottom() - m.dataTop()) / m.lh;
    // Page 1: a block of perPage - 1 lines, then a block whose second line opens page 2.
    request.totals.push_back({blockStart(1), 1});
    for (int i = 1; i < perPage - 1; ++i)
        request.totals.push_back({continuation(), 1});
    request.totals.push_back({blockStart(2), 2});
    request.totals.push_back({continuation(), 2});
    request.totals.push_back({blockStart(3), 3});
    ASSERT_EQ(pdf.print(log.store, request).pagesDrawn, 2);

    const QFontMetrics fm(m.normal, &probe);
    const int left = (m.pw - fm.horizontalAdvance(QString::fromLatin1(request.totals[0].text.c_str()))) / 2;
    // Right of the text's first blank columns, inside the row.
    const auto shade = [&](const QImage& page, int row) {
        return page.pixelColor(left + 2, m.dataTop() + row * m.lh + m.lh / 2);
    };
    const QImage first = pdf.image(1);
    const QImage second = pdf.image(2);
    ASSERT_FALSE(first.isNull());
    ASSERT_FALSE(second.isNull());
    EXPECT_EQ(shade(first, 0), QColor(Qt::white));           // a page opening with a block's start: white
    EXPECT_EQ(shade(first, perPage - 2), QColor(Qt::white));  // the block keeps its shade
    EXPECT_EQ(shade(first, perPage - 1), kGrey);             // the next block flips
    EXPECT_EQ(shade(second, 0), kGrey);                      // its continuation opens page 2 grey
    EXPECT_EQ(shade(second, 1), QColor(Qt::white));          // and the block after it is white
    EXPECT_TRUE(pdf.text(2).contains(QStringLiteral("Page 2")));
}
