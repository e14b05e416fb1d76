// The Week and Day pages as the user works them: arrows, the date picker,
// the week count, the entry buttons, and what they paint.

#include <QButtonGroup>
#include <QDateEdit>
#include <QPushButton>
#include <QToolButton>

#include "page_test_support.h"
#include "shell/pages/day_page.h"
#include "shell/pages/week_page.h"

namespace {

using namespace pagetest;

const QColor kHeaderBlue(0, 0, 255);

int blueHeaderPixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)) == kHeaderBlue)
                ++n;
    return n;
}

// Monday weeks of the spring log: 25 Feb, 11 Mar, 25 Mar, 1 Apr, 15 Apr 2002.
class WeekNavigation : public PageTest {
protected:
    void SetUp() override { loadLog("spring_2002_three_sports.dat"); }
    int weekOf(CalendarDate day) const { return weekIndexOf(day, store.weekOrigin); }
};

TEST_F(WeekNavigation, arrowsMoveOneWeek_andThePickerShowsItsFirstDay)
{
    auto page = make<WeekPage>();
    const int start = state.weekFirst;
    EXPECT_EQ(page->weekDate()->date(), QDate(2002, 4, 15));
    page->backButton()->click();
    EXPECT_EQ(state.weekFirst, start - 1);
    EXPECT_EQ(page->weekDate()->date(), QDate(2002, 4, 8));
    page->forwardButton()->click();
    page->forwardButton()->click();
    EXPECT_EQ(state.weekFirst, start + 1);
    EXPECT_EQ(page->weekDate()->date(), QDate(2002, 4, 22));
}

TEST_F(WeekNavigation, pickingADate_showsItsWeek)
{
    auto page = make<WeekPage>();
    page->weekDate()->setDate(QDate(2002, 3, 14));  // a Thursday
    EXPECT_EQ(state.weekFirst, weekOf({2002, 3, 14}));
    EXPECT_EQ(page->weekDate()->date(), QDate(2002, 3, 11)) << "the picker goes to the week's first day";
}

TEST_F(WeekNavigation, weekCount_keepsTheWeekInView)
{
    auto page = make<WeekPage>();
    const int shown = state.weekFirst;
    page->fourWeeksButton()->click();
    EXPECT_EQ(settings.weekViewWeeks, 4);
    EXPECT_EQ(state.weekFirst, shown - 3) << "the week shown becomes the last of four";
    EXPECT_EQ(page->weekDate()->date(), QDate(2002, 3, 25));
    page->fourWeeksButton()->click();
    EXPECT_EQ(state.weekFirst, shown - 3) << "no change, no move";
    page->oneWeekButton()->click();
    EXPECT_EQ(settings.weekViewWeeks, 1);
    EXPECT_EQ(state.weekFirst, shown);
}

TEST_F(WeekNavigation, theViewStopsAtTheCalendarsEnds)
{
    auto page = make<WeekPage>();
    page->weekDate()->setDate(QDate(1950, 1, 3));
    EXPECT_EQ(state.weekFirst, 0);
    page->backButton()->click();
    EXPECT_EQ(state.weekFirst, 0) << "-1 would mean no week chosen";
    page->fourWeeksButton()->click();
    EXPECT_EQ(state.weekFirst, 0);
    page->weekDate()->setDate(QDate(2049, 12, 31));
    const int last = state.weekFirst;
    page->forwardButton()->click();
    EXPECT_EQ(state.weekFirst, last);
}

TEST_F(WeekNavigation, refreshAfterANewLog_choosesTheFirstWeekAnew)
{
    auto page = make<WeekPage>();
    page->backButton()->click();
    state.clearPositions();
    store.entry(store.entryCount - 1u).selected = 1;
    page->refresh();
    EXPECT_EQ(state.weekFirst, store.entry(store.entryCount - 1u).weekIndex);
    EXPECT_EQ(page->weekDate()->date(), QDate(2002, 4, 15));
}

TEST_F(WeekNavigation, thePagePaintsTheChosenLayout)
{
    auto page = make<WeekPage>();
    EXPECT_EQ(blueHeaderPixels(renderPage(*page, "week_page_one")), 0) << "the binder has no header band";
    page->fourWeeksButton()->click();
    EXPECT_GT(blueHeaderPixels(renderPage(*page, "week_page_four")), 10000);
    // The controls below the view stay clear of it.
    const QImage image = renderPage(*page, "week_page_four_controls");
    EXPECT_EQ(clientPixel(image, 241, 427), QColor(192, 255, 255));
}

class DayNavigation : public PageTest {
protected:
    void SetUp() override { loadLog("spring_2002_three_sports.dat"); }
};

TEST_F(DayNavigation, entryButtonsStandOnlyWhileAnEntryIsShown)
{
    auto page = make<DayPage>();
    page->show();
    for (QPushButton* b : {page->deleteButton(), page->modifyButton(), page->duplicateButton()})
        EXPECT_FALSE(b->isVisible()) << b->text().toStdString();
    state.dayEntry = 2;
    page->refresh();
    for (QPushButton* b : {page->deleteButton(), page->modifyButton(), page->duplicateButton()})
        EXPECT_TRUE(b->isVisible()) << b->text().toStdString();
    state.dayEntry = store.entryCount;  // an entry the log no longer has
    page->refresh();
    EXPECT_FALSE(page->deleteButton()->isVisible());
}

TEST_F(DayNavigation, arrowsStepThroughTheSelectedEntries)
{
    store.entry(1).selected = 0;
    state.dayEntry = 0;
    auto page = make<DayPage>();
    page->forwardButton()->click();
    EXPECT_EQ(state.dayEntry, 2) << "entry 1 is not selected";
    page->backButton()->click();
    EXPECT_EQ(state.dayEntry, 0);
    page->backButton()->click();
    EXPECT_EQ(state.dayEntry, 0) << "the first entry stays";
    state.dayEntry = store.entryCount - 1;
    page->forwardButton()->click();
    EXPECT_EQ(state.dayEntry, store.entryCount - 1) << "the last entry stays";
}

TEST_F(DayNavigation, showingAnEntry_setsTheWeekViewsFirstWeek)
{
    state.dayEntry = 3;  // 03/28/02
    auto page = make<DayPage>();
    state.weekFirst = -1;
    const QImage image = renderPage(*page, "day_page_entry");
    EXPECT_EQ(state.weekFirst, store.entry(3).weekIndex);
    // The card face, between the rings and the labels.
    EXPECT_EQ(clientPixel(image, 45, 300), QColor(255, 255, 127));
}

TEST_F(DayNavigation, noEntry_leavesTheWeekViewAlone)
{
    auto page = make<DayPage>();
    state.weekFirst = 42;
    renderPage(*page, "day_page_empty");
    EXPECT_EQ(state.weekFirst, 42);
}

}  // namespace
