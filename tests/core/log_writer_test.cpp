// Saving a log in its five formats: the bytes written, the backup copy, the
// safe replacement of the old file and what a save tells and asks the user.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "core_test_support.h"
#include "log/html_export.h"
#include "log/log_reader.h"
#include "log/log_writer.h"
#include "log/messages.h"

namespace {

using orvtest::addSport;
using orvtest::appendEntry;
using orvtest::crlf;
using orvtest::dataFile;
using orvtest::EntryTexts;
using orvtest::fileExists;
using orvtest::makeEntry;
using orvtest::makeStore;
using orvtest::readBytes;
using orvtest::writeBytes;

std::string printf2(const char* format, const std::string& text, int number)
{
    char buf[2048];
    std::snprintf(buf, sizeof buf, format, text.c_str(), number);
    return buf;
}

const std::string kSectionLines = crlf({
    "Sports List: 4",
    "Running\tRMmpm",
    "Cycling\tCKkph",
    "Yoga & Core\tY    ",
    "Swimming\tSY???",
    "Preferences: 2  1  1  1  3  0  0",
    "Routes: 1",
    "Park loop\tTR\t5.0M\t\t\tPark loop twice\t\t",
    "Keywords: 1",
    "3\tShoe\tShoes worn",
});
const std::string kLine0 = "03/01/04\tTR\t5.2M\t45:30\t8:45\tRiver loop\tEasy day\r\n";
const std::string kLine1 = "03/14/04\tRC\t40K\t1:05:00\t36.9\tLake <race> & \"fun\"\tWon\r\n";
const std::string kLine2 = "03/20/04\tTY\t\t\t\t\tStretching\r\n";
const std::string kLine3 = "03/28/04\tTY\t\t\t\t\t\r\n";
const std::string kLine4 = "03/30/04\tIR\t6M\t48:00\t8:00\tTrack\t6 x 1 mile\r\n";

class SaveLog : public orvtest::TempDirTest {
protected:
    void SetUp() override
    {
        orvtest::TempDirTest::SetUp();
        LogStore& s = *store;
        addSport(s, "Running", 'R', DistanceUnit::Miles, PaceUnit::MinPerMile);
        addSport(s, "Cycling", 'C', DistanceUnit::Kilometers, PaceUnit::KmPerHour);
        addSport(s, "Yoga & Core", 'Y', DistanceUnit::None, PaceUnit::None);
        addSport(s, "Swimming", 'S', DistanceUnit::Yards, PaceUnit::SecPer100Yards);
        s.preferences.values = {2, 1, 1, 1, 3, 0, 0};
        s.setWeekStart(3);
        s.routes[0].text = "Park loop\tTR\t5.0M\t\t\tPark loop twice\t\t";
        s.routeCount = 1;
        s.keywords[0].text = "3\tShoe\tShoes worn";
        s.keywordCount = 1;
        appendEntry(s, makeEntry(s, {"03/01/04", "TR", "5.2M", "45:30", "8:45", "River loop", "Easy day"}));
        appendEntry(s, makeEntry(s, {"03/14/04", "RC", "40K", "1:05:00", "36.9", "Lake <race> & \"fun\"", "Won"}));
        appendEntry(s, makeEntry(s, {"03/20/04", "TY", "", "", "", "", "Stretching"}, false));
        appendEntry(s, makeEntry(s, {"03/28/04", "TY", "", "", "", "", ""}));
        appendEntry(s, makeEntry(s, {"03/30/04", "IR", "6M", "48:00", "8:00", "Track", "6 x 1 mile"}, false));
        s.setFileName(path("MyLog.dat"));
        s.modified = true;
    }
    void TearDown() override
    {
        EXPECT_EQ(std::vector<std::string>{}, prompt.unexpected) << "a question no test expected";
        EXPECT_EQ(0, prompt.busyDepth);
        orvtest::TempDirTest::TearDown();
    }

    bool save(const std::string& target, bool selectedOnly, SaveFormat format)
    {
        return saveLog(*store, target, selectedOnly, format, context);
    }
    void answerStartMenu(UserPrompt::Answer answer) { prompt.answers.push_back(answer); }
    void unselectAll()
    {
        for (std::size_t i = 0; i < store->entryCount; ++i)
            store->entries[i].selected = 0;
    }

