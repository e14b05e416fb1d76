// Workouts turned into entries as the form stores them, and what is skipped.
#include <gtest/gtest.h>

#include <memory>

#include "import/civil_time.h"
#include "import/import_plan.h"
#include "log/log_writer.h"

namespace {

void addSport(LogStore& store, const char* name, char letter, DistanceUnit units, PaceUnit pace)
{
    SportDef& sport = store.sports[++store.sportCount];
    sport.name = name;
    sport.letter = letter;
    sport.distanceUnits = units;
    sport.paceUnits = pace;
}

std::unique_ptr<LogStore> sampleLog()
{
    auto store = std::make_unique<LogStore>();
    addSport(*store, "Running", 'R', DistanceUnit::Kilometers, PaceUnit::MinPerKm);
    addSport(*store, "Road Cycling", 'B', DistanceUnit::Miles, PaceUnit::MilesPerHour);
    addSport(*store, "Pool", 'S', DistanceUnit::Yards, PaceUnit::None);
    addSport(*store, "Yoga", 'Y', DistanceUnit::None, PaceUnit::None);
    return store;
}

WorkoutSummary workout(const char* sport, CivilTime start, double metres, double seconds, const char* name = "")
{
    WorkoutSummary w;
    w.sport = sport;
    w.localStart = start;
    if (metres > 0) {
        w.distanceKind = DistanceKind::Metres;
        w.distance = metres;
    }
    w.seconds = seconds;
    w.name = name;
    return w;
}

// The line Save writes, without its line end.
std::string lineOf(const LogEntry& entry, const LogStore& store)
{
    std::string line = formatEntryLine(entry, false, store);
    return line.substr(0, line.size() - 2);
}

std::vector<ImportCandidate> plan(const LogStore& store, std::vector<WorkoutSummary> workouts,
                                  const SportLookup& lookup = {})
{
    FileSummaries file;
    file.workouts = std::move(workouts);
    return planImport({file}, store, lookup);
}

TEST(ImportPlan, entriesAreWrittenAsTheFormStoresThem)
{
    auto store = sampleLog();
    const CivilTime day{2024, 3, 2, 8, 0, 0};
    const std::vector<ImportCandidate> planned = plan(
        *store, {workout("running", day, 5000, 1503.4, "Tempo Run"), workout("ROAD_CYCLING", day, 5000, 3727),
                 workout("pool", day, 1500, 1830.6), workout("yoga", day, 0, 3600), workout("yoga", day, 4000, 0)});
    ASSERT_EQ(planned.size(), 5u);
    const char* expected[] = {
        "03/02/24\tTR\t5K\t25:03\t5:00.6\tTempo Run\t",
        "03/02/24\tTB\t3.11M\t1:02:07\t3.0\t\t",
        "03/02/24\tTS\t1640.42Y\t30:31\t\t\t",
        "03/02/24\tTY\t\t1:00:00\t\t\t",
        "03/02/24\tTY\t4K\t\t\t\t",
    };
    for (std::size_t i = 0; i < planned.size(); ++i) {
        EXPECT_EQ(planned[i].verdict, ImportVerdict::Add) << i;
        EXPECT_EQ(lineOf(planned[i].entry, *store), expected[i]) << i;
    }
}

TEST(ImportPlan, distanceTextsKeepTwoDecimalsWithinTheBox)
{
    const std::pair<double, const char*> cases[] = {
        {5.0, "5"},
        {3.10686, "3.11"},
        {40.2505, "40.25"},
        {0.004, "0"},
        {12345.678, "12345.68"},
        {123456.78, "123456.8"},
        {98765432.1, "98765432"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(importDistanceText(value), text) << value;
}

TEST(ImportPlan, workoutsComeInDateOrderAndNamesBecomeLatin1)
{
    auto store = sampleLog();
    const std::vector<ImportCandidate> planned =
        plan(*store, {workout("running", {2024, 3, 5, 7, 0, 0}, 5000, 1500, "Caf\xC3\xA9 \xE2\x82\xAC run"),
                      workout("running", {2024, 3, 1, 7, 0, 0}, 6000, 1800)});
    ASSERT_EQ(planned.size(), 2u);
    EXPECT_EQ(planned[0].entry.dateText.str(), "03/01/24");
    EXPECT_EQ(planned[1].entry.routeText.str(), "Caf\xE9 ? run");
}

TEST(ImportPlan, workoutAlreadyInTheLogOrEarlierInTheImportIsSkipped)
{
    auto store = sampleLog();
    const CivilTime day{2024, 3, 2, 8, 0, 0};
    std::vector<ImportCandidate> first = plan(*store, {workout("running", day, 5000, 1503)});
    ASSERT_EQ(addImported(*store, {first[0].entry}), 1);

    const std::vector<ImportCandidate> again =
        plan(*store, {workout("running", day, 5001, 1503.6), workout("running", day, 5000, 1600),
                      workout("running", day, 5200, 1503), workout("running", {2024, 3, 3, 8, 0, 0}, 5000, 1503),
                      workout("running", {2024, 3, 3, 9, 0, 0}, 5000, 1503)});
    const ImportVerdict expected[] = {ImportVerdict::Duplicate, ImportVerdict::Add, ImportVerdict::Add,
                                      ImportVerdict::Add, ImportVerdict::Duplicate};
    for (std::size_t i = 0; i < again.size(); ++i)
        EXPECT_EQ(again[i].verdict, expected[i]) << i;
}

TEST(ImportPlan, unknownSportIsAskedOnceAndSkippedWhenNotChosen)
{
    auto store = sampleLog();
    std::vector<std::string> asked;
    const SportLookup lookup = [&](const std::string& name) {
        asked.push_back(name);
        return name == "hiking" ? 1 : -1;
    };
    const CivilTime day{2024, 3, 2, 8, 0, 0};
    const std::vector<ImportCandidate> planned = plan(
        *store,
        {workout("hiking", day, 8000, 7200), workout("rowing", day, 8000, 7200), workout("Hiking", day, 9000, 7200)},
        lookup);
    EXPECT_EQ(asked, (std::vector<std::string>{"hiking", "rowing"}));
    EXPECT_EQ(planned[0].verdict, ImportVerdict::Add);
    EXPECT_EQ(planned[0].sport, 1);
    EXPECT_EQ(planned[1].verdict, ImportVerdict::UnknownSport);
    EXPECT_EQ(planned[2].verdict, ImportVerdict::Add);
}

TEST(ImportPlan, datesOutsideTheLogsYearsAndEmptyWorkoutsAreSkipped)
{
    auto store = sampleLog();
    const std::vector<ImportCandidate> planned = plan(*store, {workout("running", {2050, 1, 1, 0, 0, 0}, 5000, 1500),
                                                               workout("running", {1949, 12, 31, 0, 0, 0}, 5000, 1500),
                                                               workout("yoga", {2024, 1, 1, 0, 0, 0}, 0, 0)});
    ASSERT_EQ(planned.size(), 3u);  // in date order
    EXPECT_EQ(planned[0].verdict, ImportVerdict::OutsideDates);
    EXPECT_EQ(planned[1].verdict, ImportVerdict::NothingToSave);
    EXPECT_EQ(planned[2].verdict, ImportVerdict::OutsideDates);
}

TEST(ImportPlan, fullLogTakesWhatFitsAndPlacesItAsMergeDoes)
{
    auto store = sampleLog();
    LogEntry filler;
    std::vector<ImportCandidate> one = plan(*store, {workout("running", {2024, 6, 1, 0, 0, 0}, 1000, 300)});
    filler = one[0].entry;
    for (std::size_t i = 0; i + 1 < LogStore::kMaxEntries; ++i) {
        filler.minutes = static_cast<float>(i);  // each its own workout
        store->entry(i) = filler;
    }
    store->entryCount = LogStore::kMaxEntries - 1;
    const std::vector<ImportCandidate> planned = plan(*store, {workout("running", {2024, 5, 1, 0, 0, 0}, 5000, 1500),
                                                               workout("running", {2024, 7, 1, 0, 0, 0}, 5000, 1500)});
    EXPECT_EQ(planned[0].verdict, ImportVerdict::Add);
    EXPECT_EQ(planned[1].verdict, ImportVerdict::LogFull);
    EXPECT_EQ(addImported(*store, {planned[0].entry, planned[1].entry}), 1);
    EXPECT_EQ(store->entryCount, LogStore::kMaxEntries);
    EXPECT_EQ(store->entry(0).dateText.str(), "05/01/24");
    EXPECT_TRUE(store->modified);
}

}  // namespace
