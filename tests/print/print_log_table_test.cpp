// The log table: pages drawn only inside the range, the page break before the
// row that would cross the bottom line, the columns, Cancel between rows.

#include <gtest/gtest.h>

#include <QDate>
#include <QPdfWriter>

#include "print_test_support.h"
#include "view_log_builder.h"
#include "views/logic/print_layout.h"
#include "views/print_tables.h"

using namespace printtest;

namespace {

// count entries, one a day from 1 January 2002, routes "Route 0001" on.
struct DailyLog {
    ViewLog log;
    std::vector<std::string> dates;
    std::vector<std::string> routes;

    explicit DailyLog(int count, int raceEvery = 0)
    {
        log.sport("Running", 'R', DistanceUnit::Miles, PaceUnit::MinPerMile);
        dates.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            dates.push_back(QDate(2002, 1, 1).addDays(i).toString(QStringLiteral("MM/dd/yy")).toStdString());
            routes.push_back(QStringLiteral("Route %1").arg(i + 1, 4, 10, QLatin1Char('0')).toStdString());
        }
        for (int i = 0; i < count; ++i) {
            const bool race = raceEvery > 0 && i % raceEvery == raceEvery - 1;
            log.add({dates[static_cast<std::size_t>(i)].c_str(), 'R', 30.0f, 4.0f, "4M", "30:00", race ? 'R' : 'T',
                     true, routes[static_cast<std::size_t>(i)].c_str(), "", "7:30"});
        }
    }
};

// The log table's measures on a device like pdf's.
TablePage measuresOf(const PdfFile& pdf, const PrintRequest& request)
{
    QTemporaryDir dir;
    QPdfWriter writer(dir.filePath(QStringLiteral("probe.pdf")));
    writer.setResolution(pdf.dpi());
    writer.setPageSize(pdf.paper());
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    return tablePage(writer, request.tableFont);
}

}  // namespace

TEST(PrintLogTable, rangeTwoToTwo_drawsOnlyTheSecondPage_andEndsTheDocumentThere)
{
    DailyLog daily(200);
    PdfFile whole;
    const PrintResult all = whole.print(daily.log.store, defaultRequest(PrintPage::Log));
    ASSERT_GE(all.pagesDrawn, 3);
    EXPECT_EQ(whole.pageCount(), all.pagesDrawn);

    PrintRequest request = defaultRequest(PrintPage::Log);
    request.range = {2, 2};
    PdfFile second;
    const PrintResult result = second.print(daily.log.store, request);
    EXPECT_EQ(result.outcome, PrintOutcome::Finished);
    EXPECT_EQ(result.pagesDrawn, 1);
    EXPECT_EQ(result.pagesLaidOut, 2);  // nothing laid out after the range's last page
    EXPECT_EQ(second.pageCount(), 1);
    EXPECT_EQ(second.text(1), whole.text(2));
    EXPECT_TRUE(second.text().contains(QStringLiteral("Page 2")));
    EXPECT_FALSE(second.text().contains(QStringLiteral("Route 0001")));
}

