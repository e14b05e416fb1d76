// How a confirmed font choice is kept: whole points, faces cut to 31 characters.

#include <gtest/gtest.h>

#include "shell/logic/font_choice.h"

namespace {

struct SizeCase {
    const char* name;
    int tenths;
    int kept;
};

class FontChoiceSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(FontChoiceSize, keepsWholePoints)
{
    AppSettings settings = defaultSettings();
    storeFontChoice(settings, FontSlot::Printing, "Liberation Mono", GetParam().tenths);
    EXPECT_EQ(settings.fontSizePrinting, GetParam().kept);
    EXPECT_EQ(settings.fontNamePrinting, "Liberation Mono");
    EXPECT_EQ(settings.fontSizeDay, 10) << "the other slots stay";
    EXPECT_EQ(settings.fontSizeWeek, 8);
}

INSTANTIATE_TEST_SUITE_P(Sizes, FontChoiceSize,
                         ::testing::Values(SizeCase{"eleven_and_a_half", 115, 11}, SizeCase{"nine", 90, 9},
                                           SizeCase{"just_under_ten", 99, 9}, SizeCase{"one", 10, 1},
                                           SizeCase{"below_one_point_keeps_the_old_size", 5, 9}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FontChoice, eachSlotHasItsOwnFields_andFacesAreCut)
{
    AppSettings settings = defaultSettings();
    storeFontChoice(settings, FontSlot::Day, std::string(40, 'x'), 120);
    storeFontChoice(settings, FontSlot::Week, "DejaVu Serif", 70);
    EXPECT_EQ(settings.fontNameDay, std::string(31, 'x'));
    EXPECT_EQ(settings.fontSizeDay, 12);
    EXPECT_EQ(fontSetting(settings, FontSlot::Week).face, "DejaVu Serif");
    EXPECT_EQ(fontSetting(settings, FontSlot::Week).pointSize, 7);
    EXPECT_EQ(fontSetting(settings, FontSlot::Printing).face, "Courier New");
    EXPECT_TRUE(fixedPitchOnly(FontSlot::Printing));
    EXPECT_FALSE(fixedPitchOnly(FontSlot::Day));
}

}  // namespace
