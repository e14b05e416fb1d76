// Numbers in a log never follow the user's locale: under a German locale,
// whose decimal mark is a comma, the tool prints and writes the same bytes
// as under C.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "cli_runner.h"
#include "spring_log.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kCommaLocale = "de_DE.ISO-8859-1";

// Whether the locale, looked up under locales, writes numbers with a comma.
// Asked of the locale tool in a child process: a lookup through LOCPATH in
// this process would keep memory the leak checker reports.
bool writesDecimalComma(const fs::path& locales)
{
    std::string command =
        "LOCPATH='" + locales.string() + "' LC_ALL=" + kCommaLocale + " locale decimal_point 2>/dev/null";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return false;
    char answer[16] = {};
    bool read = std::fgets(answer, sizeof answer, pipe) != nullptr;
    return ::pclose(pipe) == 0 && read && std::string(answer) == ",\n";
}

class CliCommaLocale : public ::testing::Test {
protected:
    // The machine need not have the locale installed: it is compiled once
    // into a folder of its own.
    static void SetUpTestSuite()
    {
        s_locales = std::make_unique<TempFolder>();
        std::string command =
            "localedef -i de_DE -f ISO-8859-1 '" + (s_locales->work() / kCommaLocale).string() + "' >/dev/null 2>&1";
        s_available = std::system(command.c_str()) == 0 && writesDecimalComma(s_locales->work());
    }
    static void TearDownTestSuite() { s_locales.reset(); }

    void SetUp() override
    {
        if (!s_available)
            GTEST_SKIP() << "localedef could not make " << kCommaLocale;
    }

    CliResult runGerman(const std::vector<std::string>& args)
    {
        return runOrvanta(args, folder.work(),
                          {"LOCPATH=" + s_locales->work().string(), std::string("LC_ALL=") + kCommaLocale});
    }

    static inline std::unique_ptr<TempFolder> s_locales;
    static inline bool s_available = false;
    TempFolder folder;
};

// Reading rewrites every time text (seconds with one decimal, cut at ".0"),
// so a comma would show in each line.
TEST_F(CliCommaLocale, list_printsTheSameLines)
{
    copyFixture(kSpringLog, folder.work(), "spring.dat");
    copyFixture("time_with_three_colons.dat", folder.work(), "colons.dat");
    CliResult spring = runGerman({"list", "spring.dat"});
    EXPECT_EQ(spring.exitCode, 0);
    EXPECT_EQ(spring.out, lfLines(kSpringEntries));
    CliResult colons = runGerman({"list", "colons.dat"});
    EXPECT_EQ(colons.exitCode, 0);
    EXPECT_EQ(colons.out, lfLines({"03/01/02\tTR\t5M\t1:02:34\t\tRiver loop\t"}));
}

TEST_F(CliCommaLocale, export_writesTheSameBytes)
{
    copyFixture(kSpringLog, folder.work(), "spring.dat");
    CliResult result = runGerman({"export", "spring.dat", "out.dat", "--format", "complete"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(readBytes(folder.work() / "out.dat"), crlfLines(kSpringHeader) + crlfLines(kSpringEntries));
}

}  // namespace