TEST(PrintLogTable, headingAndRows_showTheJobTheLogAndEachSelectedEntry)
{
    ViewLog log;
    log.sport("Running", 'R', DistanceUnit::Miles, PaceUnit::MinPerMile);
    log.add({"05/24/99", 'R', 30.0f, 4.0f, "4M", "30:00", 'T', true, "River loop", "Felt fine", "7:30"});
    log.add({"05/25/99", 'R', 30.0f, 4.0f, "4M", "30:00", 'T', false, "Hidden route", "", "7:30"});
    PdfFile pdf;
    pdf.print(log.store, defaultRequest(PrintPage::Log));
    const QString text = pdf.text();
    for (const char* expected : {"Orvanta: Daily Log", "/logs/test.dat", "Date", "Dist.", "Time", "Pace",
                                 "Route/Workout", "Comment", "Mo 05/24/99", "4M", "30:00", "7:30", "River loop",
                                 "Felt fine", "Page 1"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected;
    EXPECT_FALSE(text.contains(QStringLiteral("Hidden route")));
}

TEST(PrintLogTable, rowsFillingAPageExactly_breakOnlyBeforeTheRowThatWouldCross)
{
    constexpr int kRows = 10;
    PrintRequest request = defaultRequest(PrintPage::Log);
    const TablePage letter = measuresOf(PdfFile(), request);
    const int rowHeight = QFontMetrics(letter.normal).height() + letter.leading;
    // A paper whose body holds exactly kRows one-line rows (72 dpi: points are pixels).
    const int height = 2 * letter.my + 5 * letter.lh + kRows * rowHeight;
    const QPageSize paper(QSizeF(612, height), QPageSize::Point, QString(), QPageSize::ExactMatch);
    const TablePage exact = measuresOf(PdfFile(72, paper), request);
    ASSERT_EQ(exact.bodyBottom(), exact.dataTop() + kRows * rowHeight);

    DailyLog full(kRows);
    PdfFile onePage(72, paper);
    EXPECT_EQ(onePage.print(full.log.store, request).pagesDrawn, 1);

    DailyLog oneMore(kRows + 1);
    PdfFile twoPages(72, paper);
    EXPECT_EQ(twoPages.print(oneMore.log.store, request).pagesDrawn, 2);
    EXPECT_TRUE(twoPages.text(1).contains(QStringLiteral("Route 0010")));
    EXPECT_FALSE(twoPages.text(1).contains(QStringLiteral("Route 0011")));
    EXPECT_TRUE(twoPages.text(2).contains(QStringLiteral("Route 0011")));
}

TEST(PrintLogTable, columnsAt600Dpi_followTheirSamplesWithGapsAndShareTheRest)
{
    // Ten pixels a character, on letter paper 8.5 inches wide.
    const LogColumns c = logColumns(600, 5100, [](const char* t) { return 10 * static_cast<int>(strlen(t)); });
    struct Row {
        const char* name;
        ColumnEdges got;
        ColumnEdges want;
    };
    for (const Row& row : {Row{"date", c.date, {360, 470}}, Row{"sport", c.sport, {530, 540}},
                           Row{"distance", c.distance, {600, 670}}, Row{"time", c.time, {730, 810}},
                           Row{"pace", c.pace, {870, 940}}, Row{"route", c.route, {1000, 2855}},
                           Row{"comment", c.comment, {2915, 4770}}}) {
        EXPECT_EQ(row.got.left, row.want.left) << row.name;
        EXPECT_EQ(row.got.right, row.want.right) << row.name;
    }
    EXPECT_EQ(c.rules, (std::array<int, 6>{500, 570, 700, 840, 970, 2885}));
}

TEST(PrintLogTable, columnsAt600Dpi_holdTheirWidestTextsInThePrintingFont)
{
    QTemporaryDir dir;
    QPdfWriter writer(dir.filePath(QStringLiteral("probe.pdf")));
    writer.setResolution(600);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    const TablePage page = tablePage(writer, defaultRequest(PrintPage::Log).tableFont);
    EXPECT_EQ(page.pw, 5100);
    EXPECT_EQ(page.mx, 300);
    EXPECT_EQ(page.lh, 9 * 600 / 72 + page.leading);  // a 75-pixel cell
    const QFontMetrics fm(page.normal, &writer);
    const LogColumns c =
        logColumns(600, page.pw, [&](const char* t) { return fm.horizontalAdvance(QString::fromLatin1(t)); });
    EXPECT_EQ(c.date.width(), fm.horizontalAdvance(QStringLiteral("We 05/24/99")));
    // A fixed-pitch face: eleven characters of the date, seven of the distance
    // (advances of a fraction of a pixel add up).
    EXPECT_NEAR(c.date.width() * 7, c.distance.width() * 11, 11);
    EXPECT_EQ(c.comment.right, 5100 - 300 - 30);
    EXPECT_NEAR(c.route.width(), c.comment.width(), 60);
}

TEST(PrintLogTable, cancel_stopsBeforeTheNextRow_andAbortsTheDocument)
{
    DailyLog daily(20);
    int asked = 0;
    int aborted = 0;
    PrintHooks hooks;
    hooks.shouldStop = [&] { return ++asked == 5; };
    hooks.abortDocument = [&] { ++aborted; };
    PdfFile pdf;
    const PrintResult result = pdf.print(daily.log.store, defaultRequest(PrintPage::Log), hooks);
    EXPECT_EQ(result.outcome, PrintOutcome::Aborted);
    EXPECT_EQ(asked, 5);
    EXPECT_EQ(aborted, 1);
    const QString text = pdf.text();
    EXPECT_TRUE(text.contains(QStringLiteral("Route 0004")));
    EXPECT_FALSE(text.contains(QStringLiteral("Route 0005")));
    EXPECT_FALSE(text.contains(QStringLiteral("Page 1")));  // no footer after a cancel
}

TEST(PrintLogTable, entriesOfOddWeeksAreGrey_andRacesPrintRed)
{
    DailyLog daily(14, 5);  // two weeks and more; every fifth entry a race
    PdfFile pdf(150);
    const PrintRequest request = defaultRequest(PrintPage::Log);
    pdf.print(daily.log.store, request);
    const QImage page = pdf.image(1);
    ASSERT_FALSE(page.isNull());
    const TablePage m = measuresOf(pdf, request);
    const int rowHeight = QFontMetrics(m.normal).height() + m.leading;
    for (int i = 0; i < 14; ++i) {
        const LogEntry& e = daily.log.store.entry(static_cast<std::size_t>(i));
        const int top = m.dataTop() + i * rowHeight;
        // Beside the date, left of any text; the row's middle misses the rules.
        const QColor beside = page.pixelColor(m.mx + 4, top + rowHeight / 2);
        EXPECT_EQ(beside, e.weekIndex % 2 ? QColor(224, 224, 224) : QColor(Qt::white)) << "row " << i;
        int red = 0;
        for (int y = top + 1; y < top + rowHeight - 1; ++y)
            for (int x = m.mx; x < m.pw - m.mx; ++x) {
                const QColor c = page.pixelColor(x, y);
                red += c.red() > 200 && c.green() < 120 && c.blue() < 120 ? 1 : 0;
            }
        EXPECT_EQ(red > 0, e.isRace()) << "row " << i;
    }
}

TEST(PrintLogTable, aRowTallerThanThePage_takesAPageOfItsOwn_withNoEmptyPages)
{
    std::string longRoute;
    for (int i = 0; i < 60; ++i)
        longRoute += "word ";
    ViewLog log;
    log.sport("Running", 'R');
    log.add({"03/04/02", 'R', 30.0f, 4.0f, "4M", "30:00", 'T', true, longRoute.c_str(), longRoute.c_str(), ""});
    log.add({"03/05/02", 'R', 30.0f, 4.0f, "4M", "30:00", 'T', true, longRoute.c_str(), "", ""});
    // Three inches high: the body holds a few lines, each row needs many more.
    const QPageSize paper(QSizeF(612, 216), QPageSize::Point, QString(), QPageSize::ExactMatch);
    PdfFile pdf(72, paper);
    const PrintResult result = pdf.print(log.store, defaultRequest(PrintPage::Log));
    EXPECT_EQ(result.outcome, PrintOutcome::Finished);
    EXPECT_EQ(result.pagesDrawn, 2);
    EXPECT_TRUE(pdf.text(1).contains(QStringLiteral("Mo 03/04/02")));
    EXPECT_TRUE(pdf.text(2).contains(QStringLiteral("Tu 03/05/02")));
}

TEST(PrintLogTable, aWordLongerThanItsColumn_staysInsideIt)
{
    const std::string word(300, 'X');
    ViewLog log;
    log.sport("Running", 'R');
    log.add({"03/04/02", 'R', 30.0f, 4.0f, "4M", "30:00", 'T', true, word.c_str(), "", ""});
    PdfFile pdf(150);
    const PrintRequest request = defaultRequest(PrintPage::Log);
    pdf.print(log.store, request);
    const QImage page = pdf.image(1);
    ASSERT_FALSE(page.isNull());
    const TablePage m = measuresOf(pdf, request);
    const QFontMetrics fm(m.normal);
    const LogColumns c =
        logColumns(m.dpiX, m.pw, [&](const char* t) { return fm.horizontalAdvance(QString::fromLatin1(t)); });
    const int top = m.dataTop() + 2;  // under the row's top rule
    const int bottom = top + fm.height() - 4;
    int inRoute = 0;
    int inComment = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = c.route.left; x < c.route.right; ++x)
            inRoute += qGray(page.pixel(x, y)) < 128 ? 1 : 0;
        for (int x = c.comment.left; x < c.comment.right; ++x)
            inComment += qGray(page.pixel(x, y)) < 128 ? 1 : 0;
    }
    EXPECT_GT(inRoute, 0);
    EXPECT_EQ(inComment, 0);
}
