// "orvanta import" and "orvanta export --format csv" run as a user runs them.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_runner.h"

namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kHead = {
    "Sports List: 3", "Running\tRKmpk", "Cycling\tBMmph", "Swimming\tSm   ", "Preferences: 1  1  1  1  1  1  0",
    "Routes: 0",      "Keywords: 0",
};

std::string fit(const char* name)
{
    return std::string(ORV_TEST_DATA_DIR) + "/fit/" + name;
}

std::string data(const char* name)
{
    return std::string(ORV_TEST_DATA_DIR) + "/import/" + name;
}

class CliImport : public ::testing::Test {
protected:
    void SetUp() override { writeBytes(log(), crlfLines(kHead)); }
    fs::path log() const { return m_folder.work() / "Log.dat"; }
    CliResult run(const std::vector<std::string>& args) { return runOrvanta(args, m_folder.work()); }

    TempFolder m_folder;
};

TEST_F(CliImport, fitFilesAreAddedInDateOrderPrintedAndSaved)
{
    const CliResult result = run({"import", "Log.dat", fit("pool_swim_1500m.fit"), fit("run_5k_berlin.fit"),
                                  fit("cycling_40k.fit"), fit("run_new_york_evening.fit")});
    const std::vector<std::string> added = {
        "03/02/24\tTR\t5K\t25:03\t5:00.6\tTempo Run\t",
        "03/03/24\tTB\t25.01M\t1:02:07\t24.2\t\t",
        "03/04/24\tTS\t1500m\t30:30\t\t\t",
        "03/06/24\tTR\t10K\t1:02:07\t6:12.7\t\t",
    };
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, lfLines(added));
    std::vector<std::string> saved = kHead;
    saved.insert(saved.end(), added.begin(), added.end());
    EXPECT_EQ(readBytes(log()), crlfLines(saved));
}

TEST_F(CliImport, unreadableFilesAreReportedAndTheOthersStillImported)
{
    const CliResult some = run({"import", "Log.dat", fit("truncated_run.fit"), fit("bad_crc_run.fit"),
                                fit("run_with_developer_fields.fit"), data("plain_text_notes.txt")});
    EXPECT_EQ(some.exitCode, 3);
    EXPECT_EQ(some.out, lfLines({"03/09/24\tTR\t8K\t45:12\t5:39\t\t"}));
    EXPECT_EQ(some.err, "Orvanta: " + fit("truncated_run.fit") +
                            ": the FIT file is cut short; nothing of it was imported\n"
                            "Orvanta: " +
                            fit("bad_crc_run.fit") +
                            ": the FIT file's checksum does not match: the file is damaged\n"
                            "Orvanta: " +
                            data("plain_text_notes.txt") + ": it is not a FIT, GPX, TCX or CSV file\n");

    const std::string before = readBytes(log());
    const CliResult none = run({"import", "Log.dat", fit("truncated_run.fit")});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(readBytes(log()), before);
}

TEST_F(CliImport, duplicatesAreSkippedAndDryRunSavesNothing)
{
    ASSERT_EQ(run({"import", "Log.dat", fit("run_5k_berlin.fit")}).exitCode, 0);
    const std::string once = readBytes(log());
    const CliResult again = run({"import", "Log.dat", fit("run_5k_berlin.fit")});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.out, "");
    EXPECT_EQ(readBytes(log()), once);

    const CliResult dry = run({"import", "--dry-run", "Log.dat", fit("cycling_40k.fit")});
    EXPECT_EQ(dry.exitCode, 0);
    EXPECT_EQ(dry.out, lfLines({"03/03/24\tTB\t25.01M\t1:02:07\t24.2\t\t"}));
    EXPECT_EQ(readBytes(log()), once);
    EXPECT_FALSE(fs::exists(m_folder.work() / "Log.bak") && readBytes(m_folder.work() / "Log.bak") == once);
}

