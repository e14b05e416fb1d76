// File > Merge without its dialogs: which lines become entries, where they
// go, the training programs, and what the user is told.
#include <gtest/gtest.h>

#include <cerrno>
#include <optional>

#include "log/merge.h"
#include "log/messages.h"
#include "shell/logic/training_plan.h"
#include "transfer_test_support.h"

namespace {

using namespace transfer;

const std::string kRunLog = kRunHead + crlf({entryLine("03/21/02", "a21"), entryLine("03/21/02", "b21", "TC"),
                                             entryLine("03/22/02", "c22"), entryLine("03/23/02", "d23")});

// Answers the Training Plan question and records what it was asked.
struct PlanAnswer {
    std::optional<CalendarDate> lastDay;
    std::vector<int> asked;
    std::vector<int> busyWhenAsked;
    ScriptedPrompt* prompt = nullptr;

    TrainingPlanQuestion question()
    {
        return [this](int planLength) {
            asked.push_back(planLength);
            busyWhenAsked.push_back(prompt->busyDepth);
            return lastDay;
        };
    }
};

class Merge : public TransferTest {
protected:
    MergeResult merge(const std::string& path) { return mergeLog(*store, path, prompt, plan.question()); }

    PlanAnswer plan{std::nullopt, {}, {}, &prompt};
};

TEST_F(Merge, logIntoItself_doublesIt_eachCopyAfterEveryEntryOfItsDate)
{
    const std::string path = openLog("Run.dat", kRunLog);
    const MergeResult result = merge(path);
    EXPECT_EQ(result.status, MergeStatus::Merged);
    EXPECT_EQ(result.added, 4);
    EXPECT_EQ(routes(*store), (std::vector<std::string>{"a21", "b21", "a21", "b21", "c22", "c22", "d23", "d23"}));
    EXPECT_EQ(store->entryCount, 8);
    EXPECT_EQ(store->shownCount, 8);
    EXPECT_TRUE(store->modified);
    EXPECT_TRUE(prompt.shown.empty()) << prompt.lines().front();
    EXPECT_TRUE(plan.asked.empty());
    // The copies are whole entries: the second one of 21 March is a ride.
    EXPECT_EQ(store->entry(3).sportIndex, 2);
    EXPECT_EQ(store->entry(3).selected, 1);
    EXPECT_EQ(store->entry(3).dateKey, 1020321u);
    EXPECT_EQ(result.newPositions, (std::vector<int>{0, 1, 4, 6}));
}

TEST_F(Merge, olderEntries_goToTheFrontInTheFilesOrder)
{
    const std::string log = openLog("Run.dat", kRunLog);
    const std::string older = write("Old.dat", crlf({entryLine("12/30/01", "x"), entryLine("01/02/02", "y1"),
                                                     entryLine("01/02/02", "y2"), entryLine("02/01/02", "z")}));
    EXPECT_EQ(merge(older).added, 4);
    EXPECT_EQ(routes(*store), (std::vector<std::string>{"x", "y1", "y2", "z", "a21", "b21", "c22", "d23"}));
    EXPECT_EQ(store->entry(0).dateKey, 1011230u);
}

TEST_F(Merge, fileOfSectionLinesOnly_saysThereWereNoNewEntries)
{
    openLog("Run.dat", kRunLog);
    const std::string sections = write("Sections.dat", kRunHead);
    const MergeResult result = merge(sections);
    EXPECT_EQ(result.status, MergeStatus::NothingNew);
    EXPECT_EQ(result.added, 0);
    EXPECT_EQ(prompt.lines(), std::vector<std::string>{"Orvanta: There were no new entries in that file!"});
    EXPECT_EQ(prompt.shown.at(0).icon, UserPrompt::Icon::Information);
    EXPECT_EQ(routes(*store), (std::vector<std::string>{"a21", "b21", "c22", "d23"}));
    EXPECT_FALSE(store->modified);
}

TEST_F(Merge, emptyFile_saysThereWereNoNewEntries)
{
    openLog("Run.dat", kRunLog);
    EXPECT_EQ(merge(write("Empty.dat", "")).status, MergeStatus::NothingNew);
    EXPECT_EQ(prompt.lines(), std::vector<std::string>{"Orvanta: There were no new entries in that file!"});
    EXPECT_EQ(store->entryCount, 4);
}

// The sections are passed over by their counts, whatever their lines hold;
// the merged file's sports and preferences are not taken over.
TEST_F(Merge, sectionsArePassedOverByCount_andTheirContentsNotTakenOver)
{
    openLog("Run.dat", kRunLog);
    const std::string other = write("Other.dat", crlf({
                                                     "Keywords",
                                                     "Keywords: 1",
                                                     "03/02/02\tTR\t1M\t9:00\t9:00\tkeyword line\t",
                                                     "Sports List: 2",
                                                     "Cycling\tCMmph",
                                                     "Skiing\tSKkph",
                                                     "Preferences: 2  2  2  2  2  1  0",
                                                     "Routes: 2",
                                                     "03/03/02\tTR\t1M\t9:00\t9:00\troute line\t",
                                                     "route two",
                                                     entryLine("03/22/02", "ride", "TC"),
                                                     entryLine("03/22/02", "ski", "TS"),
                                                 }));
    const MergeResult result = merge(other);
    EXPECT_EQ(result.added, 2);
    EXPECT_FALSE(result.rejectedLines);
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_EQ(routes(*store), (std::vector<std::string>{"a21", "b21", "c22", "ride", "ski", "d23"}));
    EXPECT_EQ(store->sportCount, 2);
    EXPECT_EQ(std::string(store->sports[2].name.view()), "Cycling");
    EXPECT_EQ(store->preferences.values, (std::array<std::int32_t, 7>{1, 1, 1, 1, 1, 1, 0}));
    // By letter in the open log's list: C is its second sport, S it lacks.
    EXPECT_EQ(store->entry(3).sportIndex, 2);
    EXPECT_EQ(store->entry(4).sportIndex, 0);
    // Entry lines are read in the open log's date format (month first).
    EXPECT_EQ(store->entry(3).dateKey, 1020322u);
}

TEST_F(Merge, anEntriesOnlyFileWithAnyLineEnds_isMerged)
{
    openLog("Run.dat", kRunLog);
    const std::string crOnly =
        write("CrOnly.dat", entryLine("03/24/02", "cr1") + "\r" + entryLine("03/20/02", "cr2") + "\r");
    const std::string lfOnly = write("LfOnly.dat", entryLine("03/25/02", "lf") + "\n");
    EXPECT_EQ(merge(crOnly).added, 2);
    EXPECT_EQ(merge(lfOnly).added, 1);
    EXPECT_EQ(routes(*store), (std::vector<std::string>{"cr2", "a21", "b21", "c22", "d23", "cr1", "lf"}));
}

TEST_F(Merge, anEmptyLineEndsTheFile)
{
    openLog("Run.dat", kRunLog);
    const std::string path =
        write("Gap.dat", crlf({entryLine("03/24/02", "before"), "", entryLine("03/25/02", "after")}));
    EXPECT_EQ(merge(path).added, 1);
    EXPECT_EQ(routes(*store).back(), "before");
}

TEST_F(Merge, rejectedLines_areWarnedOfAfterTheEntriesWentIn)
{
    openLog("Run.dat", kRunLog);
    const std::string path = write("Bad.dat", crlf({"no date here", entryLine("03/24/02", "good"), "3/5/02 no tab"}));
    const MergeResult result = merge(path);
    EXPECT_EQ(result.added, 1);
    EXPECT_TRUE(result.rejectedLines);
    EXPECT_EQ(prompt.lines(), std::vector<std::string>{std::string("Orvanta: ") + msg::kRejectedData});
}

TEST_F(Merge, onlyRejectedLines_sayNoNewEntriesThenWarn)
{
    openLog("Run.dat", kRunLog);
    const MergeResult result = merge(write("Bad.dat", crlf({"junk", "more junk"})));
    EXPECT_EQ(result.status, MergeStatus::NothingNew);
    EXPECT_EQ(prompt.lines(), (std::vector<std::string>{"Orvanta: There were no new entries in that file!",
                                                        std::string("Orvanta: ") + msg::kRejectedData}));
    EXPECT_FALSE(store->modified);
}

TEST_F(Merge, fileThatCantBeOpened_isNamedWithItsSystemError)
{
    openLog("Run.dat", kRunLog);
    const int busyBefore = prompt.busyCalls;
    const std::string missing = dir.file("Missing.dat");
    const MergeResult result = merge(missing);
    EXPECT_EQ(result.status, MergeStatus::OpenFailed);
    EXPECT_EQ(prompt.lines(), std::vector<std::string>{"Orvanta: Couldn't open file " + missing + ": system error #" +
                                                       std::to_string(ENOENT)});
    EXPECT_EQ(prompt.busyCalls, busyBefore) << "nothing was read";

    prompt.shown.clear();
    EXPECT_EQ(merge(dir.path()).status, MergeStatus::OpenFailed);
    EXPECT_EQ(prompt.lines(), std::vector<std::string>{"Orvanta: Couldn't open file " + dir.path() +
                                                       ": system error #" + std::to_string(EISDIR)});
    EXPECT_EQ(store->entryCount, 4);
    EXPECT_FALSE(store->modified);
}

TEST_F(Merge, showsTheBusyCursorWhileReading)
{
    openLog("Run.dat", kRunLog);
    const int busyBefore = prompt.busyCalls;
    merge(write("One.dat", crlf({entryLine("03/24/02", "one")})));
    EXPECT_EQ(prompt.busyCalls - busyBefore, 2);
}

// A training program of 10 lines, -9 to -0, ending on 10 May 2004.
TEST_F(Merge, trainingProgramEndingTenthOfMay_coversTheFirstToTheTenth)
{
    openLog("Run.dat", kRunLog);
    plan.lastDay = CalendarDate{2004, 5, 10};
    const MergeResult result = merge(write("Plan.dat", crlf(programLines(9))));
    EXPECT_EQ(result.status, MergeStatus::Merged);
    EXPECT_EQ(plan.asked, std::vector<int>{9}) << "asked once, for a 10-day plan";
    EXPECT_EQ(plan.busyWhenAsked, std::vector<int>{0}) << "the normal cursor shows while the user answers";
    std::vector<std::string> expected = {"a21", "b21", "c22", "d23"};
    std::vector<std::string> dates;
    for (int day = 1; day <= 10; ++day) {
        expected.push_back("day " + std::to_string(day));
        char text[16];
        std::snprintf(text, sizeof text, "05/%02d/04", day);
        dates.push_back(text);
    }
    EXPECT_EQ(routes(*store), expected);
    const std::vector<std::string> gotDates = dateTexts(*store);
    EXPECT_EQ(std::vector<std::string>(gotDates.begin() + 4, gotDates.end()), dates);
    EXPECT_EQ(store->entry(4).dateKey, 1040501u);
    EXPECT_EQ(store->entry(13).dateKey, 1040510u);
    EXPECT_EQ(store->trainingReference, (CalendarDate{2004, 5, 10}));
    EXPECT_TRUE(prompt.shown.empty());
}

// 28 lines from -27, the plan started on 1 March 2004: its last day comes
// from the same rule the dialog uses.
TEST_F(Merge, fourWeekProgramStartedFirstOfMarch_coversTheFirstToTheTwentyEighth)
{
    openLog("Run.dat", kRunLog);
    std::vector<int> asked;
    const TrainingPlanQuestion fromStart = [&asked](int planLength) -> std::optional<CalendarDate> {
        asked.push_back(planLength);
        return planLastDay(CalendarDate{2004, 3, 1}, planLength, PlanAnchor::StartingDate);
    };
    EXPECT_EQ(mergeLog(*store, write("Plan.dat", crlf(programLines(27))), prompt, fromStart).added, 28);
    EXPECT_EQ(asked, std::vector<int>{27});
    ASSERT_EQ(store->entryCount, 32);
    for (int day = 1; day <= 28; ++day) {
        const LogEntry& entry = store->entry(3 + day);
        EXPECT_EQ(entry.dateKey, 1040300u + static_cast<unsigned>(day)) << day;
        EXPECT_EQ(std::string(entry.routeText.view()), "day " + std::to_string(day));
    }
}

TEST_F(Merge, trainingPlanCancelled_addsNothingAndSaysNothing)
{
    openLog("Run.dat", kRunLog);
    const std::string path = write("Plan.dat", crlf({"junk first", programLines(6)[0], programLines(6)[1]}));
    const MergeResult result = merge(path);
    EXPECT_EQ(result.status, MergeStatus::Cancelled);
    EXPECT_EQ(result.added, 0);
    EXPECT_EQ(plan.asked, std::vector<int>{6});
    EXPECT_TRUE(prompt.shown.empty()) << "not even the rejected line is reported";
    EXPECT_EQ(routes(*store), (std::vector<std::string>{"a21", "b21", "c22", "d23"}));
    EXPECT_FALSE(store->modified);
}

// Until an entry went in every line may show a training program; after one
// did, the mode stays absolute and relative lines are rejected.
TEST_F(Merge, theModeIsDecidedByTheFirstEntryThatGoesIn)
{
    openLog("Run.dat", kRunLog);
    const std::string path = write("Mixed.dat", crlf({entryLine("03/24/02", "dated"), "-2\tTR\t\t\t\tlate\t"}));
    const MergeResult result = merge(path);
    EXPECT_TRUE(plan.asked.empty());
    EXPECT_EQ(result.added, 1);
    EXPECT_TRUE(result.rejectedLines);
    EXPECT_EQ(prompt.lines(), std::vector<std::string>{std::string("Orvanta: ") + msg::kRejectedData});
}

TEST_F(Merge, aRelativeLineAfterOnlyRejectedLines_stillMakesAProgram_andDatedLinesAreThenRejected)
{
    openLog("Run.dat", kRunLog);
    plan.lastDay = CalendarDate{2004, 10, 10};
    const std::string path =
        write("Plan.dat",
              crlf({"-x not a number", "-1\tTR\t\t\t\tsat\t", "-0\tTR\t\t\t\tsun\t", entryLine("03/24/02", "dated")}));
    const MergeResult result = merge(path);
    EXPECT_EQ(plan.asked, std::vector<int>{1});
    EXPECT_EQ(result.added, 2);
    EXPECT_TRUE(result.rejectedLines);
    EXPECT_EQ(store->entry(4).dateKey, 1041009u);
    EXPECT_EQ(store->entry(5).dateKey, 1041010u);
}

TEST_F(Merge, entriesOfAProgramUseTheOpenLogsDateFormat)
{
    openLog("Run.dat", kRunHead.substr(0, kRunHead.find("Preferences")) + "Preferences: 1  1  1  2  1  1  0\r\n" +
                           "Routes: 0\r\nKeywords: 0\r\n");
    plan.lastDay = CalendarDate{2004, 5, 10};
    merge(write("Plan.dat", crlf(programLines(1))));
    EXPECT_EQ(dateTexts(*store), (std::vector<std::string>{"09/05/04", "10/05/04"}));
}

TEST_F(Merge, theEntryBeingEditedAndTheLastStoredKeepTheirEntries_andTheFormsSportStays)
{
    const std::string path = openLog("Run.dat", kRunLog);
    store->editingIndex = 2;     // c22
    store->lastStoredIndex = 3;  // d23
    store->currentSport = 2;
    merge(write("Early.dat", crlf({entryLine("03/22/02", "c22 again"), entryLine("01/01/02", "new year")})));
    EXPECT_EQ(std::string(store->entry(store->editingIndex).routeText.view()), "c22");
    EXPECT_EQ(std::string(store->entry(store->lastStoredIndex).routeText.view()), "d23");
    EXPECT_EQ(store->currentSport, 2);
}

// Placing the merged entries must give what insertSorted gives when called
// for each of them in the file's order, for a log in date order and for
// one that is not.
class MergePlacement : public Merge, public ::testing::WithParamInterface<bool> {};

TEST_P(MergePlacement, isThatOfInsertSortedForEachEntryInTurn)
{
    const bool logInOrder = GetParam();
    std::vector<std::string> logLines;
    const char* const logDates[] = {"03/05/02", "03/05/02", "03/09/02", "03/12/02", "03/20/02", "03/20/02"};
    for (int i = 0; i < 6; ++i)
        logLines.push_back(entryLine(logDates[logInOrder ? i : 5 - i], ("log" + std::to_string(i)).c_str()));
    const std::string logText = kRunHead + crlf(logLines);
    openLog("Run.dat", logText);

    // Dates between 1 and 25 March in a scrambled order, with repeats.
    std::vector<std::string> fileLines;
    unsigned seed = 12345;
    for (int i = 0; i < 40; ++i) {
        seed = seed * 1103515245u + 12345u;
        char date[16];
        std::snprintf(date, sizeof date, "03/%02u/02", 1 + (seed >> 16) % 25);
        fileLines.push_back(entryLine(date, ("file" + std::to_string(i)).c_str()));
    }
    const std::string file = write("Scrambled.dat", crlf(fileLines));

    auto reference = std::make_unique<LogStore>();
    reference->setFileName(dir.file("Run.dat"));
    ASSERT_EQ(readLog(*reference, prompt), ReadResult::Ok);
    for (const std::string& line : fileLines) {
        LogEntry entry;
        bool bad = false;
        ASSERT_TRUE(parseEntryLine(line, false, entry, bad, *reference, prompt));
        reference->insertSorted(entry);
    }

    EXPECT_EQ(merge(file).added, 40);
    EXPECT_EQ(routes(*store), routes(*reference));
}

INSTANTIATE_TEST_SUITE_P(Logs, MergePlacement, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "inDateOrder" : "outOfOrder"; });

