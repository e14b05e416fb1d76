// The compact text of the long fields: the same limits as the fixed-width
// field it replaced, whether the text sits inside the record or outside it.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "values/compact_text.h"
#include "values/fixed_text.h"

namespace {

using Text = CompactText<512>;
constexpr std::size_t kLocal = Text::localCapacity;

struct CutCase {
    const char* name;
    std::string source;
};

class CompactTextCut : public testing::TestWithParam<CutCase> {};

// Every length around the two edges, with and without a NUL inside, keeps
// exactly what the fixed-width field kept.
TEST_P(CompactTextCut, keepsWhatTheFixedFieldKept)
{
    const std::string& source = GetParam().source;
    FixedText<512> fixed(source);
    Text compact(source);
    EXPECT_EQ(compact.view(), fixed.view());
    EXPECT_EQ(compact.size(), fixed.size());
    EXPECT_STREQ(compact.c_str(), fixed.c_str());
    EXPECT_EQ(compact[compact.size()], '\0');

    Text plain;
    plain.setPlain(source.substr(0, source.find('\0')));
    EXPECT_EQ(plain.view(), fixed.view());
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, CompactTextCut,
    testing::Values(CutCase{"empty", ""}, CutCase{"short", "River loop"},
                    CutCase{"fillsTheRecord", std::string(kLocal, 'a')},
                    CutCase{"oneOverTheRecord", std::string(kLocal + 1, 'b')},
                    CutCase{"widthLessOne", std::string(511, 'c')}, CutCase{"width", std::string(512, 'd')},
                    CutCase{"farOverTheWidth", std::string(5000, 'e')},
                    CutCase{"nulInsideALongText", std::string(100, 'f') + '\0' + std::string(100, 'g')},
                    CutCase{"nulFirst", std::string(1, '\0') + "hidden"}),
    [](const testing::TestParamInfo<CutCase>& info) { return std::string(info.param.name); });

TEST(CompactText, copiesAreIndependentOfTheirSource)
{
    Text longText(std::string(300, 'x'));
    Text copy = longText;
    longText = "short";
    EXPECT_EQ(copy.view(), std::string(300, 'x'));
    EXPECT_EQ(longText.view(), "short");

    Text assigned;
    assigned = copy;
    copy.clear();
    EXPECT_EQ(assigned.view(), std::string(300, 'x'));
    EXPECT_TRUE(copy.empty());
}

TEST(CompactText, movingHandsOverTheTextAndLeavesAnEmptyOne)
{
    Text source(std::string(200, 'm'));
    Text target(std::string(400, 'n'));
    target = std::move(source);
    EXPECT_EQ(target.view(), std::string(200, 'm'));
    EXPECT_TRUE(source.empty());  // NOLINT: a moved-from text is empty and usable
    source = std::string(450, 'o');
    EXPECT_EQ(source.view(), std::string(450, 'o'));

    Text built(std::move(target));
    EXPECT_EQ(built.view(), std::string(200, 'm'));
}

TEST(CompactText, growingShrinkingAndGrowingAgainKeepsEachText)
{
    Text text;
    for (std::size_t length : {60u, 10u, 500u, 0u, 130u, 511u, 52u}) {
        text = std::string(length, static_cast<char>('a' + length % 26));
        EXPECT_EQ(text.view(), std::string(length, static_cast<char>('a' + length % 26))) << length;
    }
}

TEST(CompactText, settingAPartOfItsOwnTextKeepsThatPart)
{
    Text text(std::string(100, 'p') + std::string(100, 'q'));
    text = text.view().substr(50, 120);
    EXPECT_EQ(text.view(), std::string(50, 'p') + std::string(70, 'q'));
    text = text.view().substr(100);
    EXPECT_EQ(text.view(), std::string(20, 'q'));
}

TEST(CompactText, aLongFieldTakesFarLessRoomThanItsWidth)
{
    EXPECT_LE(sizeof(Text), 64u);
    EXPECT_EQ(Text::capacity, FixedText<512>::capacity);
}

}  // namespace
