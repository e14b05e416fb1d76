// Which pages print, how the print dialog's range starts on each, and which
// pages a job prints after the dialog.

#include <gtest/gtest.h>

#include "shell/logic/print_setup.h"

namespace {

struct SetupCase {
    const char* name;
    int page;
    bool rangeChoice;
    bool rangePreselected;
    int first;
};

class PrintSetupByPage : public ::testing::TestWithParam<SetupCase> {};

TEST_P(PrintSetupByPage, startsTheDialogAndTheRange)
{
    const SetupCase& c = GetParam();
    const std::optional<PrintDialogSetup> setup = printDialogSetup(c.page, 41);
    ASSERT_TRUE(setup.has_value());
    EXPECT_EQ(setup->rangeChoice, c.rangeChoice);
    EXPECT_EQ(setup->rangePreselected, c.rangePreselected);
    EXPECT_EQ(setup->firstPage, c.first);
    EXPECT_EQ(setup->lastPage, c.first);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PrintSetupByPage,
    ::testing::Values(SetupCase{"dataEntry", 0, true, false, 1}, SetupCase{"log", 1, true, false, 1},
                      SetupCase{"day_startsAtTheEntryOnShow", 2, true, true, 42}, SetupCase{"week", 3, false, false, 1},
                      SetupCase{"totals", 4, true, false, 1}, SetupCase{"graph", 5, false, false, 1}),
    [](const auto& info) { return std::string(info.param.name); });

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
