// orvanta print: each page kind into a PDF, the page range, the paper, the
// usage errors and refusals; no display and nothing on standard output.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_runner.h"
#include "pdf_tools.h"
#include "spring_log.h"

namespace fs = std::filesystem;

namespace {

// No display of any kind: the tool must not need one.
const std::vector<std::string> kNoDisplay = {"DISPLAY=", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM="};

QString pdfPath(const fs::path& pdf)
{
    return QString::fromStdString(pdf.string());
}

int pageCount(const fs::path& pdf)
{
    return pdftools::pageCount(pdfPath(pdf));
}

std::string pageSize(const fs::path& pdf)
{
    const QString info = pdftools::run(QStringLiteral("pdfinfo"), {pdfPath(pdf)});
    return QRegularExpression(QStringLiteral("Page size:[^\n]*")).match(info).captured(0).toStdString();
}

// pdftotext of one page, or of all for page 0.
std::string pdfText(const fs::path& pdf, int page = 0)
{
    return pdftools::text(pdfPath(pdf), page).toStdString();
}

bool has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

class CliPrint : public ::testing::Test {
protected:
    TempFolder folder;
    void SetUp() override { copyFixture(kSpringLog, folder.work(), "spring.dat"); }
    CliResult run(const std::vector<std::string>& args) { return runOrvanta(args, folder.work(), kNoDisplay); }
    fs::path out(const std::string& name) const { return folder.work() / name; }
};

}  // namespace

TEST_F(CliPrint, eachPage_printsItsPagesWithNothingOnStandardOutput)
{
    struct Row {
        const char* page;
        int pages;
        std::vector<std::string> shows;
    };
    const std::vector<Row> rows = {
        {"log", 1, {"Orvanta: Daily Log", "Fr 03/01/02", "River loop", "Page 1"}},
        {"day", 6, {"Friday, 1 March 2002", "#1/6", "#6/6"}},
        {"week", 1, {"Total This Week", "Total (Average) for 2002"}},
        {"totals", 1, {"Orvanta: Totals", "Running", "Cycling", "Page 1"}},
        {"graph", 1, {"Time - All Sports", "Week Starting"}},
    };
    for (const Row& row : rows) {
        const std::string name = std::string(row.page) + ".pdf";
        CliResult result = run({"print", "spring.dat", name, "--page", row.page});
        EXPECT_EQ(result.exitCode, 0) << row.page << result.err;
        EXPECT_EQ(result.out, "") << row.page;
        EXPECT_EQ(result.err, "") << row.page;
        EXPECT_EQ(pageCount(out(name)), row.pages) << row.page;
        EXPECT_TRUE(has(pageSize(out(name)), "612 x 792 pts (letter)")) << row.page;
        const std::string text = pdfText(out(name));
        for (const std::string& part : row.shows)
            EXPECT_TRUE(has(text, part)) << row.page << ": " << part;
    }
}

TEST_F(CliPrint, pagesOfTheDayCards_countEntries)
{
    CliResult result = run({"print", "--pages", "2-3", "spring.dat", "cards.pdf", "--page", "day"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(pageCount(out("cards.pdf")), 2);
    EXPECT_TRUE(has(pdfText(out("cards.pdf"), 1), "#2/6"));
    EXPECT_TRUE(has(pdfText(out("cards.pdf"), 2), "#3/6"));
}

TEST_F(CliPrint, pagesOfTheLogTable_printOnlyThoseOfTheLongLog)
{
    std::vector<std::string> lines(kSpringHeader);
    for (int day = 1; day <= 28; ++day)
        for (int month = 1; month <= 6; ++month) {
            char line[96];
            std::snprintf(line, sizeof line, "%02d/%02d/03\tTR\t5M\t45:00\t9:00\tLoop %02d-%02d\t", month, day, month,
                          day);
            lines.push_back(line);
        }
    writeBytes(folder.work() / "long.dat", lfLines(lines));
    CliResult whole = run({"print", "long.dat", "whole.pdf", "--page", "log"});
    ASSERT_EQ(whole.exitCode, 0) << whole.err;
    const int pages = pageCount(out("whole.pdf"));
    ASSERT_GE(pages, 3);

    CliResult second = run({"print", "long.dat", "second.pdf", "--page", "log", "--pages", "2-2"});
    EXPECT_EQ(second.exitCode, 0) << second.err;
    EXPECT_EQ(pageCount(out("second.pdf")), 1);
    EXPECT_EQ(pdfText(out("second.pdf")), pdfText(out("whole.pdf"), 2));
}

TEST_F(CliPrint, paperA4_andTheTotalsPeriod)
{
    CliResult result = run({"print", "spring.dat", "months.pdf", "--page", "totals", "--paper", "a4", "--period",
                            "month"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(has(pageSize(out("months.pdf")), "595 x 842 pts (A4)"));
    const std::string text = pdfText(out("months.pdf"));
    EXPECT_TRUE(has(text, "Month"));
    EXPECT_TRUE(has(text, "Mar 02"));
}

TEST_F(CliPrint, graphOptions_chooseTheGraph)
{
    CliResult result = run({"print", "spring.dat", "g.pdf", "--page", "graph", "--type", "distance", "--sport",
                            "Cycling", "--period", "12m", "--first", "2002-01-10"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const std::string text = pdfText(out("g.pdf"));
    EXPECT_TRUE(has(text, "Distance - Cycling"));
    EXPECT_TRUE(has(text, "Jan 02"));
}

TEST_F(CliPrint, usageErrors_exitTwoAndWriteNothing)
{
    struct Row {
        const char* name;
        std::vector<std::string> args;
        const char* problem;
    };
    const std::vector<Row> rows = {
        {"no page", {"print", "spring.dat", "x.pdf"}, "'print' needs --page"},
        {"unknown page", {"print", "spring.dat", "x.pdf", "--page", "select"}, "--page is log, day"},
        {"pages backwards", {"print", "spring.dat", "x.pdf", "--page", "log", "--pages", "3-1"}, "--pages wants N-M"},
        {"pages beyond 9999", {"print", "spring.dat", "x.pdf", "--page", "log", "--pages", "1-10000"}, "--pages"},
        {"paper", {"print", "spring.dat", "x.pdf", "--page", "log", "--paper", "legal"}, "--paper is letter or a4"},
        {"graph option on the log", {"print", "spring.dat", "x.pdf", "--page", "log", "--type", "time"}, "--type"},
        {"graph period on totals", {"print", "spring.dat", "x.pdf", "--page", "totals", "--period", "13w"},
         "--period is week, month or year"},
        {"unknown sport", {"print", "spring.dat", "x.pdf", "--page", "graph", "--sport", "Rowing"}, "Rowing"},
        {"one output only", {"print", "spring.dat", "--page", "log"}, "'print' takes LOG OUT"},
    };
    for (const Row& row : rows) {
        CliResult result = run(row.args);
        EXPECT_EQ(result.exitCode, 2) << row.name;
        EXPECT_TRUE(has(result.err, row.problem)) << row.name << ": " << result.err;
        EXPECT_TRUE(has(result.err, "Usage: orvanta print")) << row.name;
        EXPECT_FALSE(fs::exists(out("x.pdf"))) << row.name;
    }
}

TEST_F(CliPrint, refusals_exitOneWithTheirMessage)
{
    writeBytes(folder.work() / "empty.dat", lfLines({"Sports List: 1", "Running\tRMmpm"}));
    struct Row {
        const char* name;
        std::vector<std::string> args;
        std::string err;
    };
    const std::vector<Row> rows = {
        {"no entries", {"print", "empty.dat", "x.pdf", "--page", "log"}, "Orvanta: Nothing to print!\n"},
        {"distance of all sports", {"print", "spring.dat", "x.pdf", "--page", "graph", "--type", "distance"},
         "Orvanta: You can't graph distance or pace unless you select a single sport to graph first!\n"},
        {"pages past the end", {"print", "spring.dat", "x.pdf", "--page", "log", "--pages", "5-9"},
         "orvanta: pages 5-9 hold nothing to print\n"},
    };
    for (const Row& row : rows) {
        CliResult result = run(row.args);
        EXPECT_EQ(result.exitCode, 1) << row.name;
        EXPECT_EQ(result.err, row.err) << row.name;
        EXPECT_FALSE(fs::exists(out("x.pdf"))) << row.name;
    }
    CliResult missing = run({"print", "nowhere.dat", "x.pdf", "--page", "log"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(has(missing.err, "nowhere.dat"));
}

TEST_F(CliPrint, anUnwritableOutput_isAProblemPrinting)
{
    CliResult result = run({"print", "spring.dat", "no-such-folder/x.pdf", "--page", "log"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Orvanta: Problem printing!\n");
}

TEST_F(CliPrint, selectionOptions_printOnlyTheSelectedEntries)
{
    CliResult log = run({"print", "spring.dat", "bikes.pdf", "--page", "log", "--sport", "Cycling"});
    EXPECT_EQ(log.exitCode, 0) << log.err;
    const std::string text = pdfText(out("bikes.pdf"));
    EXPECT_TRUE(has(text, "Track 6x1k"));
    EXPECT_FALSE(has(text, "River loop"));

    // The day cards start at the first selected entry.
    CliResult day = run({"print", "spring.dat", "race.pdf", "--page", "day", "--category", "Race"});
    EXPECT_EQ(day.exitCode, 0) << day.err;
    EXPECT_EQ(pageCount(out("race.pdf")), 1);
    EXPECT_TRUE(has(pdfText(out("race.pdf")), "#4/6"));

    CliResult none = run({"print", "spring.dat", "none.pdf", "--page", "totals", "--route", "contains Nowhere"});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(none.err, "Orvanta: Nothing to print!\n");
}
