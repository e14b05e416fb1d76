// Unit letters, pace unit names, conversions through miles and reading the
// number at the start of a distance text.

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "values/time_value.h"
#include "values/units.h"

namespace {

struct UnitRow {
    const char* name;
    DistanceUnit unit;
    char letter;
};

void PrintTo(const UnitRow& row, std::ostream* os)
{
    *os << row.name;
}

class UnitSuffixTable : public ::testing::TestWithParam<UnitRow> {};

TEST_P(UnitSuffixTable, writesTheUnitsLetter)
{
    EXPECT_EQ(GetParam().letter, unitSuffix(GetParam().unit));
}

INSTANTIATE_TEST_SUITE_P(
    Units, UnitSuffixTable,
    ::testing::Values(UnitRow{"none", DistanceUnit::None, ' '}, UnitRow{"miles", DistanceUnit::Miles, 'M'},
                      UnitRow{"kilometers", DistanceUnit::Kilometers, 'K'}, UnitRow{"yards", DistanceUnit::Yards, 'Y'},
                      UnitRow{"meters", DistanceUnit::Meters, 'm'}, UnitRow{"feetHasNoLetter", DistanceUnit::Feet, ' '},
                      UnitRow{"unknownHasNoLetter", static_cast<DistanceUnit>(9), ' '}),
    [](const auto& info) { return std::string(info.param.name); });

class UnitFromSuffixTable : public ::testing::TestWithParam<UnitRow> {};

TEST_P(UnitFromSuffixTable, readsTheUnitFromItsLetter)
{
    EXPECT_EQ(static_cast<int>(GetParam().unit), static_cast<int>(unitFromSuffix(GetParam().letter)));
}

INSTANTIATE_TEST_SUITE_P(
    Units, UnitFromSuffixTable,
    ::testing::Values(UnitRow{"upperK", DistanceUnit::Kilometers, 'K'}, UnitRow{"upperM", DistanceUnit::Miles, 'M'},
                      UnitRow{"upperY", DistanceUnit::Yards, 'Y'}, UnitRow{"lowerMIsMeters", DistanceUnit::Meters, 'm'},
                      UnitRow{"lowerKIsNothing", DistanceUnit::None, 'k'},
                      UnitRow{"lowerYIsNothing", DistanceUnit::None, 'y'}, UnitRow{"blank", DistanceUnit::None, ' '},
                      UnitRow{"digit", DistanceUnit::None, '5'}, UnitRow{"feetLetterUnknown", DistanceUnit::None, 'F'}),
    [](const auto& info) { return std::string(info.param.name); });

struct UnitWordRow {
    const char* name;
    DistanceUnit unit;
    const char* word;
};

void PrintTo(const UnitWordRow& row, std::ostream* os)
{
    *os << row.name;
}

class DistanceUnitWordTable : public ::testing::TestWithParam<UnitWordRow> {};

TEST_P(DistanceUnitWordTable, namesTheSportsDistances)
{
    EXPECT_EQ(std::string(GetParam().word), std::string(distanceUnitWord(GetParam().unit)));
}

INSTANTIATE_TEST_SUITE_P(
    Units, DistanceUnitWordTable,
    ::testing::Values(UnitWordRow{"miles", DistanceUnit::Miles, "miles"},
                      UnitWordRow{"kilometers", DistanceUnit::Kilometers, "km"},
                      UnitWordRow{"yards", DistanceUnit::Yards, "yards"},
                      UnitWordRow{"meters", DistanceUnit::Meters, "meters"},
                      UnitWordRow{"noneIsEmpty", DistanceUnit::None, ""},
                      UnitWordRow{"feetIsEmpty", DistanceUnit::Feet, ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct PaceNameRow {
    const char* name;
    PaceUnit unit;
    const char* text;
};

void PrintTo(const PaceNameRow& row, std::ostream* os)
{
    *os << row.name;
}

class PaceUnitNameTable : public ::testing::TestWithParam<PaceNameRow> {};

TEST_P(PaceUnitNameTable, writesThreeCharacters)
{
    EXPECT_EQ(std::string(GetParam().text), std::string(paceUnitName(GetParam().unit)));
}

INSTANTIATE_TEST_SUITE_P(Units, PaceUnitNameTable,
                         ::testing::Values(PaceNameRow{"none", PaceUnit::None, "   "},
                                           PaceNameRow{"minPerMile", PaceUnit::MinPerMile, "mpm"},
                                           PaceNameRow{"minPerKm", PaceUnit::MinPerKm, "mpk"},
                                           PaceNameRow{"milesPerHour", PaceUnit::MilesPerHour, "mph"},
                                           PaceNameRow{"kmPerHour", PaceUnit::KmPerHour, "kph"},
                                           PaceNameRow{"secPer100Yards", PaceUnit::SecPer100Yards, "???"},
                                           PaceNameRow{"secPer100Meters", PaceUnit::SecPer100Meters, "???"},
                                           PaceNameRow{"unknown", static_cast<PaceUnit>(7), "???"}),
                         [](const auto& info) { return std::string(info.param.name); });

class PaceUnitFromNameTable : public ::testing::TestWithParam<PaceNameRow> {};

TEST_P(PaceUnitFromNameTable, readsTheFirstThreeCharacters)
{
    EXPECT_EQ(static_cast<int>(GetParam().unit), static_cast<int>(paceUnitFromName(GetParam().text)));
}

INSTANTIATE_TEST_SUITE_P(
    Units, PaceUnitFromNameTable,
    ::testing::Values(PaceNameRow{"mpm", PaceUnit::MinPerMile, "mpm"}, PaceNameRow{"mpk", PaceUnit::MinPerKm, "mpk"},
                      PaceNameRow{"mph", PaceUnit::MilesPerHour, "mph"}, PaceNameRow{"kph", PaceUnit::KmPerHour, "kph"},
                      PaceNameRow{"longerTextUsesFirstThree", PaceUnit::KmPerHour, "kphx"},
                      PaceNameRow{"empty", PaceUnit::None, ""}, PaceNameRow{"threeBlanks", PaceUnit::None, "   "},
                      PaceNameRow{"swimmingMarks", PaceUnit::None, "???"},
                      PaceNameRow{"tooShort", PaceUnit::None, "mp"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ConversionRow {
    const char* name;
    DistanceUnit unit;
    float inUnit;
    float miles;
};

void PrintTo(const ConversionRow& row, std::ostream* os)
{
    *os << row.name;
}

class ConversionTable : public ::testing::TestWithParam<ConversionRow> {};

TEST_P(ConversionTable, toMilesAndBack)
{
    const auto& r = GetParam();
    EXPECT_NEAR(r.miles, toMiles(r.inUnit, r.unit), 1e-5f * r.miles);
    EXPECT_NEAR(r.inUnit, fromMiles(r.miles, r.unit), 1e-5f * r.inUnit);
}

INSTANTIATE_TEST_SUITE_P(Units, ConversionTable,
                         ::testing::Values(ConversionRow{"kilometers", DistanceUnit::Kilometers, 10.0f, 6.2137119f},
                                           ConversionRow{"yards", DistanceUnit::Yards, 1760.0f, 1.0f},
                                           ConversionRow{"meters", DistanceUnit::Meters, 1609.344f, 1.0f},
                                           ConversionRow{"feet", DistanceUnit::Feet, 5280.0f, 1.0f},
                                           ConversionRow{"milesUnchanged", DistanceUnit::Miles, 6.2f, 6.2f},
                                           ConversionRow{"noneUnchanged", DistanceUnit::None, 3.5f, 3.5f}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Conversion, kilometresToYardsGoesThroughMiles)
{
    EXPECT_NEAR(1093.6133f, fromMiles(toMiles(1.0f, DistanceUnit::Kilometers), DistanceUnit::Yards), 1e-2f);
    EXPECT_NEAR(6.2137119f, fromMiles(toMiles(10.0f, DistanceUnit::Kilometers), DistanceUnit::Miles), 1e-5f);
}

struct NumberRow {
    const char* name;
    const char* text;
    float value;
};

void PrintTo(const NumberRow& row, std::ostream* os)
{
    *os << row.name;
}

class ReadNumberTable : public ::testing::TestWithParam<NumberRow> {};

TEST_P(ReadNumberTable, readsTheLeadingNumber)
{
    EXPECT_NEAR(GetParam().value, readNumber(GetParam().text), 1e-6f);
}

INSTANTIATE_TEST_SUITE_P(Units, ReadNumberTable,
                         ::testing::Values(NumberRow{"withUnitLetter", "5.2K", 5.2f},
                                           NumberRow{"approximate", "~6.2", 6.2f},
                                           NumberRow{"approximateWithUnit", "~10K", 10.0f},
                                           NumberRow{"integer", "13", 13.0f}, NumberRow{"leadingBlank", " 3.5", 3.5f},
                                           NumberRow{"empty", "", 0.0f}, NumberRow{"noNumber", "abc", 0.0f},
                                           NumberRow{"approximateMarkOnly", "~", 0.0f}),
                         [](const auto& info) { return std::string(info.param.name); });

// The desktop program runs with the user's locale; numbers in log texts must
// still use a point. When no comma-decimal locale is installed one is compiled
// into a folder of the test's own.
class CommaLocale : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_saved = std::setlocale(LC_NUMERIC, nullptr);
        if (!useCommaLocale() && compileLocale())
            useCommaLocale();
        if (!m_active)
            GTEST_SKIP() << "no comma-decimal locale could be had";
        ASSERT_EQ(',', *std::localeconv()->decimal_point);
    }
    void TearDown() override
    {
        std::setlocale(LC_NUMERIC, m_saved.c_str());
        if (!m_localeDir.empty()) {
            unsetenv("LOCPATH");
            std::error_code ec;
            std::filesystem::remove_all(m_localeDir, ec);
        }
    }

private:
    bool useCommaLocale()
    {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "de_DE", "fr_FR"}) {
            if (std::setlocale(LC_NUMERIC, name)) {
                m_active = true;
                return true;
            }
        }
        return false;
    }
    bool compileLocale()
    {
        std::string pattern = ::testing::TempDir() + "orv-locale-XXXXXX";
        std::vector<char> buf(pattern.begin(), pattern.end());
        buf.push_back('\0');
        if (!mkdtemp(buf.data()))
            return false;
        m_localeDir = buf.data();
        const std::string command = "localedef -i de_DE -f UTF-8 '" + m_localeDir + "/de_DE.UTF-8' >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0)
            return false;
        setenv("LOCPATH", m_localeDir.c_str(), 1);
        return true;
    }

    std::string m_saved;
    std::string m_localeDir;
    bool m_active = false;
};

// Reading never follows the locale. (Writing relies on the program setting
// LC_NUMERIC back to "C" at start-up, so it is not checked here.)
TEST_F(CommaLocale, readingNumbersIgnoresTheLocale)
{
    EXPECT_NEAR(5.2f, readNumber("5.2K"), 1e-6f);
    EXPECT_NEAR(45.5f + 0.5f / 60.0f, parseTime(std::string_view("45:30.5")), 1e-5f);
    std::string mph = "7.5";
    EXPECT_NEAR(8.0f, minutesPerMile(mph, PaceUnit::MilesPerHour), 1e-5f);
    std::string kph = "~12.5";
    EXPECT_NEAR(96.56064f / 12.5f, minutesPerMile(kph, PaceUnit::KmPerHour), 1e-5f);
}


// Short numbers are read without from_chars: every one must come out as the
// very float from_chars gives, bit for bit, or distances would change.
float byFromChars(std::string_view text)
{
    float value = 0.0f;
    if (std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general).ec != std::errc())
        return 0.0f;
    return value;
}

std::uint32_t bitsOf(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

TEST(ReadNumber, shortNumbersAreTheFloatFromCharsGives)
{
    // Numbers of up to five digits with the point anywhere among them.
    char text[16];
    for (int digits = 1; digits <= 5; ++digits) {
        int limit = 1;
        for (int k = 0; k < digits; ++k)
            limit *= 10;
        for (int value = 0; value < limit; value += 1 + value / 997) {
            for (int point = 0; point <= digits; ++point) {
                std::snprintf(text, sizeof text, "%0*d", digits, value);
                std::string number(text);
                number.insert(static_cast<std::size_t>(point), ".");
                ASSERT_EQ(bitsOf(byFromChars(number)), bitsOf(readNumber(number))) << number;
            }
        }
    }
}

struct FromCharsRow {
    const char* name;
    const char* text;
};

void PrintTo(const FromCharsRow& row, std::ostream* os)
{
    *os << row.name;
}

class FromCharsTable : public ::testing::TestWithParam<FromCharsRow> {};

TEST_P(FromCharsTable, readsAsFromCharsDoes)
{
    const std::string_view text = GetParam().text;
    std::string_view number = text;
    bool negative = false;
    if (!number.empty() && number[0] == '~')
        number.remove_prefix(1);
    if (!number.empty() && (number[0] == '-' || number[0] == '+')) {
        negative = number[0] == '-';
        number.remove_prefix(1);
    }
    const float expected = negative ? -byFromChars(number) : byFromChars(number);
    EXPECT_EQ(bitsOf(expected), bitsOf(readNumber(text)));
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, FromCharsTable,
    ::testing::Values(FromCharsRow{"unitAfterTheNumber", "26.2M"}, FromCharsRow{"sevenDigits", "1234567"},
                      FromCharsRow{"eightDigits", "12345678"}, FromCharsRow{"sevenDecimals", ".1234567"},
                      FromCharsRow{"eightDecimals", "0.12345678"}, FromCharsRow{"exponent", "5e3"},
                      FromCharsRow{"exponentAfterPoint", "2.5E-1"}, FromCharsRow{"bareE", "7e"},
                      FromCharsRow{"secondPointEnds", "12.5.3"}, FromCharsRow{"trailingPoint", "7."},
                      FromCharsRow{"approximate", "~13.1"}, FromCharsRow{"negativeZero", "-0"},
                      FromCharsRow{"leadingZeros", "0000000001.5"}, FromCharsRow{"pointAlone", "."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