// Fills the store with count entries dated 1 January 2002.
void fillStore(LogStore& store, int count)
{
    LogEntry entry;
    entry.dateText = "01/01/02";
    entry.routeText = "filler";
    entry.dateKey = 1020101;
    entry.selected = 1;
    for (int i = 0; i < count; ++i)
        store.entry(i) = entry;
    store.entryCount = static_cast<std::uint16_t>(count);
    store.shownCount = store.entryCount;
}

TEST_F(Merge, stopsAtTenThousandEntries_keepingThoseThatFitAndSayingSo)
{
    openLog("Run.dat", kRunHead);
    fillStore(*store, 9998);
    const std::string path = write(
        "Five.dat", crlf({entryLine("03/01/02", "one"), entryLine("03/02/02", "two"), entryLine("03/03/02", "three"),
                          entryLine("03/04/02", "four"), entryLine("03/05/02", "five")}));
    const MergeResult result = merge(path);
    EXPECT_EQ(result.status, MergeStatus::Merged);
    EXPECT_EQ(result.added, 2);
    EXPECT_TRUE(result.stoppedAtLimit);
    EXPECT_EQ(store->entryCount, 10000);
    EXPECT_EQ(store->shownCount, 10000);
    EXPECT_EQ(std::string(store->entry(9998).routeText.view()), "one");
    EXPECT_EQ(std::string(store->entry(9999).routeText.view()), "two");
    EXPECT_EQ(prompt.lines(),
              std::vector<std::string>{std::string("Orvanta: ") + msg::kLogFull + " " + kMergeStoppedAtLimit});
}