    std::unique_ptr<LogStore> store = makeStore();
    ScriptedPrompt prompt;
    MemorySettingsStore settings;
    std::vector<std::string> startMenu;
    SaveContext context{prompt, settings, [this](const std::string& p) { startMenu.push_back(p); }};
};

const std::string kStartMenuLine = std::string("Orvanta: ") + msg::kAddToStartMenu;

// ---------------------------------------------------------------- the five formats

TEST_F(SaveLog, completeLogWritesEverySectionThenEveryEntry)
{
    answerStartMenu(UserPrompt::Answer::No);
    ASSERT_TRUE(save(path("MyLog.dat"), false, SaveFormat::CompleteLog));
    EXPECT_EQ(kSectionLines + kLine0 + kLine1 + kLine2 + kLine3 + kLine4, readBytes(path("MyLog.dat")));
    EXPECT_EQ(std::vector<std::string>{"MyLog.dat"}, listing());
}

TEST_F(SaveLog, completeLogOfTheSelectedEntriesKeepsEverySection)
{
    ASSERT_TRUE(save(path("Archive.dat"), true, SaveFormat::CompleteLog));
    EXPECT_EQ(kSectionLines + kLine0 + kLine1 + kLine3, readBytes(path("Archive.dat")));
}

TEST_F(SaveLog, entriesOnlyWritesTheSelectedEntryLines)
{
    ASSERT_TRUE(save(path("Download.dat"), true, SaveFormat::EntriesOnly));
    EXPECT_EQ(kLine0 + kLine1 + kLine3, readBytes(path("Download.dat")));
}

TEST_F(SaveLog, appendEntriesAddsToTheEndOfAnExistingFile)
{
    store->preferences.values[1] = 2;
    writeBytes(path("Download.dat"), "01/01/04\tTR\t\t\t\t\tfrom before\r\n");
    ASSERT_TRUE(save(path("Download.dat"), true, SaveFormat::AppendEntries));
    EXPECT_EQ("01/01/04\tTR\t\t\t\t\tfrom before\r\n" + kLine0 + kLine1 + kLine3, readBytes(path("Download.dat")));
}

TEST_F(SaveLog, appendEntriesCreatesAMissingFile)
{
    ASSERT_TRUE(save(path("Download.dat"), true, SaveFormat::AppendEntries));
    EXPECT_EQ(kLine0 + kLine1 + kLine3, readBytes(path("Download.dat")));
}

TEST_F(SaveLog, trainingProgramCountsDaysBackFromTheLastSelectedEntry)
{
    ASSERT_TRUE(save(path("Plan.dat"), true, SaveFormat::TrainingProgram));
    EXPECT_EQ(crlf({"-27\tTR\t5.2M\t45:30\t8:45\tRiver loop\tEasy day",
                    "-14\tRC\t40K\t1:05:00\t36.9\tLake <race> & \"fun\"\tWon", "-0\tTY\t\t\t\t\t"}),
              readBytes(path("Plan.dat")));
    EXPECT_EQ((CalendarDate{2004, 3, 28}), store->trainingReference);
}

TEST_F(SaveLog, trainingProgramReadsBackToTheSameDates)
{
    ASSERT_TRUE(save(path("Plan.dat"), true, SaveFormat::TrainingProgram));
    std::string bytes = readBytes(path("Plan.dat"));
    auto reader = makeStore();
    addSport(*reader, "Running", 'R', DistanceUnit::Miles, PaceUnit::MinPerMile);
    reader->trainingReference = CalendarDate{2004, 3, 28};
    std::vector<std::string> dates;
    for (std::string_view line : splitLines(bytes)) {
        LogEntry e;
        bool bad = false;
        if (parseEntryLine(line, true, e, bad, *reader, prompt))
            dates.push_back(e.dateText.str());
        EXPECT_FALSE(bad) << line;
    }
    EXPECT_EQ((std::vector<std::string>{"03/01/04", "03/14/04", "03/28/04"}), dates);
}

const std::string kRed = "<td><font color=\"#ff0000\">";
const std::string kRedEnd = "</font></td>";

std::string redCell(const std::string& text)
{
    return kRed + text + kRedEnd;
}
std::string cell(const std::string& text)
{
    return "<td>" + text + "</td>";
}

const std::string kHtmlHead =
    "<html><head><title>Export</title></head>\r\n"
    "<body><center><h1>Export</h1></center>\r\n"
    "<dl><dt><b>Key to Sport (S) and Pace columns:</b></dt>"
    "<dd>R=Running (pace in mpm)</dd>\r\n"
    "<dd>C=Cycling (pace in kph)</dd>\r\n"
    "<dd>Y=Yoga &amp; Core</dd>\r\n"
    "<dd>S=Swimming (pace in \?\?\?)</dd>\r\n"
    "</dl>\r\n"
    "<table border=3 cellpadding=4 cellspacing=0 align=left>\r\n"
    "<tr><th>Date</th><th>S</th><th>Dist.</th><th>Time</th><th>Pace</th><th>Route/Workout</th>"
    "<th>Comment</th></tr>\r\n";
const std::string kHtmlTail = "</table></body></html>\r\n";

const std::string kHtmlRows =
    "<tr>" + cell("03/01/04") + cell("R") + cell("5.2M") + cell("45:30") + cell("8:45") + cell("River loop") +
    cell("Easy day") + "</tr>\r\n" + "<tr>" + redCell("03/14/04") + redCell("C") + redCell("40K") + redCell("1:05:00") +
    redCell("36.9") + redCell("Lake &lt;race&gt; &amp; &quot;fun&quot;") + redCell("Won") + "</tr>\r\n" + "<tr>" +
    cell("03/28/04") + cell("Y") + cell("") + cell("") + cell("") + cell("") + cell("") + "</tr>\r\n";

TEST_F(SaveLog, htmlWritesAnEscapedPageOfTheSelectedEntries)
{
    ASSERT_TRUE(save(path("Export.htm"), true, SaveFormat::Html));
    EXPECT_EQ(kHtmlHead + kHtmlRows + kHtmlTail, readBytes(path("Export.htm")));
}

TEST_F(SaveLog, htmlWithNoSelectedEntryHasOnlyTheHeadingRow)
{
    unselectAll();
    ASSERT_TRUE(save(path("Export.htm"), true, SaveFormat::Html));
    EXPECT_EQ(kHtmlHead + kHtmlTail, readBytes(path("Export.htm")));
}

// ---------------------------------------------------------------- entry and sport lines

TEST_F(SaveLog, entryLineHasExactlySixTabs)
{
    EXPECT_EQ(kLine0, formatEntryLine(store->entry(0), false, *store));
    EXPECT_EQ(kLine3, formatEntryLine(store->entry(3), false, *store));
    LogEntry blank;
    blank.dateText = "03/21/02";
    EXPECT_EQ("03/21/02\t\t\t\t\t\t\r\n", formatEntryLine(blank, false, *store));
}

TEST_F(SaveLog, relativeEntryLineCountsDaysToTheReference)
{
    store->trainingReference = CalendarDate{2004, 3, 28};
    EXPECT_EQ("-27\tTR\t5.2M\t45:30\t8:45\tRiver loop\tEasy day\r\n", formatEntryLine(store->entry(0), true, *store));
    EXPECT_EQ("-0\tTY\t\t\t\t\t\r\n", formatEntryLine(store->entry(3), true, *store));
    store->trainingReference = CalendarDate{2004, 4, 4};
    EXPECT_EQ("-7\tTY\t\t\t\t\t\r\n", formatEntryLine(store->entry(3), true, *store));
}

TEST_F(SaveLog, sportLineIsNameTabLetterUnitAndPace)
{
    EXPECT_EQ("Running\tRMmpm", formatSportLine(store->sports[1]));
    EXPECT_EQ("Cycling\tCKkph", formatSportLine(store->sports[2]));
    EXPECT_EQ("Yoga & Core\tY    ", formatSportLine(store->sports[3]));
    EXPECT_EQ("Swimming\tSY???", formatSportLine(store->sports[4]));
}

TEST_F(SaveLog, appendLineCreatesThenAppends)
{
    ASSERT_TRUE(appendLine(path("Download.dat"), kLine0));
    ASSERT_TRUE(appendLine(path("Download.dat"), kLine1));
    EXPECT_EQ(kLine0 + kLine1, readBytes(path("Download.dat")));
    EXPECT_FALSE(appendLine(path("missing/Download.dat"), kLine0));
}

// ---------------------------------------------------------------- names

TEST_F(SaveLog, nameWithoutPointGetsTheFormatsExtension)
{
    ASSERT_TRUE(save(path("Selected"), true, SaveFormat::EntriesOnly));
    ASSERT_TRUE(save(path("Page"), true, SaveFormat::Html));
    EXPECT_EQ((std::vector<std::string>{"Page.htm", "Selected.dat"}), listing());
    EXPECT_EQ(kLine0 + kLine1 + kLine3, readBytes(path("Selected.dat")));
    EXPECT_EQ(0u, readBytes(path("Page.htm")).find("<html><head><title>Page</title></head>\r\n"));
}

TEST_F(SaveLog, extendedNameIsTheOneRememberedAndOffered)
{
    settings.keyExists = true;
    answerStartMenu(UserPrompt::Answer::Yes);
    ASSERT_TRUE(save(path("MyLog"), false, SaveFormat::CompleteLog));
    EXPECT_EQ(std::optional<std::string>(path("MyLog.dat")), settings.readString("Default Log"));
    EXPECT_EQ((std::vector<std::string>{path("MyLog.dat")}), startMenu);
}

TEST_F(SaveLog, pointInAFolderNameDoesNotCountAsAnExtension)
{
    ASSERT_EQ(0, mkdir(path("logs.2004").c_str(), 0755));
    ASSERT_TRUE(save(path("logs.2004/Selected"), true, SaveFormat::EntriesOnly));
    EXPECT_TRUE(fileExists(path("logs.2004/Selected.dat")));
    EXPECT_FALSE(fileExists(path("logs.2004/Selected")));
}

struct ExtensionRow {
    const char* name;
    const char* path;
    SaveFormat format;
    const char* result;
};

void PrintTo(const ExtensionRow& row, std::ostream* os)
{
    *os << row.name;
}

class DefaultExtensionTable : public ::testing::TestWithParam<ExtensionRow> {};

TEST_P(DefaultExtensionTable, addsAnExtensionOnlyWhenTheNameHasNoPoint)
{
    EXPECT_EQ(GetParam().result, withDefaultExtension(GetParam().path, GetParam().format));
}

INSTANTIATE_TEST_SUITE_P(
    Names, DefaultExtensionTable,
    ::testing::Values(
        ExtensionRow{"logGetsDat", "/home/ann/MyLog", SaveFormat::CompleteLog, "/home/ann/MyLog.dat"},
        ExtensionRow{"htmlGetsHtm", "/home/ann/MyLog", SaveFormat::Html, "/home/ann/MyLog.htm"},
        ExtensionRow{"entriesGetDat", "MyLog", SaveFormat::EntriesOnly, "MyLog.dat"},
        ExtensionRow{"appendGetsDat", "MyLog", SaveFormat::AppendEntries, "MyLog.dat"},
        ExtensionRow{"programGetsDat", "MyLog", SaveFormat::TrainingProgram, "MyLog.dat"},
        ExtensionRow{"pointInFolderOnly", "/home/ann/v1.2/MyLog", SaveFormat::CompleteLog, "/home/ann/v1.2/MyLog.dat"},
        ExtensionRow{"otherExtensionKept", "/home/ann/MyLog.txt", SaveFormat::CompleteLog, "/home/ann/MyLog.txt"},
        ExtensionRow{"htmlNameWithDatKept", "/home/ann/MyLog.dat", SaveFormat::Html, "/home/ann/MyLog.dat"},
        ExtensionRow{"trailingPointKept", "/home/ann/MyLog.", SaveFormat::CompleteLog, "/home/ann/MyLog."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SaveLog, unnamedLogIsNamedBeforeItIsSaved)
{
    store->setFileName("");
    prompt.saveNames.push_back(path("Fresh.dat"));
    answerStartMenu(UserPrompt::Answer::No);
    ASSERT_TRUE(save("", false, SaveFormat::CompleteLog));
    ASSERT_EQ(1u, prompt.fileQuestions.size());
    EXPECT_EQ("MyNewLog.dat", prompt.fileQuestions[0].proposedName);
    EXPECT_EQ(UserPrompt::FileFilter::Logs, prompt.fileQuestions[0].filter);
    EXPECT_EQ(path("Fresh.dat"), store->fileName);
    EXPECT_EQ("Fresh", store->displayName);
    EXPECT_EQ(kSectionLines + kLine0 + kLine1 + kLine2 + kLine3 + kLine4, readBytes(path("Fresh.dat")));
}

TEST_F(SaveLog, cancellingTheNameSavesNothing)
{
    store->setFileName("");
    prompt.saveNames.push_back(std::nullopt);
    EXPECT_FALSE(save("", false, SaveFormat::CompleteLog));
    EXPECT_EQ((std::vector<std::string>{std::string("Orvanta: ") + msg::kMustName}), prompt.lines());
    EXPECT_EQ(std::vector<std::string>{}, listing());
    EXPECT_TRUE(store->modified);
    EXPECT_EQ("", store->fileName);
}

TEST_F(SaveLog, unnamedLogProposesAWebPageForHtml)
{
    store->setFileName("");
    prompt.saveNames.push_back(std::nullopt);
    EXPECT_FALSE(save("", true, SaveFormat::Html));
    ASSERT_EQ(1u, prompt.fileQuestions.size());
    EXPECT_EQ("MyLog.htm", prompt.fileQuestions[0].proposedName);
    EXPECT_EQ(UserPrompt::FileFilter::WebPages, prompt.fileQuestions[0].filter);
    EXPECT_EQ((std::vector<std::string>{std::string("Orvanta: ") + msg::kMustName}), prompt.lines());
}

TEST_F(SaveLog, nameGivenWithoutPointIsSavedWithDat)
{
    store->setFileName("");
    prompt.saveNames.push_back(path("Fresh"));
    answerStartMenu(UserPrompt::Answer::No);
    ASSERT_TRUE(save("", false, SaveFormat::CompleteLog));
    EXPECT_EQ((std::vector<std::string>{"Fresh.dat"}), listing());
}

TEST_F(SaveLog, emptyPathSavesToTheLogsOwnFile)
{
    writeBytes(path("MyLog.dat"), "old\r\n");
    ASSERT_TRUE(save("", false, SaveFormat::CompleteLog));
    EXPECT_EQ(kSectionLines + kLine0 + kLine1 + kLine2 + kLine3 + kLine4, readBytes(path("MyLog.dat")));
}

TEST_F(SaveLog, trainingProgramWithoutSelectedEntriesSavesNothing)
{
    unselectAll();
    EXPECT_FALSE(save(path("Plan.dat"), true, SaveFormat::TrainingProgram));
    EXPECT_EQ((std::vector<std::string>{std::string("Orvanta: ") + msg::kNoSelected}), prompt.lines());
    EXPECT_EQ(std::vector<std::string>{}, listing());
}

TEST_F(SaveLog, trainingProgramOfAnEmptyLogSavesNothing)
{
    store->entryCount = 0;
    store->shownCount = 0;
    EXPECT_FALSE(save(path("Plan.dat"), false, SaveFormat::TrainingProgram));
    EXPECT_EQ((std::vector<std::string>{std::string("Orvanta: ") + msg::kNoSelected}), prompt.lines());
    EXPECT_EQ(std::vector<std::string>{}, listing());
    EXPECT_TRUE(store->modified);
}

// ---------------------------------------------------------------- backup copy and replacing

TEST_F(SaveLog, backupCopyOneCopiesTheOldFileFirst)
{
    writeBytes(path("MyLog.dat"), "Sports List: 0\r\nold log\r\n");
    writeBytes(path("MyLog.bak"), "an older backup\r\n");
    ASSERT_TRUE(save(path("MyLog.dat"), false, SaveFormat::CompleteLog));
    EXPECT_EQ("Sports List: 0\r\nold log\r\n", readBytes(path("MyLog.bak")));
    EXPECT_EQ(kSectionLines + kLine0 + kLine1 + kLine2 + kLine3 + kLine4, readBytes(path("MyLog.dat")));
    EXPECT_EQ((std::vector<std::string>{"MyLog.bak", "MyLog.dat"}), listing());
}

// A save killed half-way leaves ".MyLog.dat.XXXXXX"; the next save of that
// log takes such files away, and nothing that only looks alike.
TEST_F(SaveLog, staleTemporaryFilesOfThisLogAreRemovedAtTheNextSave)
{
    writeBytes(path("MyLog.dat"), "Sports List: 0\r\n");
    for (const char* name : {".MyLog.dat.a1B2c3", ".MyLog.dat.ZZZZZZ", ".MyLog.dat.abc", ".Other.dat.a1B2c3",
                             ".MyLog.dat.a1B2c3d", "MyLog.dat.a1B2c3"})
        writeBytes(path(name), "left by a kill");
    ASSERT_TRUE(save(path("MyLog.dat"), false, SaveFormat::CompleteLog));
    EXPECT_EQ((std::vector<std::string>{".MyLog.dat.a1B2c3d", ".MyLog.dat.abc", ".Other.dat.a1B2c3", "MyLog.bak",
                                        "MyLog.dat", "MyLog.dat.a1B2c3"}),
              listing());
}

// The old file becomes the backup under a second name, renamed over the old
// backup, never after deleting it: the backup is the old log's very file.
TEST_F(SaveLog, newBackupIsTheOldFileRenamedOverTheOldBackup)
{
    writeBytes(path("MyLog.dat"), "Sports List: 0\r\nold log\r\n");
    writeBytes(path("MyLog.bak"), "an older backup\r\n");
    struct stat old {};
    ASSERT_EQ(0, ::stat(path("MyLog.dat").c_str(), &old));
    ASSERT_TRUE(save(path("MyLog.dat"), false, SaveFormat::CompleteLog));
    struct stat backup {};
    ASSERT_EQ(0, ::stat(path("MyLog.bak").c_str(), &backup));
    EXPECT_EQ(old.st_ino, backup.st_ino);
    EXPECT_EQ("Sports List: 0\r\nold log\r\n", readBytes(path("MyLog.bak")));
    EXPECT_EQ((std::vector<std::string>{"MyLog.bak", "MyLog.dat"}), listing());
}

// A sport line ending in its tab (or a name that filled the line) gives no
// letter; writing it must not put a NUL into the file, which would end the
// next reading there.
TEST_F(SaveLog, sportWithoutALetterIsWrittenWithoutANulByte)
{
    const std::string text =
        "Sports List: 2\r\nRunning\t\r\nCycling\tCKkph\r\nPreferences: 1  1  1  1  1  1  0\r\n"
        "Routes: 0\r\nKeywords: 0\r\n03/21/02\tTC\t20K\t40:00\t\t\t\r\n"
        "03/22/02\tTC\t30K\t60:00\t\t\t\r\n";
    writeBytes(path("NoLetter.dat"), text);
    auto log = makeStore();
    log->setFileName(path("NoLetter.dat"));
    ASSERT_EQ(ReadResult::Ok, readLog(*log, prompt));
    SaveContext context{prompt, settings, {}};
    ASSERT_TRUE(saveLog(*log, "", false, SaveFormat::CompleteLog, context));
    const std::string saved = readBytes(path("NoLetter.dat"));
    EXPECT_EQ(std::string::npos, saved.find('\0'));
    auto again = makeStore();
    again->setFileName(path("NoLetter.dat"));
    ASSERT_EQ(ReadResult::Ok, readLog(*again, prompt));
    EXPECT_EQ(2, again->entryCount);
    EXPECT_EQ(2, again->sportCount);
    EXPECT_EQ(std::vector<std::string>{}, prompt.lines());
}

TEST_F(SaveLog, backupNameReplacesTheLastThreeCharacters)
{
    writeBytes(path("notes.txt"), "old\r\n");
    ASSERT_TRUE(save(path("notes.txt"), true, SaveFormat::EntriesOnly));
    EXPECT_EQ("old\r\n", readBytes(path("notes.bak")));
}

TEST_F(SaveLog, backupCopyTwoMakesNoCopy)
{
    store->preferences.values[1] = 2;
    writeBytes(path("MyLog.dat"), "old\r\n");
    ASSERT_TRUE(save(path("MyLog.dat"), false, SaveFormat::CompleteLog));
    EXPECT_EQ((std::vector<std::string>{"MyLog.dat"}), listing());
}

TEST_F(SaveLog, htmlExportNeverMakesABackup)
{
    writeBytes(path("Export.htm"), "<html>old</html>\r\n");
    ASSERT_TRUE(save(path("Export.htm"), true, SaveFormat::Html));
    EXPECT_EQ((std::vector<std::string>{"Export.htm"}), listing());
}

TEST_F(SaveLog, appendingToAnExistingFileBacksItUp)
{
    writeBytes(path("Download.dat"), "old\r\n");
    ASSERT_TRUE(save(path("Download.dat"), true, SaveFormat::AppendEntries));
    EXPECT_EQ("old\r\n", readBytes(path("Download.bak")));
    EXPECT_EQ("old\r\n" + kLine0 + kLine1 + kLine3, readBytes(path("Download.dat")));
}

TEST_F(SaveLog, overwritingALongerFileLeavesNoTail)
{
    store->preferences.values[1] = 2;
    writeBytes(path("Download.dat"), std::string(100000, 'x'));
    ASSERT_TRUE(save(path("Download.dat"), true, SaveFormat::EntriesOnly));
    EXPECT_EQ(kLine0 + kLine1 + kLine3, readBytes(path("Download.dat")));
}

TEST_F(SaveLog, folderThatIsMissingIsReportedAndNothingChanges)
{
    const std::string target = path("gone/MyLog.dat");
    EXPECT_FALSE(save(target, false, SaveFormat::CompleteLog));
    EXPECT_EQ((std::vector<std::string>{"Orvanta: " + printf2(msg::kProblemWriting, target, ENOENT)}), prompt.lines());
    EXPECT_EQ(UserPrompt::Icon::Information, prompt.shown[0].icon);
    EXPECT_TRUE(store->modified);
    EXPECT_EQ(5, store->entryCount);
}

TEST_F(SaveLog, folderInThePlaceOfTheFileIsReportedAndKept)
{
    store->preferences.values[1] = 2;
    ASSERT_EQ(0, mkdir(path("MyLog.dat").c_str(), 0755));
    writeBytes(path("MyLog.dat/inside.txt"), "kept");
    EXPECT_FALSE(save(path("MyLog.dat"), false, SaveFormat::CompleteLog));
    ASSERT_EQ(1u, prompt.shown.size());
    EXPECT_EQ(msg::kCaption, prompt.shown[0].caption);
    EXPECT_EQ("kept", readBytes(path("MyLog.dat/inside.txt")));
    EXPECT_EQ((std::vector<std::string>{"MyLog.dat"}), listing());
    EXPECT_TRUE(store->modified);
}

// Lets a test make every write beyond a few bytes fail, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
};

TEST_F(SaveLog, failedWriteKeepsTheOldFileAndTheModifiedMark)
{
    store->preferences.values[1] = 2;
    const std::string old = "Sports List: 0\r\n03/01/04\tTR\t\t\t\t\tthe only copy\r\n";
    writeBytes(path("MyLog.dat"), old);
    bool saved = true;
    {
        FileSizeLimit limit(64);
        saved = save(path("MyLog.dat"), false, SaveFormat::CompleteLog);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(old, readBytes(path("MyLog.dat")));
    EXPECT_EQ((std::vector<std::string>{"MyLog.dat"}), listing());
    EXPECT_TRUE(store->modified);
    EXPECT_EQ((std::vector<std::string>{"Orvanta: " + printf2(msg::kProblemWriting, path("MyLog.dat"), EFBIG)}),
              prompt.lines());
}

TEST_F(SaveLog, writeProtectedFolderIsReported)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "file permissions do not stop root";
    store->preferences.values[1] = 2;
    writeBytes(path("MyLog.dat"), "old\r\n");
    ASSERT_EQ(0, chmod(dir().c_str(), 0555));
    EXPECT_FALSE(save(path("MyLog.dat"), false, SaveFormat::CompleteLog));
    chmod(dir().c_str(), 0755);
    EXPECT_EQ("old\r\n", readBytes(path("MyLog.dat")));
    EXPECT_TRUE(store->modified);
    ASSERT_EQ(1u, prompt.shown.size());
    EXPECT_EQ(msg::kCaption, prompt.shown[0].caption);
}

// ---------------------------------------------------------------- after a save

TEST_F(SaveLog, fullSaveClearsModifiedSelectedSaveLeavesIt)
{
    writeBytes(path("MyLog.dat"), "old\r\n");
    ASSERT_TRUE(save(path("Download.dat"), true, SaveFormat::EntriesOnly));
    EXPECT_TRUE(store->modified);
    EXPECT_EQ(path("MyLog.dat"), store->fileName);
    ASSERT_TRUE(save(path("MyLog.dat"), false, SaveFormat::CompleteLog));
    EXPECT_FALSE(store->modified);
}

TEST_F(SaveLog, newlyCreatedLogOffersTheStartMenu)
{
    answerStartMenu(UserPrompt::Answer::Yes);
    ASSERT_TRUE(save(path("MyLog.dat"), false, SaveFormat::CompleteLog));
    EXPECT_EQ((std::vector<std::string>{kStartMenuLine}), prompt.lines());
    EXPECT_EQ(UserPrompt::Buttons::YesNo, prompt.shown[0].buttons);
    EXPECT_EQ((std::vector<std::string>{path("MyLog.dat")}), startMenu);
}

TEST_F(SaveLog, declinedStartMenuMakesNoEntry)
{
    answerStartMenu(UserPrompt::Answer::No);
    ASSERT_TRUE(save(path("MyLog.dat"), false, SaveFormat::CompleteLog));
    EXPECT_EQ((std::vector<std::string>{kStartMenuLine}), prompt.lines());
    EXPECT_EQ(std::vector<std::string>{}, startMenu);
}

TEST_F(SaveLog, startMenuIsNotOfferedForAnExistingFileOrASelectedSave)
{
    writeBytes(path("MyLog.dat"), "old\r\n");
    ASSERT_TRUE(save(path("MyLog.dat"), false, SaveFormat::CompleteLog));
    ASSERT_TRUE(save(path("Selected.dat"), true, SaveFormat::CompleteLog));
    EXPECT_EQ(std::vector<std::string>{}, prompt.lines());
    EXPECT_EQ(std::vector<std::string>{}, startMenu);
}

TEST_F(SaveLog, startMenuIsNotOfferedWithoutAWayToMakeTheEntry)
{
    context.addToStartMenu = {};
    ASSERT_TRUE(save(path("MyLog.dat"), false, SaveFormat::CompleteLog));
    EXPECT_EQ(std::vector<std::string>{}, prompt.lines());
}

TEST_F(SaveLog, firstFullSaveBecomesTheDefaultLogWhenNoneIsSet)
{
    settings.keyExists = true;
    answerStartMenu(UserPrompt::Answer::No);
    ASSERT_TRUE(save(path("MyLog.dat"), false, SaveFormat::CompleteLog));
    EXPECT_EQ(std::optional<std::string>(path("MyLog.dat")), settings.readString("Default Log"));
}

TEST_F(SaveLog, emptyDefaultLogIsReplaced)
{
    settings.strings["Default Log"] = "";
    answerStartMenu(UserPrompt::Answer::No);
    ASSERT_TRUE(save(path("MyLog.dat"), false, SaveFormat::CompleteLog));
    EXPECT_EQ(std::optional<std::string>(path("MyLog.dat")), settings.readString("Default Log"));
}

TEST_F(SaveLog, existingDefaultLogIsKept)
{
    settings.strings["Default Log"] = "/home/ann/Other.dat";
    answerStartMenu(UserPrompt::Answer::No);
    ASSERT_TRUE(save(path("MyLog.dat"), false, SaveFormat::CompleteLog));
    EXPECT_EQ(std::optional<std::string>("/home/ann/Other.dat"), settings.readString("Default Log"));
}

TEST_F(SaveLog, defaultLogIsNotWrittenWithoutTheProgramsKey)
{
    answerStartMenu(UserPrompt::Answer::No);
    ASSERT_TRUE(save(path("MyLog.dat"), false, SaveFormat::CompleteLog));
    EXPECT_FALSE(settings.exists());
    EXPECT_EQ(std::nullopt, settings.readString("Default Log"));
}

TEST_F(SaveLog, selectedSaveNeverSetsTheDefaultLog)
{
    settings.keyExists = true;
    ASSERT_TRUE(save(path("Selected.dat"), true, SaveFormat::CompleteLog));
    EXPECT_EQ(std::nullopt, settings.readString("Default Log"));
}

// ---------------------------------------------------------------- round trips

TEST_F(SaveLog, readThenSaveGivesTheSameFileAndTheSameLog)
{
    ScriptedPrompt quiet;
    SaveContext ctx{quiet, settings, {}};
    auto first = makeStore();
    first->setFileName(dataFile("complete_log.dat"));
    ASSERT_EQ(ReadResult::Ok, readLog(*first, quiet));
    ASSERT_TRUE(saveLog(*first, path("Copy.dat"), false, SaveFormat::CompleteLog, ctx));
    EXPECT_EQ(readBytes(dataFile("complete_log.dat")), readBytes(path("Copy.dat")));

    auto second = makeStore();
    second->setFileName(path("Copy.dat"));
    ASSERT_EQ(ReadResult::Ok, readLog(*second, quiet));
    ASSERT_EQ(first->entryCount, second->entryCount);
    for (std::size_t i = 0; i < first->entryCount; ++i)
        EXPECT_EQ(formatEntryLine(first->entry(i), false, *first), formatEntryLine(second->entry(i), false, *second));
    ASSERT_TRUE(saveLog(*second, path("Copy2.dat"), false, SaveFormat::CompleteLog, ctx));
    EXPECT_EQ(readBytes(path("Copy.dat")), readBytes(path("Copy2.dat")));
    EXPECT_EQ(std::vector<std::string>{}, quiet.lines());
}

TEST_F(SaveLog, logWithoutEntriesReadsBackItsSections)
{
    store->entryCount = 0;
    store->shownCount = 0;
    answerStartMenu(UserPrompt::Answer::No);
    ASSERT_TRUE(save(path("Empty.dat"), false, SaveFormat::CompleteLog));
    EXPECT_EQ(kSectionLines, readBytes(path("Empty.dat")));

    auto back = makeStore();
    back->setFileName(path("Empty.dat"));
    ScriptedPrompt quiet;
    ASSERT_EQ(ReadResult::Ok, readLog(*back, quiet));
    EXPECT_EQ(0, back->entryCount);
    ASSERT_EQ(4, back->sportCount);
    EXPECT_EQ("Yoga & Core", back->sports[3].name.str());
    EXPECT_EQ(PaceUnit::None, back->sports[4].paceUnits);  // "???" reads as no pace unit
    EXPECT_EQ(store->preferences.values, back->preferences.values);
    ASSERT_EQ(1, back->routeCount);
    EXPECT_EQ(store->routes[0].text.str(), back->routes[0].text.str());
    ASSERT_EQ(1, back->keywordCount);
    EXPECT_EQ(store->keywords[0].text.str(), back->keywords[0].text.str());
}

TEST_F(SaveLog, logOpenedFromItsBackupIsSavedUnderItsLogName)
{
    const std::string backup = readBytes(dataFile("complete_log.dat"));
    writeBytes(path("Run.bak"), backup);
    auto log = makeStore();
    log->setFileName(path("Run.bak"));
    ASSERT_EQ(ReadResult::Ok, readLog(*log, prompt));
    answerStartMenu(UserPrompt::Answer::No);
    ASSERT_TRUE(saveLog(*log, "", false, SaveFormat::CompleteLog, context));
    EXPECT_EQ(backup, readBytes(path("Run.dat")));
    EXPECT_EQ(backup, readBytes(path("Run.bak")));
    EXPECT_EQ((std::vector<std::string>{"Run.bak", "Run.dat"}), listing());
}

}  // namespace
