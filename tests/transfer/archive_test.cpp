// File > Archive without its dialog: the range, the archive file, the
// entries taken out, and the refusal to write over the open log.
#include <gtest/gtest.h>

#include <filesystem>

#include "log/archive.h"
#include "log/settings_store.h"
#include "transfer_test_support.h"

namespace fs = std::filesystem;

namespace {

using namespace transfer;

const std::string kFeb28 = entryLine("02/28/02", "feb28");
const std::string kMar1 = entryLine("03/01/02", "mar1");
const std::string kMar15 = entryLine("03/15/02", "mar15", "TC");
const std::string kMar31 = entryLine("03/31/02", "mar31");
const std::string kApr1 = entryLine("04/01/02", "apr1");
const std::string kSpringLog = kRunHead + crlf({kFeb28, kMar1, kMar15, kMar31, kApr1});

constexpr std::uint32_t kMarch1 = 1020301;
constexpr std::uint32_t kMarch31 = 1020331;

std::vector<int> selection(const LogStore& store)
{
    std::vector<int> out;
    for (int i = 0; i < store.entryCount; ++i)
        out.push_back(store.entry(i).selected);
    return out;
}

class Archive : public TransferTest {
protected:
    ArchiveResult archive(const std::string& path, std::uint32_t from, std::uint32_t to, bool remove)
    {
        return archiveLog(*store, path, from, to, remove, context);
    }

