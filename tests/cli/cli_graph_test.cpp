// orvanta graph: the Graph page's picture as numbers, a line per period and
// the axis line; the refusal of distance and pace over all sports.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_runner.h"
#include "spring_log.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kNeedsOneSport =
    "Orvanta: You can't graph distance or pace unless you select a single sport to graph first!\n";

// Running, Cycling, Swimming after the all-sports value.
const std::vector<std::string> kThirteenWeeksOfTime = {
    "2002-01-21\t0.0000\t0.0000\t0.0000\t0.0000", "2002-01-28\t0.0000\t0.0000\t0.0000\t0.0000",
    "2002-02-04\t0.0000\t0.0000\t0.0000\t0.0000", "2002-02-11\t0.0000\t0.0000\t0.0000\t0.0000",
    "2002-02-18\t0.0000\t0.0000\t0.0000\t0.0000", "2002-02-25\t0.7583\t0.7583\t0.0000\t0.0000",
    "2002-03-04\t0.0000\t0.0000\t0.0000\t0.0000", "2002-03-11\t1.1667\t0.0000\t0.6667\t0.5000",
    "2002-03-18\t0.0000\t0.0000\t0.0000\t0.0000", "2002-03-25\t0.7361\t0.7361\t0.0000\t0.0000",
    "2002-04-01\t0.4500\t0.4500\t0.0000\t0.0000", "2002-04-08\t0.0000\t0.0000\t0.0000\t0.0000",
    "2002-04-15\t0.5000\t0.0000\t0.5000\t0.0000", "axis\t0\t5\tHours\t1\t2\t3\t4\t5",
};

class CliGraph : public ::testing::Test {
protected:
    TempFolder folder;
    void SetUp() override { copyFixture(kSpringLog, folder.work(), "spring.dat"); }
    CliResult run(const std::vector<std::string>& args, const std::vector<std::string>& env = {})
    {
        return runOrvanta(args, folder.work(), env);
    }
    // A settings file of the desktop program's, in a folder of this test's.
    std::string settingsHome(const std::string& windowsSection)
    {
        const fs::path home = folder.work() / "config";
        fs::create_directories(home / "Halvery Software");
        writeBytes(home / "Halvery Software" / "The Orvanta.ini", "[Windows]\n" + windowsSection);
        return "XDG_CONFIG_HOME=" + home.string();
    }
};

TEST_F(CliGraph, timeOfAllSports_endsAtTheLastEntrysWeek)
{
    CliResult result = run({"graph", "spring.dat"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, lfLines(kThirteenWeeksOfTime));
    EXPECT_EQ(result.err, "");
}

TEST_F(CliGraph, firstDateAndMonths_oneSportsDistance)
{
    CliResult result = run({"graph", "--period", "12m", "spring.dat", "--type", "Distance", "--sport", "Cycling",
                            "--first", "2002-02-14"});
    EXPECT_EQ(result.exitCode, 0);
    std::vector<std::string> lines = {"2002-02-01\t0.0000", "2002-03-01\t20.0000", "2002-04-01\t12.5000"};
    for (int month = 5; month <= 12; ++month)
        lines.push_back("2002-" + std::string(month < 10 ? "0" : "") + std::to_string(month) + "-01\t0.0000");
    lines.push_back("2003-01-01\t0.0000");
    lines.push_back("axis\t0\t25\tkm\t5\t10\t15\t20\t25");
    EXPECT_EQ(result.out, lfLines(lines));
}

TEST_F(CliGraph, distanceOrPaceOfAllSports_isRefused)
{
    for (const char* type : {"distance", "Pace"}) {
        CliResult result = run({"graph", "spring.dat", "--type", type});
        EXPECT_EQ(result.exitCode, 1) << type;
        EXPECT_EQ(result.out, "") << type;
        EXPECT_EQ(result.err, kNeedsOneSport) << type;
    }
}

TEST_F(CliGraph, caloriesFromTheSettingsFile)
{
    const std::string env = settingsHome("Calorie%20Keyword=150\n");
    CliResult result =
        run({"graph", "spring.dat", "--type", "calories", "--period", "12m", "--first", "2002-03-01"}, {env});
    EXPECT_EQ(result.exitCode, 0);
    // Running by distance at 0.653, cycling and swimming at their default factors.
    EXPECT_EQ(result.out.substr(0, 38), "2002-03-01\t2.0145\t1.1180\t0.5220\t0.3746");
    EXPECT_NE(result.out.find("\naxis\t0\t5\tkCalories Burned\t1\t2\t3\t4\t5\n"), std::string::npos);
}

TEST_F(CliGraph, keywordByItsLabel_withoutCaption)
{
    writeBytes(folder.work() / "weights.dat",
               "Sports List: 1\nRunning\tRMmpm\nPreferences: 1  1  1  1  1  1  0\nKeywords: 2\n"
               "1\tWt\tWeight\n2\tSwim\tSwim time\n"
               "03/04/02\tTR\t3M\t27:00\t9:00\t\tWt=150 Swim=45:00\n"
               "03/05/02\tTR\t3M\t27:00\t9:00\t\tWt=170 Swim=1:00:00\n");
    CliResult weight = run({"graph", "weights.dat", "--type", "Weight"});
    EXPECT_EQ(weight.exitCode, 0);
    EXPECT_NE(weight.out.find("2002-03-04\t160.0000\naxis\t160\t5\t\t161\t162\t163\t164\t165\n"), std::string::npos);
    CliResult swim = run({"graph", "weights.dat", "--type", "Swim time", "--sport", "Running"});
    EXPECT_NE(swim.out.find("2002-03-04\t105.0000\naxis\t0\t200\t\t40:00\t1:20:00\t2:00:00\t2:40:00\t3:20:00\n"),
              std::string::npos);
}

TEST_F(CliGraph, anEmptyLogHasNoScale)
{
    writeBytes(folder.work() / "empty.dat", "Sports List: 1\nRunning\tRMmpm\nPreferences: 1  1  1  1  1  1  0\n");
    CliResult result = run({"graph", "empty.dat", "--first", "2002-03-06", "--period", "13w"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out.substr(0, 25), "2002-03-04\t0.0000\t0.0000\n");
    EXPECT_EQ(result.out.substr(result.out.size() - 30), "2002-05-27\t0.0000\t0.0000\naxis\n");
}

TEST_F(CliGraph, unknownTypeSportOrPeriod_isAUsageError)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"graph", "spring.dat", "--type", "Heart"},
          std::vector<std::string>{"graph", "spring.dat", "--sport", "Rowing"},
          std::vector<std::string>{"graph", "spring.dat", "--period", "14w"},
          std::vector<std::string>{"graph", "spring.dat", "--first", "2002-02-30"},
          std::vector<std::string>{"graph", "spring.dat", "--sport", "Caf\xc3\xa9\xe2\x82\xac"}}) {
        CliResult result = run(args);
        EXPECT_EQ(result.exitCode, 2) << args[3];
        EXPECT_EQ(result.out, "") << args[3];
        EXPECT_NE(result.err.find("Usage: orvanta graph LOG"), std::string::npos) << args[3];
    }
}

}  // namespace
