// The spreadsheet, GPX and TCX readers on the exports people have.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "import/civil_time.h"
#include "import/csv_reader.h"
#include "import/import_file.h"
#include "import/import_messages.h"
#include "import/xml_readers.h"
#include "import_test_support.h"

namespace {

std::string fileText(const std::string& name)
{
    std::ifstream in(importData(name), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string civil(const std::optional<CivilTime>& t)
{
    if (!t)
        return "none";
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t->year, t->month, t->day, t->hour, t->minute,
                  t->second);
    return text;
}

std::string utc(const WorkoutSummary& workout)
{
    return workout.utcStart ? civil(civilTimeOf(*workout.utcStart)) + "Z" : "none";
}

TEST(CsvReader, stravaExportTakesUtcDatesTheMetresDistanceAndElapsedTime)
{
    const FileSummaries read = readCsv(fileText("import/strava_activities.csv"));
    ASSERT_EQ(read.error, "");
    ASSERT_EQ(read.workouts.size(), 3u);
    const WorkoutSummary& run = read.workouts[0];
    EXPECT_EQ(utc(run), "2024-04-02 17:30:00Z");
    EXPECT_FALSE(run.localStart.has_value());
    EXPECT_EQ(run.sport, "Run");
    EXPECT_EQ(run.name, "Evening Run");
    EXPECT_EQ(run.notes, "Legs felt good, \"fast\" finish");
    EXPECT_EQ(run.distanceKind, DistanceKind::Metres);
    EXPECT_DOUBLE_EQ(run.distance, 8020.5);
    EXPECT_DOUBLE_EQ(run.seconds, 2710.0);
    EXPECT_EQ(utc(read.workouts[1]), "2024-04-03 06:00:00Z");
    EXPECT_EQ(utc(read.workouts[2]), "2024-04-03 23:45:00Z");
}

TEST(CsvReader, garminExportTakesLocalDatesKilometresAndSwimsInMetres)
{
    const FileSummaries read = readCsv(fileText("import/garmin_activities.csv"));
    ASSERT_EQ(read.error, "");
    ASSERT_EQ(read.workouts.size(), 3u);
    EXPECT_EQ(civil(read.workouts[0].localStart), "2024-04-05 07:12:34");
    EXPECT_EQ(read.workouts[0].sport, "Running");
    EXPECT_EQ(read.workouts[0].name, "Berlin Running");
    EXPECT_DOUBLE_EQ(read.workouts[0].distance, 10010.0);
    EXPECT_DOUBLE_EQ(read.workouts[0].seconds, 3012.0);   // "Time", not moving or elapsed
    EXPECT_DOUBLE_EQ(read.workouts[1].distance, 1500.0);  // "1,500" metres of a swim
    EXPECT_NEAR(read.workouts[1].seconds, 1925.3, 1e-9);
    EXPECT_DOUBLE_EQ(read.workouts[2].distance, 0.0);
}

TEST(CsvReader, headerUnitsUnitColumnsAndBareNumbers)
{
    const FileSummaries read = readCsv(
        "Start Time;Sport;Distance (mi);Duration\n2024-05-01T06:00:00+02:00;Run;3,1;0:25:00\n"
        "2024-05-02;Run;;1500\n");
    ASSERT_EQ(read.error, "");
    ASSERT_EQ(read.workouts.size(), 2u);
    EXPECT_EQ(utc(read.workouts[0]), "2024-05-01 04:00:00Z");
    EXPECT_NEAR(read.workouts[0].distance, 3.1 * 1609.344, 1e-9);
    EXPECT_DOUBLE_EQ(read.workouts[0].seconds, 1500.0);
    EXPECT_EQ(read.workouts[1].distanceKind, DistanceKind::None);
    EXPECT_DOUBLE_EQ(read.workouts[1].seconds, 1500.0);

    const FileSummaries units = readCsv(
        "date,type,distance,unit,time\n2024-05-03,Ride,12,mi,1:00:00\n"
        "2024-05-04,Ride,20,,1:00:00\n");
    ASSERT_EQ(units.workouts.size(), 2u);
    EXPECT_NEAR(units.workouts[0].distance, 12 * 1609.344, 1e-9);
    EXPECT_EQ(units.workouts[1].distanceKind, DistanceKind::SportUnits);
    EXPECT_DOUBLE_EQ(units.workouts[1].distance, 20.0);
}

TEST(CsvReader, fileWithoutDateColumnOrDatesIsRefused)
{
    EXPECT_EQ(readCsv("name,distance\nx,5\n").error, importmsg::kCsvNoDateColumn);
    EXPECT_EQ(readCsv("date,distance\nyesterday,5\n").error, importmsg::kCsvNoDates);
}

TEST(CsvReader, quotedFieldsHoldSeparatorsQuotesAndLineBreaks)
{
    const auto rows = splitCsv("a,\"b,1\",\"say \"\"hi\"\"\"\r\n\"two\r\nlines\",,x");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"a", "b,1", "say \"hi\""}));
    EXPECT_EQ(rows[1], (std::vector<std::string>{"two\r\nlines", "", "x"}));
}

