#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "import/civil_time.h"
#include "import/fit_reader.h"
#include "import/import_messages.h"
#include "import_test_support.h"

namespace {

FileSummaries readFitFile(const std::string& name)
{
    std::ifstream in(importData("fit/" + name), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_FALSE(bytes.empty()) << name;
    return readFit(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

std::string civil(const CivilTime& t)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

struct SportFile {
    const char* file;
    const char* sport;
    const char* localStart;  // the watch's local time
    double seconds;
    double metres;  // negative: no distance in the file
};

class FitSportFiles : public ::testing::TestWithParam<SportFile> {};

TEST_P(FitSportFiles, sessionGivesSportLocalStartTimerTimeAndDistance)
{
    const SportFile& expected = GetParam();
    const FileSummaries read = readFitFile(expected.file);
    ASSERT_EQ(read.error, "");
    ASSERT_EQ(read.workouts.size(), 1u);
    const WorkoutSummary& workout = read.workouts.front();
    EXPECT_EQ(workout.sport, expected.sport);
    ASSERT_TRUE(workout.localStart.has_value());
    EXPECT_EQ(civil(*workout.localStart), expected.localStart);
    EXPECT_DOUBLE_EQ(workout.seconds, expected.seconds);
    if (expected.metres < 0) {
        EXPECT_EQ(workout.distanceKind, DistanceKind::None);
    } else {
        EXPECT_EQ(workout.distanceKind, DistanceKind::Metres);
        EXPECT_DOUBLE_EQ(workout.distance, expected.metres);
    }
}

INSTANTIATE_TEST_SUITE_P(
    CommonSports, FitSportFiles,
    ::testing::Values(SportFile{"run_5k_berlin.fit", "running", "2024-03-02 08:00:00", 1503.0, 5000.0},
                      SportFile{"cycling_40k.fit", "cycling", "2024-03-03 10:15:00", 3727.4, 40250.5},
                      SportFile{"pool_swim_1500m.fit", "swimming", "2024-03-04 18:30:00", 1830.0, 1500.0},
                      SportFile{"walk_no_distance.fit", "walking", "2024-03-05 13:00:00", 2400.0, -1.0},
                      SportFile{"run_new_york_evening.fit", "running", "2024-03-06 21:30:00", 3727.0, 10000.0},
                      SportFile{"run_with_developer_fields.fit", "running", "2024-03-09 09:00:00", 2712.0, 8000.0}),
    [](const auto& info) {
        std::string name = info.param.file;
        return name.substr(0, name.find('.'));
    });

TEST(FitReader, workoutNameComesFromTheWorkoutMessage)
{
    EXPECT_EQ(readFitFile("run_5k_berlin.fit").workouts.at(0).name, "Tempo Run");
}

TEST(FitReader, fileWithoutLocalTimeKeepsTheInstantOnly)
{
    const FileSummaries read = readFitFile("run_without_local_time.fit");
    ASSERT_EQ(read.workouts.size(), 1u);
    EXPECT_FALSE(read.workouts[0].localStart.has_value());
    ASSERT_TRUE(read.workouts[0].utcStart.has_value());
    EXPECT_EQ(civil(civilTimeOf(*read.workouts[0].utcStart)), "2024-03-08 23:30:00");
}

TEST(FitReader, multisportFileGivesOneWorkoutPerSession)
{
    const FileSummaries read = readFitFile("triathlon_multisport.fit");
    ASSERT_EQ(read.error, "");
    std::vector<std::string> sports;
    for (const WorkoutSummary& workout : read.workouts)
        sports.push_back(workout.sport);
    EXPECT_EQ(sports, (std::vector<std::string>{"swimming", "transition", "cycling", "transition", "running"}));
    EXPECT_EQ(civil(*read.workouts[2].localStart), "2024-06-15 08:28:20");
    EXPECT_DOUBLE_EQ(read.workouts[4].seconds, 2580.0);
}

TEST(FitReader, damagedFilesGiveAClearReasonAndNoWorkout)
{
    const FileSummaries truncated = readFitFile("truncated_run.fit");
    EXPECT_EQ(truncated.error, importmsg::kFitCutShort);
    EXPECT_TRUE(truncated.workouts.empty());
    const FileSummaries badCrc = readFitFile("bad_crc_run.fit");
    EXPECT_EQ(badCrc.error, importmsg::kFitBadCrc);
    EXPECT_TRUE(badCrc.workouts.empty());
}

// Records with compressed timestamps (local type 2, no timestamp field)
// between big-endian session fields: each message must be taken whole.
TEST(FitReader, compressedTimestampsAndBigEndianMessagesStayInStep)
{
    FitBytes fit;
    fit.byte(0x40);  // definition, local 0: record with timestamp and distance
    fit.byte(0), fit.byte(0), fit.le16(20), fit.byte(2);
    fit.byte(253), fit.byte(4), fit.byte(0x86), fit.byte(5), fit.byte(4), fit.byte(0x86);
    fit.byte(0x42);  // definition, local 2: record with distance only
    fit.byte(0), fit.byte(0), fit.le16(20), fit.byte(1);
    fit.byte(5), fit.byte(4), fit.byte(0x86);
    fit.byte(0x00), fit.le32(1078300800), fit.le32(0);
    for (unsigned offset : {5u, 10u, 3u})  // 3 wraps past the last five bits
        fit.byte(0x80 | (2 << 5) | offset), fit.le32(100 * offset);
    fit.byte(0x41);  // definition, local 1: session, big-endian
    fit.byte(0), fit.byte(1), fit.byte(0), fit.byte(18), fit.byte(4);
    fit.byte(2), fit.byte(4), fit.byte(0x86), fit.byte(5), fit.byte(1), fit.byte(0x00);
    fit.byte(8), fit.byte(4), fit.byte(0x86), fit.byte(9), fit.byte(4), fit.byte(0x86);
    fit.byte(0x01);
    for (std::uint32_t value : {1078300800u})
        for (int shift = 24; shift >= 0; shift -= 8)
            fit.byte((value >> shift) & 0xFF);
    fit.byte(1);
    for (std::uint32_t value : {1200000u, 300000u})
        for (int shift = 24; shift >= 0; shift -= 8)
            fit.byte((value >> shift) & 0xFF);
    const std::vector<unsigned char> bytes = fit.file();
    const FileSummaries read = readFit(bytes.data(), bytes.size());
    ASSERT_EQ(read.error, "");
    ASSERT_EQ(read.workouts.size(), 1u);
    EXPECT_EQ(read.workouts[0].sport, "running");
    EXPECT_DOUBLE_EQ(read.workouts[0].seconds, 1200.0);
    EXPECT_DOUBLE_EQ(read.workouts[0].distance, 3000.0);
    EXPECT_EQ(civil(civilTimeOf(*read.workouts[0].utcStart)), "2024-03-02 08:00:00");
}

TEST(FitReader, chainedFilesAndTrailingPaddingAreRead)
{
    std::ifstream in(importData("fit/run_5k_berlin.fit"), std::ios::binary);
    const std::string run((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string chained = run + run + std::string(7, '\0');
    const FileSummaries read = readFit(reinterpret_cast<const unsigned char*>(chained.data()), chained.size());
    EXPECT_EQ(read.error, "");
    EXPECT_EQ(read.workouts.size(), 2u);
    const std::string cut = run + run.substr(0, 40);
    EXPECT_EQ(readFit(reinterpret_cast<const unsigned char*>(cut.data()), cut.size()).error, importmsg::kFitCutShort);
}

TEST(FitReader, dataMessageWithoutDefinitionIsDamage)
{
    FitBytes fit;
    fit.byte(0x03), fit.byte(0x00);
    const std::vector<unsigned char> bytes = fit.file();
    EXPECT_EQ(readFit(bytes.data(), bytes.size()).error, importmsg::kFitUndefinedMessage);
}

TEST(FitReader, crcOfLongBuffersMatchesTheByteByByteOne)
{
    // The byte-by-byte form of the FIT checksum, to hold the fast ones to.
    auto slowCrc = [](std::uint16_t crc, const std::vector<unsigned char>& bytes) {
        for (unsigned char byte : bytes) {
            crc ^= byte;
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc & 1) != 0 ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001)
                                     : static_cast<std::uint16_t>(crc >> 1);
        }
        return crc;
    };
    std::uint32_t seed = 12345;
    for (std::size_t size : {0u, 15u, 16u, 31u, 32u, 33u, 47u, 48u, 100u, 255u, 4096u, 4099u}) {
        std::vector<unsigned char> bytes(size);
        for (unsigned char& byte : bytes)
            byte = static_cast<unsigned char>((seed = seed * 1103515245u + 12345u) >> 16);
        const auto start = static_cast<std::uint16_t>(seed);
        EXPECT_EQ(fitCrc(start, bytes.data(), bytes.size()), slowCrc(start, bytes)) << size;
    }
}

TEST(FitReader, crcMatchesTheFitCheckValue)
{
    // CRC-16/ARC of "123456789".
    const std::string check = "123456789";
    EXPECT_EQ(fitCrc(0, reinterpret_cast<const unsigned char*>(check.data()), check.size()), 0xBB3D);
}

}  // namespace