TEST_F(CliImport, sportsAreMappedOrSkippedWithAMessage)
{
    const CliResult result = run({"import", "Log.dat", data("strava_activities.csv"), "--sport-map", "run=Running",
                                  "--sport-map", "Ride=cycling"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, lfLines({"04/02/24\tTR\t8.02K\t45:10\t5:37.9\tEvening Run\tLegs felt good, \"fast\" finish",
                                   "04/03/24\tTB\t18.95M\t1:00:00\t19.0\tMorning Ride\t"}));
    EXPECT_EQ(result.err,
              "Orvanta: No sport of the log is named \"Swim\": 1 workout(s) were skipped. Map it to a "
              "sport of the log with --sport-map.\n");

    const CliResult wrong = run({"import", "Log.dat", data("strava_activities.csv"), "--sport-map", "Run=Jogging"});
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_EQ(wrong.err, "Orvanta: The log has no sport named \"Jogging\" (given in --sport-map).\n");
    const CliResult malformed = run({"import", "Log.dat", data("three_laps.tcx"), "--sport-map", "Run"});
    EXPECT_EQ(malformed.exitCode, 2);
    EXPECT_EQ(malformed.out, "");
    EXPECT_EQ(malformed.err.rfind("orvanta: --sport-map wants NAME=SPORT, not 'Run'\n\nUsage: orvanta import", 0), 0u)
        << malformed.err;
}

TEST_F(CliImport, gpxAndTcxAndGarminFilesAreRead)
{
    const fs::path untimed = m_folder.work() / "planned.gpx";
    fs::copy_file(data("track_without_times.gpx"), untimed);
    // A track without times is dated by its file.
    using namespace std::chrono;
    fs::last_write_time(untimed,
                        file_clock::from_sys(time_point_cast<seconds>(sys_days{year{2023} / 5 / 4} + hours{12})));
    const CliResult result = run({"import", "Log.dat", data("track_with_times.gpx"), data("three_laps.tcx"),
                                  data("garmin_activities.csv"), "planned.gpx", "--sport-map", "pool swim=swimming"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const std::vector<std::string> lines = {
        "05/04/23\tTB\t1.37M\t\t\tPlanned loop\t",
        "04/01/24\tTR\t6K\t30:00\t5:00\t\tThree laps by the river",
        "04/05/24\tTR\t10.01K\t50:12\t5:00.9\tBerlin Running\t",
        "04/06/24\tTS\t1500m\t32:05\t\tPool Swim\t",
        "04/10/24\tTR\t2.22K\t12:30\t5:37.8\t\xC3\x89quateur loop\tFlat, hot & humid",
    };
    EXPECT_EQ(result.out, lfLines(lines));
    EXPECT_NE(result.err.find("\"Strength Training\""), std::string::npos) << result.err;
}

TEST_F(CliImport, csvExportRoundTripAddsNothing)
{
    ASSERT_EQ(run({"import", "Log.dat", fit("run_5k_berlin.fit"), fit("triathlon_multisport.fit")}).exitCode, 0);
    const CliResult exported = run({"export", "Log.dat", "out.csv", "--format", "csv", "--from", "2024-03-01"});
    EXPECT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_EQ(exported.out, "");
    EXPECT_EQ(readBytes(m_folder.work() / "out.csv"),
              crlfLines({"date,sport,category,distance,unit,metres,time,seconds,pace,route,comment",
                         "2024-03-02,Running,Training,5,km,5000.0,25:03,1503,5:00.6,Tempo Run,",
                         "2024-06-15,Swimming,Training,1500,m,1500.0,25:20,1520,,,",
                         "2024-06-15,Cycling,Training,24.85,mi,39992.2,1:10:10,4210,21.2,,",
                         "2024-06-15,Running,Training,10,km,10000.0,43:00,2580,4:18,,"}));
    const std::string before = readBytes(log());
    const CliResult back = run({"import", "Log.dat", "out.csv"});
    EXPECT_EQ(back.exitCode, 0) << back.err;
    EXPECT_EQ(back.out, "");
    EXPECT_EQ(readBytes(log()), before);
}

TEST_F(CliImport, csvExportQuotesAndConvertsTexts)
{
    std::vector<std::string> lines = kHead;
    lines.push_back("01/05/24\tRR\t~3.1\t~20:00\t\tHill, \"steep\"\tCaf\xE9");
    writeBytes(log(), crlfLines(lines));
    ASSERT_EQ(run({"export", "Log.dat", "out.csv", "--format", "csv"}).exitCode, 0);
    EXPECT_EQ(readBytes(m_folder.work() / "out.csv"),
              crlfLines({"date,sport,category,distance,unit,metres,time,seconds,pace,route,comment",
                         "2024-01-05,Running,Race,3.1,km,3100.0,~20:00,1200,,\"Hill, \"\"steep\"\"\",Caf\xC3\xA9"}));
}

TEST_F(CliImport, logWithRejectedLinesIsNotChanged)
{
    std::vector<std::string> lines = kHead;
    lines.push_back("not an entry line");
    writeBytes(log(), crlfLines(lines));
    const std::string before = readBytes(log());
    const CliResult result = run({"import", "Log.dat", fit("run_5k_berlin.fit")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Orvanta: " + log().string() + " was not changed: some of its lines could not be read."),
              std::string::npos)
        << result.err;
    EXPECT_EQ(readBytes(log()), before);
}

}  // namespace
