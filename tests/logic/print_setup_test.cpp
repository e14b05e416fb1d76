// Which pages print, and which pages a job prints after the print dialog.

#include <gtest/gtest.h>

#include "shell/logic/print_setup.h"

namespace {

TEST(PrintSetup, theSelectPage_doesNotPrint)
{
    EXPECT_FALSE(printDialogSetup(6, 0).has_value());
    EXPECT_FALSE(printDialogSetup(7, 0).has_value());
}

TEST(PrintSetup, theDayPageWithoutAnEntryOnShow_startsAtPageOne)
{
    EXPECT_EQ(printDialogSetup(2, -1)->firstPage, 1);
}

struct PagesCase {
    const char* name;
    int page;
    bool rangeChosen;
    int from, to;
    int first, last;
};

class PagesAfterDialog : public ::testing::TestWithParam<PagesCase> {};

TEST_P(PagesAfterDialog, followTheChoice)
{
    const PagesCase& c = GetParam();
    const PrintPages pages = pagesToPrint(*printDialogSetup(c.page, 4), c.rangeChosen, c.from, c.to);
    EXPECT_EQ(pages.first, c.first);
    EXPECT_EQ(pages.last, c.last);
}

INSTANTIATE_TEST_SUITE_P(Choices, PagesAfterDialog,
                         ::testing::Values(PagesCase{"log_all_printsEveryPage", 1, false, 1, 1, 1, 9999},
                                           PagesCase{"log_range2to2", 1, true, 2, 2, 2, 2},
                                           PagesCase{"day_all_printsFromTheEntryOnShowToTheLast", 2, false, 5, 5, 5,
                                                     9999},
                                           PagesCase{"day_rangeAsChosen", 2, true, 2, 7, 2, 7},
                                           PagesCase{"totals_rangeZeroToZeroMeansAll", 4, true, 0, 0, 1, 9999},
                                           PagesCase{"week_rangeCannotBeChosen", 3, true, 3, 4, 1, 9999},
                                           PagesCase{"log_rangeBackwards_printsItsFirstPage", 1, true, 5, 3, 5, 5}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
