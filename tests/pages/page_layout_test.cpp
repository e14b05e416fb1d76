// The page arithmetic: where controls go for a client size, and the values
// the pages start from.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "shell/logic/page_layout.h"

namespace {

PixelRect rect(int x, int y, int w, int h)
{
    return {x, y, w, h};
}

// ---- Data Entry --------------------------------------------------------

TEST(DataEntryGeometry, clientHeight480_boxesAreHundredHighAndButtonsBelowThem)
{
    const DataEntryGeometry g = dataEntryGeometry(640, 480);
    EXPECT_EQ(entryBoxHeight(480), 100);
    EXPECT_EQ(g.route, rect(80, 75, 550, 100));
    EXPECT_EQ(g.comment, rect(80, 195, 550, 100));
    EXPECT_EQ(g.keywordButton, rect(62, 228, 12, 12));
    EXPECT_EQ(g.save, rect(280, 305, 80, 30));
    EXPECT_EQ(g.clear, rect(20, 305, 80, 30));
    EXPECT_EQ(g.recent, rect(8, 364, 624, 96));
    EXPECT_EQ(g.keywordButtonTop, 228);
    EXPECT_EQ(g.autofillButtonTop, 125);
    EXPECT_EQ(g.autofillButton, rect(62, 123, 12, 12));
    EXPECT_EQ(g.listWidth, 624);
}

TEST(DataEntryGeometry, fixedControlsDoNotMoveWithTheSize)
{
    for (const auto& [cw, ch] : {std::pair{640, 480}, std::pair{1024, 700}, std::pair{300, 200}}) {
        const DataEntryGeometry g = dataEntryGeometry(cw, ch);
        EXPECT_EQ(g.date, rect(46, 5, 120, 24));
        EXPECT_EQ(g.sport, rect(225, 5, 160, 180));
        EXPECT_EQ(g.category, rect(470, 5, 100, 180));
        EXPECT_EQ(g.distance, rect(72, 43, 95, 20));
        EXPECT_EQ(g.units, rect(175, 41, 70, 180));
        EXPECT_EQ(g.time, rect(295, 43, 90, 20));
        EXPECT_EQ(g.pace, rect(440, 43, 90, 20));
    }
}

TEST(DataEntryGeometry, halvingTruncatesTowardZero)
{
    struct Row {
        const char* name;
        int cw, ch;
        int boxHeight, saveX;
    };
    const Row rows[] = {
        {"oddWidthAndHeight", 641, 481, 100, 280},
        {"tallWindow", 800, 600, 160, 360},
        // Below 280 pixels the boxes get a negative height; -79 / 2 is -39, not -40.
        {"tooShortOddHeight", 301, 201, -39, 110},
        {"tooShortEvenHeight", 300, 200, -40, 110},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const DataEntryGeometry g = dataEntryGeometry(row.cw, row.ch);
        EXPECT_EQ(g.route.height, row.boxHeight);
        EXPECT_EQ(g.comment.y, row.boxHeight + 95);
        EXPECT_EQ(g.save.x, row.saveX);
        EXPECT_EQ(g.save.y, 2 * row.boxHeight + 105);
    }
}

TEST(DataEntryPainting, labelsFollowThePageClientHeight)
{
    // Page client height 453 belongs to a main window client height of 480.
    const DataEntryPainting p = dataEntryPainting(453, 228);
    EXPECT_STREQ(p.labels[8].text, "Comment:");
    EXPECT_EQ(p.labels[8].y, (453 - 265) / 2 + 100);
    EXPECT_EQ(p.keyword.y, 224);
    EXPECT_EQ(p.keywordFrame, rect(6, 222, 72, 19));
    EXPECT_EQ(p.autofillFrame, rect(6, 118, 72, 19));
    EXPECT_EQ(p.lineY, 342);
    EXPECT_EQ(p.bandTop, 343);
    EXPECT_EQ(p.recentEntries.y, 347);
    EXPECT_EQ(p.paceUnits.x, 540);
    EXPECT_EQ(p.paceUnits.y, 44);
}

// ---- Log and Totals ----------------------------------------------------

TEST(LogGeometry, listFillsThePageBelowTheHeading)
{
    const LogGeometry g = logGeometry(638, 453);
    EXPECT_EQ(g.list, rect(8, 20, 622, 431));
    EXPECT_EQ(g.listWidth, 622);
    EXPECT_EQ(g.rows, 26);  // (431 - 2) / 16
}

TEST(LogGeometry, headingColumnsForRouteAndCommentSpreadWithTheWidth)
{
    const auto narrow = logHeadings(638);  // A = 164
    EXPECT_EQ(narrow[5].x, 82 + 260);
    EXPECT_EQ(narrow[6].x, 164 * 6 / 4 + 260);
    const auto wide = logHeadings(1000);  // A = 345
    EXPECT_EQ(wide[5].x, 172 + 260);
    EXPECT_EQ(wide[6].x, 517 + 260);
    EXPECT_STREQ(wide[0].text, "Date");
    EXPECT_EQ(wide[0].x, 30);
    EXPECT_EQ(wide[4].x, 270);
}

TEST(ListRows, wholeSixteenPixelRowsAfterTwoPixelsOfBorder)
{
    EXPECT_EQ(listRows(18), 1);
    EXPECT_EQ(listRows(17), 0);
    EXPECT_EQ(listRows(34), 2);
    EXPECT_EQ(listRows(33), 1);
}

TEST(TotalsGeometry, listIsCentredAndButtonsSitAboveIt)
{
    const TotalsGeometry g = totalsGeometry(638, 453);  // x0 = 51
    EXPECT_EQ(g.list, rect(59, 24, 520, 427));
    EXPECT_EQ(g.week, rect(43, 5, 40, 16));
    EXPECT_EQ(g.month, rect(83, 5, 50, 16));
    EXPECT_EQ(g.year, rect(133, 5, 40, 16));
    EXPECT_EQ(g.rows, 26);
}

TEST(TotalsGeometry, headingsLineUpWithTheList)
{
    for (int pw : {638, 639, 900, 535, 400}) {
        SCOPED_TRACE(pw);
        const auto headings = totalsHeadings(pw);
        const int listLeft = totalsGeometry(pw, 400).list.x;
        EXPECT_EQ(headings[0].x, listLeft + 150);
        EXPECT_EQ(headings[1].x, listLeft + 260);
        EXPECT_EQ(headings[2].x, listLeft + 300);
        EXPECT_EQ(headings[3].x, listLeft + 360);
        EXPECT_EQ(headings[4].x, listLeft + 440);
        EXPECT_EQ(headings[4].y, 7);
    }
    // Narrower than the list: -1 / 2 is 0.
    EXPECT_EQ(totalsGeometry(535, 400).list.x, 8);
    EXPECT_EQ(totalsGeometry(534, 400).list.x, 7);
}

// ---- Day, Week, Graph --------------------------------------------------

TEST(DayGeometry, buttonsAroundTheMiddleNearTheBottom)
{
    const DayGeometry g = dayGeometry(641, 480);  // half 320
    EXPECT_EQ(g.forward, rect(380, 360, 26, 16));
    EXPECT_EQ(g.back, rect(234, 360, 26, 16));
    EXPECT_EQ(g.remove, rect(145, 416, 100, 26));
    EXPECT_EQ(g.modify, rect(270, 416, 100, 26));
    EXPECT_EQ(g.duplicate, rect(395, 416, 100, 26));
}

TEST(WeekGeometry, arrowsFlankTheDatePicker)
{
    const WeekGeometry g = weekGeometry(640, 480);
    EXPECT_EQ(g.back, rect(240, 426, 26, 16));
    EXPECT_EQ(g.forward, rect(376, 426, 26, 16));
    EXPECT_EQ(g.date, rect(275, 425, 90, 20));
    EXPECT_EQ(g.oneWeek, rect(20, 425, 80, 20));
    EXPECT_EQ(g.fourWeeks, rect(100, 425, 80, 20));
}

TEST(GraphGeometry, pickerAndArrowsAroundC_listsAtTheTopAndRight)
{
    const GraphGeometry g = graphGeometry(640, 480);  // c = 270
    EXPECT_EQ(g.date, rect(285, 425, 90, 20));
    EXPECT_EQ(g.back, rect(250, 426, 26, 16));
    EXPECT_EQ(g.forward, rect(385, 426, 26, 16));
    EXPECT_EQ(g.period, rect(496, 415, 104, 250));
    EXPECT_EQ(g.quantity, rect(140, 10, 160, 250));
    EXPECT_EQ(g.sport, rect(330, 10, 130, 250));
    EXPECT_EQ(graphGeometry(99, 480).date.x, 15);  // c = -1 / 2 = 0
}

TEST(RadioChoice, weekCountAndTotalsPeriodPickTheirButtons)
{
    EXPECT_EQ(weekRadioId(1), 3051);
    EXPECT_EQ(weekRadioId(4), 3052);
    EXPECT_EQ(totalsRadioId(0), 3060);
    EXPECT_EQ(totalsRadioId(1), 3061);
    EXPECT_EQ(totalsRadioId(2), 3062);
}

TEST(GraphType, aKeywordTypeWithoutItsKeywordFallsBackToTime)
{
    struct Row {
        const char* name;
        int type, keywords, expected;
    };
    const Row rows[] = {
        {"keywordTypeNoKeywords", 5, 0, 0},
        {"firstKeywordPresent", 5, 1, 5},
        {"secondKeywordMissing", 6, 1, 0},
        {"caloriesNeedNoKeyword", 4, 0, 4},
        {"time", 0, 3, 0},
        {"lastKeyword", 36, 32, 36},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(correctedGraphType(row.type, row.keywords), row.expected);
    }
}

// ---- Select ------------------------------------------------------------

TEST(SelectGeometry, buttonRowsCentreOnHalfTheWidth)
{
    const auto places = selectPlaces(641);  // half 320
    auto at = [&](int id) {
        for (const ControlPlace& p : places)
            if (p.id == id)
                return p.rect;
        ADD_FAILURE() << "no place for " << id;
        return PixelRect{};
    };
    EXPECT_EQ(at(3041), rect(115, 325, 205, 26));
    EXPECT_EQ(at(3042), rect(320, 325, 205, 26));
    EXPECT_EQ(at(3005), rect(15, 360, 100, 26));
    EXPECT_EQ(at(3007), rect(50, 360, 100, 26));
    EXPECT_EQ(at(3008), rect(160, 360, 100, 26));
    EXPECT_EQ(at(3006), rect(270, 360, 100, 26));
    EXPECT_EQ(at(3009), rect(380, 360, 100, 26));
    EXPECT_EQ(at(3010), rect(490, 360, 140, 26));
    EXPECT_EQ(at(3043), rect(100, 257, 300, 450));
    EXPECT_EQ(at(3023), rect(260, 228, 350, 20));
}

TEST(SelectGeometry, everyCriteriaRowSitsAtItsLabel)
{
    // A row's list starts three pixels above its label; the last two rows are
    // the keyword and Autofill lists.
    const int firstOfRow[] = {3024, 3027, 3026, 3032, 3028, 3036, 3020, 3022, 3043};
    const auto places = selectPlaces(640);
    for (int row = 0; row < 9; ++row) {
        SCOPED_TRACE(row);
        for (const ControlPlace& p : places) {
            if (p.id == firstOfRow[row]) {
                EXPECT_EQ(p.rect.y, selectLabelBox(row).y - 3);
            }
        }
    }
    EXPECT_EQ(selectLabelBox(9), rect(5, 290, 85, 18));
}

// ---- Texts from the log's lists ----------------------------------------

TEST(KeywordLabel, isTheThirdTabField)
{
    struct Row {
        const char* name;
        std::string text, expected;
    };
    const Row rows[] = {
        {"plain", "3\tShoe\tShoes worn", "Shoes worn"},
        {"fieldAfterLabel", "1\tWt\tWeight\tkg", "Weight"},
        {"twoFieldsOnly", "1\tWt", ""},
        {"emptyLabel", "1\tWt\t", ""},
        {"cutAtSixtyThree", "1\tWt\t" + std::string(70, 'x'), std::string(58, 'x')},
        {"tabBeyondSixtyThreeDoesNotCount", std::string(62, 'a') + "\tb\tc", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(keywordLabel(row.text), row.expected);
    }
}

TEST(RouteName, isTheTextBeforeTheFirstTabUpToSixtyThree)
{
    EXPECT_EQ(routeName("Hill loop\tTR\t5M\t40:00\t8:00\tHill loop\tsteady\t"), "Hill loop");
    EXPECT_EQ(routeName(std::string(70, 'r')), std::string(63, 'r'));
    EXPECT_EQ(routeName(std::string(65, 'r') + "\tTR"), std::string(63, 'r'));
    EXPECT_EQ(routeName("\tTR"), "");
}

// ---- The week view's first week ----------------------------------------

class InitialWeek : public ::testing::Test {
protected:
    std::unique_ptr<LogStore> owner = std::make_unique<LogStore>();
    LogStore& store = *owner;

    void addEntry(const char* dateText)
    {
        LogEntry e;
        e.dateText = dateText;
        deriveDateFields(e, store);
        ASSERT_GE(store.insertSorted(e), 0);
    }
    int weekOf(CalendarDate d) const { return weekIndexOf(d, store.weekOrigin); }
};

TEST_F(InitialWeek, emptyLog_isTodaysWeek)
{
    EXPECT_EQ(initialWeekFirst(store, -1, 1, {2024, 5, 17}), weekOf({2024, 5, 13}));
    EXPECT_EQ(weekFirstDay(initialWeekFirst(store, -1, 1, {2024, 5, 17}), store.weekOrigin),
              (CalendarDate{2024, 5, 13}));
}

TEST_F(InitialWeek, emptyLog_fourWeeksEndWithTodaysWeek)
{
    EXPECT_EQ(weekFirstDay(initialWeekFirst(store, -1, 4, {2024, 5, 17}), store.weekOrigin),
              (CalendarDate{2024, 4, 22}));
}

TEST_F(InitialWeek, emptyLogDayFirst_todayReadBackInTheSameOrder)
{
    store.setDateFormat(2);
    EXPECT_EQ(weekFirstDay(initialWeekFirst(store, -1, 1, {2024, 5, 3}), store.weekOrigin),
              (CalendarDate{2024, 4, 29}));
}

TEST_F(InitialWeek, todayGoesThroughATwoDigitYear)
{
    // 2051 written as "51" reads back as 1951, as an entry's date would.
    EXPECT_EQ(initialWeekFirst(store, -1, 1, {2051, 1, 3}), weekOf({1951, 1, 3}));
}

TEST_F(InitialWeek, entriesWithoutCurrentEntry_isTheLastEntrysWeek)
{
    addEntry("03/01/02");
    addEntry("04/17/02");
    EXPECT_EQ(weekFirstDay(initialWeekFirst(store, -1, 1, {2024, 5, 17}), store.weekOrigin),
              (CalendarDate{2002, 4, 15}));
}

TEST_F(InitialWeek, currentEntry_winsOverTheLastEntry_andFourWeeksStartThreeEarlier)
{
    addEntry("03/14/02");
    addEntry("04/17/02");
    EXPECT_EQ(weekFirstDay(initialWeekFirst(store, 0, 1, {2024, 5, 17}), store.weekOrigin),
              (CalendarDate{2002, 3, 11}));
    EXPECT_EQ(weekFirstDay(initialWeekFirst(store, 0, 4, {2024, 5, 17}), store.weekOrigin),
              (CalendarDate{2002, 2, 18}));
}

TEST_F(InitialWeek, anyCountButOne_showsTheGridEndingAtTheChosenWeek)
{
    addEntry("03/14/02");
    // A count other than 1 or 4 (from an edited settings file) shows the
    // grid of four weeks, so it starts three weeks earlier as well.
    for (const int weeks : {2, 3, 4, 7, 0})
        EXPECT_EQ(weekFirstDay(initialWeekFirst(store, 0, weeks, {2024, 5, 17}), store.weekOrigin),
                  (CalendarDate{2002, 2, 18}))
            << weeks;
}

TEST_F(InitialWeek, currentEntryOutOfRange_fallsBackToTheLastEntry)
{
    addEntry("03/14/02");
    addEntry("04/17/02");
    EXPECT_EQ(initialWeekFirst(store, 2, 1, {2024, 5, 17}), store.entry(1).weekIndex);
}

TEST_F(InitialWeek, weekStartSunday_movesTheWeeksFirstDay)
{
    store.setWeekStart(3);
    addEntry("04/17/02");
    EXPECT_EQ(weekFirstDay(initialWeekFirst(store, -1, 1, {2024, 5, 17}), store.weekOrigin),
              (CalendarDate{2002, 4, 14}));
}

}  // namespace
