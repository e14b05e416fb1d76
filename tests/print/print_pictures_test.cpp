// The pictures: one day card per selected entry of the range, the week sheet
// and the graph each on one page.

#include <gtest/gtest.h>

#include "print_test_support.h"
#include "view_log_builder.h"

using namespace printtest;

namespace {

ViewLog fiveEntries()
{
    ViewLog log;
    log.sport("Running", 'R', DistanceUnit::Miles, PaceUnit::MinPerMile);
    log.add({"03/04/02", 'R', 30.0f, 4.0f, "4M", "30:00", 'T', true, "First", "", "7:30"});
    log.add({"03/05/02", 'R', 30.0f, 4.0f, "4M", "30:00", 'T', true, "Second", "", "7:30"});
    log.add({"03/06/02", 'R', 30.0f, 4.0f, "4M", "30:00", 'T', false, "Third", "", "7:30"});
    log.add({"03/07/02", 'R', 30.0f, 4.0f, "4M", "30:00", 'R', true, "Fourth", "", "7:30"});
    log.add({"03/08/02", 'R', 30.0f, 4.0f, "4M", "30:00", 'T', true, "Fifth", "", "7:30"});
    return log;
}

}  // namespace

TEST(PrintPictures, dayWithAll_printsFromTheCurrentEntryToTheLast_selectedOnly)
{
    ViewLog log = fiveEntries();
    PrintRequest request = defaultRequest(PrintPage::Day);
    request.range = {2, PrintRange::kLastPage};  // the current entry is the second
    PdfFile pdf;
    const PrintResult result = pdf.print(log.store, request);
    EXPECT_EQ(result.outcome, PrintOutcome::Finished);
    EXPECT_EQ(result.pagesDrawn, 3);
    EXPECT_EQ(pdf.pageCount(), 3);
    EXPECT_TRUE(pdf.text(1).contains(QStringLiteral("#2/5")));
    EXPECT_TRUE(pdf.text(2).contains(QStringLiteral("#4/5")));
    EXPECT_TRUE(pdf.text(3).contains(QStringLiteral("#5/5")));
    EXPECT_FALSE(pdf.text().contains(QStringLiteral("Third")));
}

TEST(PrintPictures, dayRangeWithoutASelectedEntry_drawsNothing)
{
    ViewLog log = fiveEntries();
    PrintRequest request = defaultRequest(PrintPage::Day);
    request.range = {3, 3};
    PdfFile pdf;
    const PrintResult result = pdf.print(log.store, request);
    EXPECT_EQ(result.outcome, PrintOutcome::Finished);
    EXPECT_EQ(result.pagesDrawn, 0);
}

TEST(PrintPictures, dayCards_stopAtCancel)
{
    ViewLog log = fiveEntries();
    PrintHooks hooks;
    int asked = 0;
    hooks.shouldStop = [&] { return ++asked == 2; };
    PdfFile pdf;
    const PrintResult result = pdf.print(log.store, defaultRequest(PrintPage::Day), hooks);
    EXPECT_EQ(result.outcome, PrintOutcome::Aborted);
    EXPECT_EQ(result.pagesDrawn, 1);
}

TEST(PrintPictures, weekAndGraph_printOnePageEach_whateverTheRange)
{
    ViewLog log = fiveEntries();
    struct Row {
        const char* name;
        PrintPage page;
        const char* shows;
    };
    for (const Row& row : {Row{"week", PrintPage::Week, "Total This Week"}, Row{"graph", PrintPage::Graph, "Time"}}) {
        PrintRequest request = defaultRequest(row.page);
        request.week.firstWeek = log.store.entry(0).weekIndex;
        request.graph.firstPeriod = log.store.entry(0).weekIndex - 12;
        request.range = {3, 7};
        PdfFile pdf;
        const PrintResult result = pdf.print(log.store, request);
        EXPECT_EQ(result.pagesDrawn, 1) << row.name;
        EXPECT_EQ(pdf.pageCount(), 1) << row.name;
        EXPECT_TRUE(pdf.text().contains(QString::fromLatin1(row.shows))) << row.name;
    }
}