TEST_F(Merge, intoAFullLog_isRefusedWithoutClaimingTheFileWasEmpty)
{
    openLog("Run.dat", kRunHead);
    fillStore(*store, 10000);
    plan.lastDay = CalendarDate{2004, 5, 10};
    const MergeResult result = merge(write("Plan.dat", crlf(programLines(3))));
    EXPECT_EQ(result.status, MergeStatus::LogFull);
    EXPECT_EQ(result.added, 0);
    EXPECT_TRUE(plan.asked.empty()) << "no date is asked for entries that can't go in";
    EXPECT_EQ(prompt.lines(), std::vector<std::string>{std::string("Orvanta: ") + msg::kLogFull});
    EXPECT_EQ(store->entryCount, 10000);
    EXPECT_FALSE(store->modified);
}

TEST_F(Merge, aFileOfMoreThanTenThousandEntries_fillsAnEmptyLogToTheLimit)
{
    openLog("Run.dat", kRunHead);
    std::string text;
    for (int i = 0; i < 10001; ++i)
        text += entryLine(i < 10000 ? "04/01/02" : "03/01/02", std::to_string(i).c_str()) + "\r\n";
    const MergeResult result = merge(write("Big.dat", text));
    EXPECT_EQ(result.added, 10000);
    EXPECT_TRUE(result.stoppedAtLimit);
    EXPECT_EQ(std::string(store->entry(0).routeText.view()), "0") << "the last line did not fit";
    EXPECT_EQ(std::string(store->entry(9999).routeText.view()), "9999");
}

}  // namespace