    MemorySettingsStore settings;
    SaveContext context{prompt, settings, {}};
};

TEST_F(Archive, rangeWithBothEnds_goesToACompleteLog_andLeavesTheLogInOrder)
{
    openLog("Run.dat", kSpringLog);
    const std::string out = dir.file("March.dat");
    const ArchiveResult result = archive(out, kMarch1, kMarch31, true);
    EXPECT_EQ(result.status, ArchiveStatus::Archived);
    EXPECT_EQ(result.archived, 3);
    EXPECT_EQ(result.removed, 3);
    EXPECT_EQ(readFile(out), kRunHead + crlf({kMar1, kMar15, kMar31}));
    EXPECT_EQ(routes(*store), (std::vector<std::string>{"feb28", "apr1"}));
    EXPECT_EQ(selection(*store), (std::vector<int>{1, 1}));
    EXPECT_EQ(store->shownCount, 2);
    EXPECT_TRUE(store->modified);
    EXPECT_EQ(store->fileName, dir.file("Run.dat")) << "archiving never renames the log";
    EXPECT_EQ(result.newPositions, (std::vector<int>{0, -1, -1, -1, 1}));
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_TRUE(settings.strings.empty()) << "a save of selected entries sets no default log";
}

TEST_F(Archive, singleDayRange_takesExactlyThatDay)
{
    openLog("Run.dat", kSpringLog);
    archive(dir.file("Day.dat"), 1020315, 1020315, true);
    EXPECT_EQ(readFile(dir.file("Day.dat")), kRunHead + crlf({kMar15}));
    EXPECT_EQ(routes(*store), (std::vector<std::string>{"feb28", "mar1", "mar31", "apr1"}));
}

TEST_F(Archive, withTheBoxCleared_theLogKeepsItsEntries_allSelectedAfterwards)
{
    const std::string log = openLog("Run.dat", kSpringLog);
    store->entry(0).selected = 0;
    store->entry(4).selected = 0;
    store->shownCount = 3;
    const ArchiveResult result = archive(dir.file("March.dat"), kMarch1, kMarch31, false);
    EXPECT_EQ(result.removed, 0);
    EXPECT_EQ(readFile(dir.file("March.dat")), kRunHead + crlf({kMar1, kMar15, kMar31}));
    EXPECT_EQ(routes(*store), (std::vector<std::string>{"feb28", "mar1", "mar15", "mar31", "apr1"}));
    EXPECT_EQ(selection(*store), (std::vector<int>{1, 1, 1, 1, 1}));
    EXPECT_EQ(store->shownCount, 5);
    EXPECT_FALSE(store->modified);
    EXPECT_EQ(readFile(log), kSpringLog);
}

TEST_F(Archive, rangeWithoutEntries_writesALogWithoutEntries_andRemovesNothing)
{
    openLog("Run.dat", kSpringLog);
    const ArchiveResult result = archive(dir.file("Empty.dat"), 1030101, 1031231, true);
    EXPECT_EQ(result.archived, 0);
    EXPECT_EQ(result.removed, 0);
    EXPECT_EQ(readFile(dir.file("Empty.dat")), kRunHead);
    EXPECT_EQ(store->entryCount, 5);
    EXPECT_FALSE(store->modified);
}

TEST_F(Archive, rangeGivenBackwards_holdsNoEntry)
{
    openLog("Run.dat", kSpringLog);
    EXPECT_EQ(archive(dir.file("None.dat"), kMarch31, kMarch1, true).archived, 0);
    EXPECT_EQ(store->entryCount, 5);
}

TEST_F(Archive, toAFileThatExists_overwritesItAfterItsBackupByThePreference)
{
    openLog("Run.dat", kSpringLog);
    const std::string out = write("Old.dat", "an older archive\r\n");
    archive(out, kMarch1, kMarch31, false);
    EXPECT_EQ(readFile(out), kRunHead + crlf({kMar1, kMar15, kMar31}));
    EXPECT_EQ(readFile(dir.file("Old.bak")), "an older archive\r\n");

    store->preferences.values[1] = 2;  // no backup copies
    const std::string second = write("Second.dat", "kept nowhere\r\n");
    archive(second, kMarch1, kMarch1, false);
    EXPECT_FALSE(fs::exists(dir.file("Second.bak")));
    EXPECT_EQ(readFile(second).substr(kRunHead.size()), kMar1 + "\r\n") << "a longer old file leaves no tail";
}

TEST_F(Archive, nameWithoutAPoint_getsDat)
{
    openLog("Run.dat", kSpringLog);
    archive(dir.file("March"), kMarch1, kMarch31, true);
    EXPECT_EQ(readFile(dir.file("March.dat")), kRunHead + crlf({kMar1, kMar15, kMar31}));
}

// However the open log's own file is named, the archive must not replace it:
// the entries taken out would be in no file at all.
struct SpellingRow {
    const char* name;
    // The archive path for the log dir/Run.dat; may make links in dir.
    std::string (*spell)(const std::string& dir);
};

class ArchiveIntoOpenLog : public Archive, public ::testing::WithParamInterface<SpellingRow> {};

TEST_P(ArchiveIntoOpenLog, isRefused_andNothingChanges)
{
    const std::string log = openLog("Run.dat", kSpringLog);
    store->entry(1).selected = 0;
    store->shownCount = 4;
    const std::string path = GetParam().spell(dir.path());
    const ArchiveResult result = archive(path, kMarch1, kMarch31, true);
    EXPECT_EQ(result.status, ArchiveStatus::IntoOpenLog);
    EXPECT_EQ(prompt.lines(), std::vector<std::string>{
                                  "Orvanta: You can't archive data into a file of the same name as your open log!"});
    EXPECT_EQ(prompt.shown.at(0).buttons, UserPrompt::Buttons::Ok);
    EXPECT_EQ(routes(*store), (std::vector<std::string>{"feb28", "mar1", "mar15", "mar31", "apr1"}));
    EXPECT_EQ(selection(*store), (std::vector<int>{1, 0, 1, 1, 1}));
    EXPECT_EQ(store->shownCount, 4);
    EXPECT_FALSE(store->modified);
    EXPECT_EQ(readFile(log), kSpringLog);
    EXPECT_FALSE(fs::exists(dir.file("Run.bak")));
}

INSTANTIATE_TEST_SUITE_P(
    Spellings, ArchiveIntoOpenLog,
    ::testing::Values(SpellingRow{"sameText", [](const std::string& d) { return d + "/Run.dat"; }},
                      SpellingRow{"dotStep", [](const std::string& d) { return d + "/./Run.dat"; }},
                      SpellingRow{"doubledSeparator", [](const std::string& d) { return d + "//Run.dat"; }},
                      SpellingRow{"dotDotStep",
                                  [](const std::string& d) {
                                      fs::create_directory(d + "/sub");
                                      return d + "/sub/../Run.dat";
                                  }},
                      SpellingRow{"withoutItsExtension", [](const std::string& d) { return d + "/Run"; }},
                      SpellingRow{"symbolicLink",
                                  [](const std::string& d) {
                                      fs::create_symlink(d + "/Run.dat", d + "/Link.dat");
                                      return d + "/Link.dat";
                                  }},
                      SpellingRow{"linkedFolder",
                                  [](const std::string& d) {
                                      fs::create_directory_symlink(d, d + "/same");
                                      return d + "/same/Run.dat";
                                  }},
                      SpellingRow{"hardLink",
                                  [](const std::string& d) {
                                      fs::create_hard_link(d + "/Run.dat", d + "/Hard.dat");
                                      return d + "/Hard.dat";
                                  }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Archive, intoTheFileANewLogWillBeSavedTo_isRefusedBeforeThatFileExists)
{
    openLog("Run.dat", kSpringLog);
    store->setFileName(dir.file("Fresh.dat"));
    const ArchiveResult result = archive(dir.path() + "/./Fresh.dat", kMarch1, kMarch31, true);
    EXPECT_EQ(result.status, ArchiveStatus::IntoOpenLog);
    EXPECT_EQ(store->entryCount, 5);
    EXPECT_FALSE(fs::exists(dir.file("Fresh.dat")));
}

TEST_F(Archive, aFileBesideTheLog_isNotTakenForIt)
{
    openLog("Run.dat", kSpringLog);
    write("Run.txt", "other");
    EXPECT_EQ(archive(dir.file("Run.txt"), kMarch1, kMarch31, true).status, ArchiveStatus::Archived);
    EXPECT_EQ(store->entryCount, 2);
}

TEST_F(Archive, thatCantBeWritten_removesNothing_andSelectsAll)
{
    openLog("Run.dat", kSpringLog);
    store->entry(0).selected = 0;
    const std::string out = dir.file("missing/March.dat");
    const ArchiveResult result = archive(out, kMarch1, kMarch31, true);
    EXPECT_EQ(result.status, ArchiveStatus::WriteFailed);
    ASSERT_EQ(prompt.lines().size(), 1u);
    EXPECT_EQ(prompt.lines()[0].rfind("Orvanta: Problem trying to create or write to file \"" + out + "\"", 0), 0u)
        << prompt.lines()[0];
    EXPECT_EQ(store->entryCount, 5);
    EXPECT_EQ(selection(*store), (std::vector<int>{1, 1, 1, 1, 1}));
    EXPECT_FALSE(store->modified);
}

// A log without a name is named by the save of the archive; named after the
// archive itself, the archive is its file, so nothing may leave the log.
TEST_F(Archive, logWithoutANameNamedAfterTheArchive_keepsItsEntries)
{
    openLog("Run.dat", kSpringLog);
    store->fileName.clear();
    store->displayName.clear();
    const std::string out = dir.file("March.dat");
    prompt.saveNames = {out};
    const ArchiveResult result = archive(out, kMarch1, kMarch31, true);
    EXPECT_EQ(result.status, ArchiveStatus::Archived);
    EXPECT_EQ(result.removed, 0);
    EXPECT_EQ(store->fileName, out);
    EXPECT_EQ(store->entryCount, 5);
    EXPECT_EQ(readFile(out), kRunHead + crlf({kMar1, kMar15, kMar31}));
}

TEST_F(Archive, logWithoutANameNamedElsewhere_losesTheArchivedEntries)
{
    openLog("Run.dat", kSpringLog);
    store->fileName.clear();
    prompt.saveNames = {dir.file("Named.dat")};
    EXPECT_EQ(archive(dir.file("March.dat"), kMarch1, kMarch31, true).removed, 3);
    EXPECT_EQ(store->fileName, dir.file("Named.dat"));
}

TEST_F(Archive, theEntryBeingEditedFollowsItsEntry_orIsLetGoWhenArchived)
{
    openLog("Run.dat", kSpringLog);
    store->editingIndex = 4;     // apr1
    store->lastStoredIndex = 2;  // mar15, archived
    archive(dir.file("March.dat"), kMarch1, kMarch31, true);
    EXPECT_EQ(store->editingIndex, 1);
    EXPECT_EQ(std::string(store->entry(store->editingIndex).routeText.view()), "apr1");
    EXPECT_EQ(store->lastStoredIndex, -1);
}

TEST_F(Archive, thousandsOfEntries_keepTheirOrder)
{
    std::string text = kRunHead;
    for (int i = 0; i < 6000; ++i)
        text += entryLine(i % 2 ? "03/10/02" : "05/10/02", std::to_string(i).c_str()) + "\r\n";
    openLog("Big.dat", text);
    const ArchiveResult result = archive(dir.file("March.dat"), kMarch1, kMarch31, true);
    EXPECT_EQ(result.removed, 3000);
    ASSERT_EQ(store->entryCount, 3000);
    for (int i = 0; i < 3000; ++i)
        ASSERT_EQ(std::string(store->entry(i).routeText.view()), std::to_string(2 * i)) << i;
}

struct YearRow {
    const char* name;
    const char* log;
    int year;
};

class ArchiveYear : public TransferTest, public ::testing::WithParamInterface<YearRow> {};

TEST_P(ArchiveYear, isThatOfTheFirstEntry_orThisYear)
{
    openLog("Run.dat", kRunHead + GetParam().log);
    EXPECT_EQ(archiveYear(*store, CalendarDate{2004, 6, 15}), GetParam().year);
}

INSTANTIATE_TEST_SUITE_P(
    Logs, ArchiveYear,
    ::testing::Values(YearRow{"firstEntry2002", "12/31/02\tTR\t\t\t\t\t\r\n01/01/03\tTR\t\t\t\t\t\r\n", 2002},
                      YearRow{"firstEntry1999", "06/01/99\tTR\t\t\t\t\t\r\n", 1999},
                      YearRow{"firstInFileNotEarliest", "01/01/03\tTR\t\t\t\t\t\r\n12/31/02\tTR\t\t\t\t\t\r\n", 2003},
                      YearRow{"emptyLog", "", 2004}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
