// Loading and writing the per-user settings over an in-memory store: what a
// first start writes, how stored values, calorie pairs and broken values are
// read, and what goes back when the user leaves a log.

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "log/settings_store.h"
#include "shell/logic/app_settings.h"

namespace {

const ScreenRect kWorkArea{10, 20, 1900, 1000};

// Remembers the name of every value written, in order.
class RecordingStore : public MemorySettingsStore {
public:
    std::vector<std::string> written;

    void writeString(const std::string& name, const std::string& value) override
    {
        written.push_back(name);
        MemorySettingsStore::writeString(name, value);
    }
    void writeInt(const std::string& name, std::int32_t value) override
    {
        written.push_back(name);
        MemorySettingsStore::writeInt(name, value);
    }
};

std::string numbered(const char* pattern, int n)
{
    char name[40];
    std::snprintf(name, sizeof name, pattern, n);
    return name;
}

// "name=factor" of each pair, factors to three decimals (always with a
// point), so a test reads the whole table at once.
std::vector<std::string> pairsOf(const AppSettings& settings)
{
    std::vector<std::string> out;
    for (const CalorieFactor& pair : settings.calorieFactors) {
        char factor[32];
        auto end = std::to_chars(factor, factor + sizeof factor, static_cast<double>(pair.factor),
                                 std::chars_format::fixed, 3);
        out.push_back(pair.sport + "=" + std::string(factor, end.ptr));
    }
    return out;
}

void storePair(MemorySettingsStore& store, int n, const std::string& sport, const std::string& factor)
{
    store.strings[numbered("Calories #%d Sport", n)] = sport;
    store.strings[numbered("Calories #%d Factor", n)] = factor;
}

const std::map<std::string, std::int32_t> kDefaultInts = {
    {"WeekView #Weeks", 1},  {"Selection Display Mode", 1},
    {"Total Period", 0},     {"Graph Period", 0},
    {"Graph Type", 0},       {"Graph Sport", 0},
    {"Color #0", 0x000000},  {"Color #1", 0xFF0000},
    {"Color #2", 0x0000FF},  {"Color #3", 0x007F00},
    {"Color #4", 0xFF00FF},  {"Color #5", 0x000000},
    {"Color #6", 0x3F3F3F},  {"Color #7", 0x5F5F5F},
    {"Color #8", 0x7F7F7F},  {"Color #9", 0x00007F},
    {"Color #10", 0x7F0000}, {"Color #11", 0xFF0000},
    {"Color #12", 0xFF0000}, {"Color #13", 0xFF0000},
    {"Color #14", 0xFF0000}, {"Color #15", 0xFF0000},
    {"Weight Units", 0},     {"FontSize: Printing", 9},
    {"FontSize: Day", 10},   {"FontSize: Week", 8},
};

// ---- a first start -------------------------------------------------------

TEST(FirstStart, writesExactlyTheDefaultsAndNoCalorieOrLogValues)
{
    MemorySettingsStore store;
    loadSettings(store, kWorkArea);

    const std::map<std::string, std::string> expectedStrings = {
        {"Main Window", "10,20,1900,1000"}, {"Calorie Keyword", "Wt"},   {"FontName: Printing", "Courier New"},
        {"FontName: Day", "Arial"},         {"FontName: Week", "Arial"},
    };
    EXPECT_EQ(expectedStrings, store.strings);
    EXPECT_EQ(kDefaultInts, store.ints);
}

TEST(FirstStart, givesEveryFieldItsDefault)
{
    MemorySettingsStore store;
    const AppSettings settings = loadSettings(store, kWorkArea);

    EXPECT_EQ("10,20,1900,1000", settings.mainWindow);
    EXPECT_EQ(1, settings.weekViewWeeks);
    EXPECT_EQ(1, settings.selectionDisplayMode);
    EXPECT_EQ("Wt", settings.calorieKeyword);
    EXPECT_EQ(0.0f, settings.fixedWeight);
    EXPECT_EQ((std::vector<std::string>{"Running=0.653", "Cycling=0.280", "Swimming=2.930", "Default=0.200"}),
              pairsOf(settings));
    EXPECT_EQ(9, settings.fontSizePrinting);
    EXPECT_EQ("Courier New", settings.fontNamePrinting);
    EXPECT_EQ("", settings.defaultLog);
    EXPECT_EQ("", settings.downloadLog);
    for (int n = 0; n < AppSettings::kColorCount; ++n)
        EXPECT_EQ(static_cast<std::uint32_t>(kDefaultInts.at(numbered("Color #%d", n))), settings.sportColors[n])
            << "colour " << n;
}

TEST(FirstStart, defaultSettingsMatchWhatAFirstStartLoads)
{
    MemorySettingsStore store;
    const AppSettings loaded = loadSettings(store, kWorkArea);
    const AppSettings defaults = defaultSettings();

    EXPECT_EQ(loaded.sportColors, defaults.sportColors);
    EXPECT_EQ(pairsOf(loaded), pairsOf(defaults));
    EXPECT_EQ(loaded.fontNameDay, defaults.fontNameDay);
    EXPECT_EQ(loaded.fontSizeWeek, defaults.fontSizeWeek);
}

TEST(SecondStart, writesNothingOnceTheSetIsComplete)
{
    RecordingStore store;
    loadSettings(store, kWorkArea);
    store.written.clear();

    loadSettings(store, ScreenRect{0, 0, 640, 480});

    EXPECT_EQ(std::vector<std::string>{}, store.written);
    EXPECT_EQ("10,20,1900,1000", store.strings.at("Main Window"));
}

// ---- stored values -------------------------------------------------------

TEST(StoredValues, areReadBackWithoutBeingWritten)
{
    RecordingStore store;
    store.strings = {
        {"Main Window", "5,6,700,500"},
        {"Calorie Keyword", "Weight"},
        {"FontName: Printing", "Liberation Mono"},
        {"FontName: Day", "Verdana"},
        {"FontName: Week", "Tahoma"},
        {"Default Log", "/home/ann/logs/run.dat"},
        {"Download Log", "/home/ann/palm/Orvanta/Download.dat"},
    };
    store.ints = {
        {"WeekView #Weeks", 4}, {"Selection Display Mode", 0},
        {"Total Period", 2},    {"Graph Period", 3},
        {"Graph Type", 6},      {"Graph Sport", 2},
        {"Weight Units", 1},    {"FontSize: Printing", 11},
        {"FontSize: Day", 12},  {"FontSize: Week", 7},
    };
    for (int n = 0; n < AppSettings::kColorCount; ++n)
        store.ints[numbered("Color #%d", n)] = 0x010101 * n;
    storePair(store, 1, "Rowing", "0.500000");

    const AppSettings s = loadSettings(store, kWorkArea);

    EXPECT_EQ(std::vector<std::string>{}, store.written);
    EXPECT_EQ("5,6,700,500", s.mainWindow);
    EXPECT_EQ(4, s.weekViewWeeks);
    EXPECT_EQ(0, s.selectionDisplayMode);
    EXPECT_EQ(2, s.totalPeriod);
    EXPECT_EQ(3, s.graphPeriod);
    EXPECT_EQ(6, s.graphType);
    EXPECT_EQ(2, s.graphSport);
    EXPECT_EQ("Weight", s.calorieKeyword);
    EXPECT_EQ(1, s.weightUnits);
    EXPECT_EQ(11, s.fontSizePrinting);
    EXPECT_EQ(12, s.fontSizeDay);
    EXPECT_EQ(7, s.fontSizeWeek);
    EXPECT_EQ("Liberation Mono", s.fontNamePrinting);
    EXPECT_EQ("Verdana", s.fontNameDay);
    EXPECT_EQ("Tahoma", s.fontNameWeek);
    EXPECT_EQ("/home/ann/logs/run.dat", s.defaultLog);
    EXPECT_EQ("/home/ann/palm/Orvanta/Download.dat", s.downloadLog);
    for (int n = 0; n < AppSettings::kColorCount; ++n)
        EXPECT_EQ(static_cast<std::uint32_t>(0x010101 * n), s.sportColors[n]) << "colour " << n;
    EXPECT_EQ(
        (std::vector<std::string>{"Rowing=0.500", "Running=0.653", "Cycling=0.280", "Swimming=2.930", "Default=0.200"}),
        pairsOf(s));
}

TEST(StoredValues, aColourAboveTheSignBitKeepsItsBits)
{
    MemorySettingsStore store;
    store.ints["Color #3"] = -1;
    const AppSettings s = loadSettings(store, kWorkArea);
    EXPECT_EQ(0xFFFFFFFFu, s.sportColors[3]);
}

// A text longer than its buffer holds counts as missing: the default is used
// and written over it. One trailing zero is part of the data, not the text.
struct TextRow {
    const char* name;
    const char* valueName;
    std::string stored;
    std::string AppSettings::*field;
    std::string expected;
    bool replaced;  // the default was written over the stored text
};

// Failures name the row.
void PrintTo(const TextRow& row, std::ostream* out)
{
    *out << row.name;
}

class OverlongText : public ::testing::TestWithParam<TextRow> {};

TEST_P(OverlongText, countsAsMissing)
{
    const TextRow& row = GetParam();
    MemorySettingsStore store;
    store.strings[row.valueName] = row.stored;

    const AppSettings s = loadSettings(store, kWorkArea);

    EXPECT_EQ(row.expected, s.*row.field);
    EXPECT_EQ(row.replaced ? row.expected : row.stored, store.strings.at(row.valueName));
}

const std::string k31(31, 'k');
const std::string k32(32, 'k');

INSTANTIATE_TEST_SUITE_P(
    Settings, OverlongText,
    ::testing::Values(
        TextRow{"keyword31Kept", "Calorie Keyword", k31, &AppSettings::calorieKeyword, k31, false},
        TextRow{"keyword32Replaced", "Calorie Keyword", k32, &AppSettings::calorieKeyword, "Wt", true},
        TextRow{"keyword31WithZeroKept", "Calorie Keyword", k31 + '\0', &AppSettings::calorieKeyword, k31, false},
        TextRow{"keyword32WithZeroReplaced", "Calorie Keyword", k32 + '\0', &AppSettings::calorieKeyword, "Wt", true},
        TextRow{"textEndsAtAZero", "Calorie Keyword", std::string("Wt\0kg", 5), &AppSettings::calorieKeyword, "Wt",
                false},
        TextRow{"fontName32Replaced", "FontName: Day", k32, &AppSettings::fontNameDay, "Arial", true},
        TextRow{"printingFont32Replaced", "FontName: Printing", k32, &AppSettings::fontNamePrinting, "Courier New",
                true},
        TextRow{"mainWindow32Replaced", "Main Window", "1,2,3,4" + std::string(25, ' '), &AppSettings::mainWindow,
                "10,20,1900,1000", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StoredValues, anOverlongLogPathIsIgnoredAndLeftAlone)
{
    MemorySettingsStore store;
    const std::string longPath = "/" + std::string(259, 'p');
    const std::string longestPath = "/" + std::string(258, 'p');
    store.strings["Default Log"] = longPath;
    store.strings["Download Log"] = longestPath;

    const AppSettings s = loadSettings(store, kWorkArea);

    EXPECT_EQ("", s.defaultLog);
    EXPECT_EQ(longPath, store.strings.at("Default Log"));
    EXPECT_EQ(longestPath, s.downloadLog);
}

// ---- the calorie keyword as a fixed weight -------------------------------

struct WeightRow {
    const char* name;
    const char* keyword;
    float weight;
};

void PrintTo(const WeightRow& row, std::ostream* out)
{
    *out << row.name;
}

class FixedWeight : public ::testing::TestWithParam<WeightRow> {};

TEST_P(FixedWeight, isTheKeywordReadAsANumber)
{
    EXPECT_EQ(GetParam().weight, fixedWeightOf(GetParam().keyword));
}

INSTANTIATE_TEST_SUITE_P(
    Keywords, FixedWeight,
    ::testing::Values(WeightRow{"wholeNumber", "150", 150.0f}, WeightRow{"keywordName", "Wt", 0.0f},
                      WeightRow{"numberThenLetters", "72.5kg", 72.5f}, WeightRow{"leadingBlanks", "  80", 80.0f},
                      WeightRow{"pointFirst", ".5", 0.5f}, WeightRow{"exponent", "1e2", 100.0f},
                      WeightRow{"lettersThenNumber", "kg72", 0.0f}, WeightRow{"empty", "", 0.0f},
                      WeightRow{"commaIsNoPoint", "72,5", 72.0f}, WeightRow{"infinityIsNoWeight", "Info", 0.0f}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FixedWeight, followsTheStoredKeyword)
{
    MemorySettingsStore store;
    store.strings["Calorie Keyword"] = "72.5kg";
    EXPECT_EQ(72.5f, loadSettings(store, kWorkArea).fixedWeight);
}

// ---- calorie pairs -------------------------------------------------------

TEST(CaloriePairs, numbersWithGapsArePackedAndStoredBackInOrder)
{
    MemorySettingsStore store;
    loadSettings(store, kWorkArea);
    storePair(store, 1, "Walking", "0.400000");
    storePair(store, 2, "Rowing", "0.500000");
    storePair(store, 5, "Skating", "0.600000");

    const AppSettings s = loadSettings(store, kWorkArea);
    EXPECT_EQ((std::vector<std::string>{"Walking=0.400", "Rowing=0.500", "Skating=0.600", "Running=0.653",
                                        "Cycling=0.280", "Swimming=2.930", "Default=0.200"}),
              pairsOf(s));

    writeSettings(store, s, ScreenRect{0, 0, 800, 600});
    std::vector<std::string> stored;
    for (int n = 1; n <= 8; ++n) {
        auto sport = store.readString(numbered("Calories #%d Sport", n));
        auto factor = store.readString(numbered("Calories #%d Factor", n));
        stored.push_back(sport.value_or("-") + "=" + factor.value_or("-"));
    }
    EXPECT_EQ((std::vector<std::string>{"Walking=0.400000", "Rowing=0.500000", "Skating=0.600000", "Running=0.653000",
                                        "Cycling=0.280000", "Swimming=2.930000", "Default=0.200000", "-=-"}),
              stored);
}

TEST(CaloriePairs, aLowerCaseNameDoesNotStandInForADefault)
{
    MemorySettingsStore store;
    storePair(store, 1, "running", "0.700000");
    storePair(store, 2, "Default", "0.300000");

    const AppSettings s = loadSettings(store, kWorkArea);

    EXPECT_EQ((std::vector<std::string>{"running=0.700", "Default=0.300", "Running=0.653", "Cycling=0.280",
                                        "Swimming=2.930"}),
              pairsOf(s));
    EXPECT_EQ((std::vector<std::string>{"running", "Default", "Running", "Cycling", "Swimming"}),
              s.calorieSportNames());
}

TEST(CaloriePairs, aMissingOrBrokenFactorIsZero)
{
    MemorySettingsStore store;
    store.strings["Calories #1 Sport"] = "Hiking";
    storePair(store, 2, "Rowing", "abc");
    storePair(store, 3, "Skiing", "0.65300000000000");  // 16 characters: longer than its buffer
    storePair(store, 4, "Skating", "0.6530000000000");  // 15 characters: fits

    const AppSettings s = loadSettings(store, kWorkArea);

    EXPECT_EQ((std::vector<std::string>{"Hiking=0.000", "Rowing=0.000", "Skiing=0.000", "Skating=0.653",
                                        "Running=0.653", "Cycling=0.280", "Swimming=2.930", "Default=0.200"}),
              pairsOf(s));
}

TEST(CaloriePairs, anOverlongSportNameIsSkipped)
{
    MemorySettingsStore store;
    storePair(store, 1, std::string(32, 's'), "0.100000");
    storePair(store, 2, std::string(31, 't'), "0.200000");

    const AppSettings s = loadSettings(store, kWorkArea);

    EXPECT_EQ(std::string(31, 't') + "=0.200", pairsOf(s).at(0));
    EXPECT_EQ(5u, s.calorieFactors.size());
}

TEST(CaloriePairs, aFullTableTakesNoDefaults)
{
    MemorySettingsStore store;
    for (int n = 1; n <= 33; ++n)
        storePair(store, n, "Sport " + std::to_string(n), "1.000000");

    const AppSettings s = loadSettings(store, kWorkArea);

    ASSERT_EQ(32u, s.calorieFactors.size());
    EXPECT_EQ("Sport 1", s.calorieFactors.front().sport);
    EXPECT_EQ("Sport 32", s.calorieFactors.back().sport);
}

// ---- the main window's rectangle -----------------------------------------

struct RectRow {
    const char* name;
    const char* text;
    ScreenRect expected;
};

void PrintTo(const RectRow& row, std::ostream* out)
{
    *out << row.name;
}

class MainWindowRect : public ::testing::TestWithParam<RectRow> {};

TEST_P(MainWindowRect, isParsedOrFallsBack)
{
    AppSettings s;
    s.mainWindow = GetParam().text;
    const ScreenRect got = s.mainWindowRect(ScreenRect{1, 2, 3, 4});
    const ScreenRect& want = GetParam().expected;
    EXPECT_EQ((std::vector<int>{want.x, want.y, want.width, want.height}),
              (std::vector<int>{got.x, got.y, got.width, got.height}));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MainWindowRect,
    ::testing::Values(RectRow{"plain", "10,20,800,600", {10, 20, 800, 600}},
                      RectRow{"leftOfThePrimaryScreen", "-1920,-8,1920,1080", {-1920, -8, 1920, 1080}},
                      RectRow{"blanksBeforeNumbers", " 10, 20, 800, 600", {10, 20, 800, 600}},
                      RectRow{"trailingTextIgnored", "10,20,800,600 max", {10, 20, 800, 600}},
                      RectRow{"plusSign", "+10,20,800,600", {10, 20, 800, 600}},
                      RectRow{"threeNumbers", "10,20,800", {1, 2, 3, 4}},
                      RectRow{"blankBeforeComma", "10 ,20,800,600", {1, 2, 3, 4}},
                      RectRow{"letters", "a,b,c,d", {1, 2, 3, 4}}, RectRow{"empty", "", {1, 2, 3, 4}},
                      RectRow{"noArea", "0,0,0,600", {1, 2, 3, 4}},
                      RectRow{"negativeHeight", "0,0,800,-600", {1, 2, 3, 4}},
                      RectRow{"beyond32Bits", "0,0,99999999999,600", {1, 2, 3, 4}},
                      RectRow{"doubleSign", "+-10,20,800,600", {1, 2, 3, 4}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MainWindowRect, fallsBackToAWindowWithAreaByDefault)
{
    AppSettings s;
    s.mainWindow = "garbage";
    const ScreenRect got = s.mainWindowRect();
    EXPECT_GT(got.width, 0);
    EXPECT_GT(got.height, 0);
}

// ---- writing back --------------------------------------------------------

AppSettings changedSettings()
{
    AppSettings s = defaultSettings();
    s.mainWindow = "1,1,1,1";  // not written: the window's rectangle is
    s.weekViewWeeks = 4;
    s.selectionDisplayMode = 0;
    s.totalPeriod = 1;
    s.graphPeriod = 7;
    s.graphType = 5;
    s.graphSport = 3;
    s.sportColors[4] = 0x123456;
    s.calorieKeyword = "80";
    s.fixedWeight = 80.0f;
    s.weightUnits = 2;
    s.calorieFactors = {{"Walking", 0.45f}, {"Default", 0.25f}};
    s.fontSizePrinting = 10;
    s.fontSizeDay = 14;
    s.fontSizeWeek = 9;
    s.fontNamePrinting = "Liberation Mono";
    s.fontNameDay = "Liberation Sans";
    s.fontNameWeek = "DejaVu Sans";
    s.downloadLog = "/home/ann/palm/Orvanta/Download.dat";
    return s;
}

TEST(WriteSettings, writesEveryValueInOrder)
{
    RecordingStore store;
    store.keyExists = true;
    writeSettings(store, changedSettings(), ScreenRect{5, 6, 700, 500});

    std::vector<std::string> expected = {"Main Window",  "Download Log", "WeekView #Weeks", "Selection Display Mode",
                                         "Total Period", "Graph Period", "Graph Type",      "Graph Sport"};
    for (int n = 0; n < 16; ++n)
        expected.push_back(numbered("Color #%d", n));
    for (const char* name : {"Calories #1 Sport", "Calories #1 Factor", "Calories #2 Sport", "Calories #2 Factor",
                             "Calorie Keyword", "Weight Units", "FontSize: Printing", "FontSize: Day", "FontSize: Week",
                             "FontName: Printing", "FontName: Day", "FontName: Week"})
        expected.push_back(name);
    EXPECT_EQ(expected, store.written);
}

TEST(WriteSettings, storesTheNormalRectangleAndFactorsAsPercentF)
{
    MemorySettingsStore store;
    store.keyExists = true;
    writeSettings(store, changedSettings(), ScreenRect{-5, 6, 700, 500});

    EXPECT_EQ("-5,6,700,500", store.strings.at("Main Window"));
    EXPECT_EQ("0.450000", store.strings.at("Calories #1 Factor"));
    EXPECT_EQ("0.250000", store.strings.at("Calories #2 Factor"));
    EXPECT_EQ(0x123456, store.ints.at("Color #4"));
    EXPECT_EQ("80", store.strings.at("Calorie Keyword"));
}

TEST(WriteSettings, leavesTheDownloadLogOutWhenEmpty)
{
    RecordingStore store;
    store.keyExists = true;
    store.strings["Download Log"] = "/old/Download.dat";
    AppSettings s = changedSettings();
    s.downloadLog.clear();

    writeSettings(store, s, ScreenRect{0, 0, 800, 600});

    EXPECT_EQ(0, std::count(store.written.begin(), store.written.end(), "Download Log"));
    EXPECT_EQ("/old/Download.dat", store.strings.at("Download Log"));
}

TEST(WriteSettings, writesNothingWhenTheKeyIsMissing)
{
    RecordingStore store;
    writeSettings(store, changedSettings(), ScreenRect{0, 0, 800, 600});
    EXPECT_EQ(std::vector<std::string>{}, store.written);
}

TEST(WriteSettings, numbersPairsByPositionAndKeepsHigherNumbers)
{
    MemorySettingsStore store;
    store.keyExists = true;
    storePair(store, 9, "Old", "1.000000");
    AppSettings s = changedSettings();
    s.calorieFactors = {{"Walking", 0.45f}, {"", 0.5f}, {"Default", 0.25f}};

    writeSettings(store, s, ScreenRect{0, 0, 800, 600});

    EXPECT_EQ("Walking", store.strings.at("Calories #1 Sport"));
    EXPECT_EQ(0u, store.strings.count("Calories #2 Sport"));
    EXPECT_EQ("Default", store.strings.at("Calories #3 Sport"));
    EXPECT_EQ("Old", store.strings.at("Calories #9 Sport"));
}

TEST(WriteSettings, whatIsWrittenLoadsBackTheSame)
{
    MemorySettingsStore store;
    store.keyExists = true;
    const AppSettings written = changedSettings();
    writeSettings(store, written, ScreenRect{5, 6, 700, 500});

    const AppSettings read = loadSettings(store, kWorkArea);

    EXPECT_EQ("5,6,700,500", read.mainWindow);
    EXPECT_EQ(written.weekViewWeeks, read.weekViewWeeks);
    EXPECT_EQ(written.selectionDisplayMode, read.selectionDisplayMode);
    EXPECT_EQ(written.totalPeriod, read.totalPeriod);
    EXPECT_EQ(written.graphPeriod, read.graphPeriod);
    EXPECT_EQ(written.graphType, read.graphType);
    EXPECT_EQ(written.graphSport, read.graphSport);
    EXPECT_EQ(written.sportColors, read.sportColors);
    EXPECT_EQ(written.calorieKeyword, read.calorieKeyword);
    EXPECT_EQ(80.0f, read.fixedWeight);
    EXPECT_EQ(written.weightUnits, read.weightUnits);
    EXPECT_EQ((std::vector<std::string>{"Walking=0.450", "Default=0.250", "Running=0.653", "Cycling=0.280",
                                        "Swimming=2.930"}),
              pairsOf(read));
    EXPECT_EQ(written.fontSizePrinting, read.fontSizePrinting);
    EXPECT_EQ(written.fontSizeDay, read.fontSizeDay);
    EXPECT_EQ(written.fontSizeWeek, read.fontSizeWeek);
    EXPECT_EQ(written.fontNamePrinting, read.fontNamePrinting);
    EXPECT_EQ(written.fontNameDay, read.fontNameDay);
    EXPECT_EQ(written.fontNameWeek, read.fontNameWeek);
    EXPECT_EQ(written.downloadLog, read.downloadLog);
    EXPECT_EQ("", read.defaultLog);
}

// ---- numbers keep their point in a comma-decimal locale -----------------

class CommaLocale : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_saved = std::setlocale(LC_NUMERIC, nullptr);
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "de_DE", "fr_FR"}) {
            if (std::setlocale(LC_NUMERIC, name)) {
                m_active = true;
                break;
            }
        }
        if (!m_active)
            GTEST_SKIP() << "no comma-decimal locale is installed";
    }
    void TearDown() override { std::setlocale(LC_NUMERIC, m_saved.c_str()); }

private:
    std::string m_saved;
    bool m_active = false;
};

TEST_F(CommaLocale, factorsAndWeightsKeepTheirPoint)
{
    EXPECT_EQ(72.5f, fixedWeightOf("72.5kg"));
    MemorySettingsStore store;
    store.keyExists = true;
    AppSettings s = defaultSettings();
    writeSettings(store, s, ScreenRect{0, 0, 800, 600});
    EXPECT_EQ("0.653000", store.strings.at("Calories #1 Factor"));
    EXPECT_EQ("Running=0.653", pairsOf(loadSettings(store, kWorkArea)).at(0));
}

}  // namespace