TEST(CsvReader, durationTexts)
{
    const std::pair<const char*, double> cases[] = {
        {"1:02:07", 3727.0}, {"25:03", 1503.0}, {"00:32:05.3", 1925.3}, {"1503", 1503.0},
        {"~45:30", 2730.0},  {"abc", -1.0},     {"1:2:3:4", -1.0},      {"", -1.0},
    };
    for (const auto& [text, seconds] : cases)
        EXPECT_NEAR(secondsOfText(text), seconds, 1e-9) << text;
}

TEST(CsvReader, dateTexts)
{
    const std::pair<const char*, const char*> cases[] = {
        {"2024-03-02", "2024-03-02 00:00:00"},
        {"2024-03-02 07:12:34", "2024-03-02 07:12:34"},
        {"Mar 2, 2024, 7:05:09 PM", "2024-03-02 19:05:09"},
        {"Dec 31, 2023, 12:00:00 AM", "2023-12-31 00:00:00"},
        {"2 Mar 2024, 07:00:00", "2024-03-02 07:00:00"},
        {"02.03.2024 06:00", "2024-03-02 06:00:00"},
        {"03/02/2024", "2024-03-02 00:00:00"},
    };
    for (const auto& [text, expected] : cases) {
        const std::optional<DateRead> read = readDateText(text);
        EXPECT_EQ(read ? civil(read->time) : "none", expected) << text;
    }
    for (const char* bad : {"2024-13-01", "2024-02-30", "Foo 2, 2024", "12:00"})
        EXPECT_FALSE(readDateText(bad).has_value()) << bad;
}

TEST(GpxReader, trackWithTimesSumsTheGreatCircleAndTimesFirstToLast)
{
    const std::string text = fileText("import/track_with_times.gpx");
    const FileSummaries read = readGpx(QByteArray::fromStdString(text));
    ASSERT_EQ(read.error, "");
    ASSERT_EQ(read.workouts.size(), 1u);
    const WorkoutSummary& track = read.workouts[0];
    EXPECT_EQ(utc(track), "2024-04-10 07:00:00Z");
    EXPECT_DOUBLE_EQ(track.seconds, 750.0);
    EXPECT_NEAR(track.distance, 2 * 1111.95, 0.01);
    EXPECT_EQ(track.sport, "running");
    EXPECT_EQ(track.name, "\xC3\x89quateur loop");
    EXPECT_EQ(track.notes, "Flat, hot & humid");
}

TEST(GpxReader, trackWithoutTimesHasDistanceOnlyAndNoBridgeBetweenSegments)
{
    const FileSummaries read = readGpx(QByteArray::fromStdString(fileText("import/track_without_times.gpx")));
    ASSERT_EQ(read.workouts.size(), 1u);
    EXPECT_FALSE(read.workouts[0].hasStart());
    EXPECT_DOUBLE_EQ(read.workouts[0].seconds, 0.0);
    EXPECT_NEAR(read.workouts[0].distance, 1111.95 + 1095.05, 0.05);
}

TEST(GpxReader, brokenXmlNamesItsLine)
{
    const FileSummaries read = readGpx("<gpx>\n<trk><trkseg>\n</gpx>");
    EXPECT_TRUE(read.workouts.empty());
    EXPECT_NE(read.error.find("line 3"), std::string::npos) << read.error;
}

TEST(TcxReader, lapsAreSummedAndTrackpointDistancesIgnored)
{
    const FileSummaries read = readTcx(QByteArray::fromStdString(fileText("import/three_laps.tcx")));
    ASSERT_EQ(read.error, "");
    ASSERT_EQ(read.workouts.size(), 1u);
    EXPECT_EQ(read.workouts[0].sport, "Running");
    EXPECT_EQ(utc(read.workouts[0]), "2024-04-01 06:00:00Z");
    EXPECT_DOUBLE_EQ(read.workouts[0].seconds, 1800.0);
    EXPECT_DOUBLE_EQ(read.workouts[0].distance, 6000.4);
    EXPECT_EQ(read.workouts[0].notes, "Three laps by the river");
}

TEST(WorkoutFiles, formatIsToldByContentNotName)
{
    EXPECT_EQ(workoutFormatOf(fileText("import/three_laps.tcx")), WorkoutFormat::Tcx);
    EXPECT_EQ(workoutFormatOf(fileText("import/track_with_times.gpx")), WorkoutFormat::Gpx);
    EXPECT_EQ(workoutFormatOf(fileText("import/strava_activities.csv")), WorkoutFormat::Csv);
    EXPECT_EQ(workoutFormatOf(fileText("fit/run_5k_berlin.fit")), WorkoutFormat::Fit);
    EXPECT_EQ(workoutFormatOf(fileText("import/plain_text_notes.txt")), WorkoutFormat::Unknown);
    EXPECT_EQ(workoutFormatOf("<html><body/></html>"), WorkoutFormat::Unknown);
    EXPECT_EQ(readWorkoutFile(importData("import/no_such_file.fit")).error, "it could not be opened (system error #2)");
}

}  // namespace
