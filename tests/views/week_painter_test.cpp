// The week painter on images at screen and printer resolution: it stays in
// its rectangle, uses the colours of the screen or of paper, and puts the
// binder's rings and the grid's lines where the measures say.

#include <gtest/gtest.h>

#include <QPainter>

#include "painter_test_support.h"
#include "shell/logic/app_settings.h"
#include "view_log_builder.h"
#include "views/week_painter.h"

namespace {

using namespace paintertest;

const QColor kCyan(192, 255, 255);
const QColor kSpine(95, 95, 95);
const QColor kCoverEdge(160, 160, 160);
const QColor kWire(192, 192, 192);
const QColor kBlue(0, 0, 255);      // Running, colour 1 (0xFF0000), and the grid's header
const QColor kRed(255, 0, 0);       // Cycling, colour 2 (0x0000FF)
const QColor kYellow(255, 255, 0);  // behind a selected entry
const QColor kHeaderGrey(127, 127, 127);
const QColor kShadowScreen(90, 90, 90);
const QColor kShadowPaper(159, 159, 159);

const QSize kScreenArea(638, 453);
const QSize kPaperArea(7 * kPrinterDpi / 2, 5 * kPrinterDpi / 2);  // 3.5 x 2.5 inches

constexpr CalendarDate kMarch11{2002, 3, 11};  // a Monday

class WeekPainterTest : public ::testing::Test {
protected:
    ViewLog log;
    AppSettings settings = defaultSettings();

    void SetUp() override
    {
        log.sport("Running", 'R', DistanceUnit::Miles, PaceUnit::MinPerMile)
            .sport("Cycling", 'C', DistanceUnit::Kilometers, PaceUnit::KmPerHour);
    }

    void addWeekOfTraining()
    {
        log.add({.date = "03/11/02",
                 .sportLetter = 'R',
                 .minutes = 45.5f,
                 .distance = 5.2f,
                 .distanceText = "5.2M",
                 .timeText = "45:30",
                 .route = "River loop",
                 .comment = "Easy day"});
        log.add({.date = "03/13/02",
                 .sportLetter = 'C',
                 .minutes = 60,
                 .distance = 30,
                 .distanceText = "30K",
                 .timeText = "1:00:00",
                 .route = "Lake ride"});
        log.add({.date = "03/16/02",
                 .sportLetter = 'R',
                 .minutes = 44,
                 .distance = 6.2f,
                 .distanceText = "10K",
                 .timeText = "44:00",
                 .kind = 'R',
                 .route = "Spring 10K"});
    }

    WeekData data(int weeks, int mode = 1) const
    {
        WeekRequest request;
        request.firstWeek = weekIndexOf(kMarch11, log.store.weekOrigin);
        request.weekViewWeeks = weeks;
        request.selectionDisplayMode = mode;
        return buildWeekData(log.store, request);
    }

    QImage render(const QString& name, const WeekData& week, bool printing, QRect* area)
    {
        const PaintStyle style = weekPaintStyle(viewSettingsOf(settings), printing, QLocale::c());
        return renderArea(
            name, printing ? kPaperArea : kScreenArea, printing ? kPrinterDpi : kScreenDpi, 20,
            [&](QPainter& painter, const QRect& r) { paintWeek(painter, r, week, style); }, area);
    }
};

// A point inside the first hole of the left page, left of its wire, by the
// binder's measures.
QPoint firstRingCentre(const QRect& r, int dpi, bool printing)
{
    const int d = printing ? dpi / 8 : 11;
    const int gap = dpi / 8;
    const int pageWidth = (r.width() - gap) / 2;
    const int left = r.left() + pageWidth - dpi / 8 - d / 2;
    return QPoint(left + d / 5, r.top() + r.height() / 16 + d / 2);
}

TEST_F(WeekPainterTest, emptyBinder_onScreen)
{
    QRect area;
    const QImage image = render("week_binder_empty_screen", data(1), false, &area);
    EXPECT_EQ(touchedOutside(image, area), 0);
    EXPECT_EQ(QColor(image.pixel(area.topLeft())), kCyan);
    EXPECT_GT(countColour(image, Qt::white), 100000) << "the pages' interiors";
    EXPECT_GT(countColour(image, kSpine), 1000);
    EXPECT_GT(countColour(image, kCoverEdge), 500);
    EXPECT_GT(countColour(image, kWire), 100);
    EXPECT_EQ(countNear(image, kBlue, 60), 0) << "no entries, no sport colours";
    EXPECT_EQ(countNear(image, kYellow, 30), 0);
    // Inside R (15 in, bottom 25 higher), the ring at the spine.
    const QRect r = area.adjusted(15, 15, -15, -40);
    EXPECT_EQ(QColor(image.pixel(firstRingCentre(r, kScreenDpi, false))), QColor(Qt::black));
}

TEST_F(WeekPainterTest, emptyBinder_onPaper)
{
    QRect area;
    const QImage image = render("week_binder_empty_paper", data(1), true, &area);
    EXPECT_EQ(touchedOutside(image, area), 0);
    EXPECT_EQ(countColour(image, kCyan), 0) << "no page background on paper";
    EXPECT_GT(countColour(image, kSpine), 10000);
    EXPECT_GT(countColour(image, kCoverEdge), 10000) << "the cover edges stay on the page";
    EXPECT_GT(countColour(image, kWire), 1000);
    // Paper is not painted: the middle of a day's cell is as it was.
    const QRect r = area.adjusted(kPrinterDpi / 16, 0, -kPrinterDpi / 16, -kPrinterDpi / 16);
    EXPECT_EQ(QColor(image.pixel(r.left() + r.width() / 4, r.top() + r.height() / 8 * 3)), kUntouched);
    EXPECT_EQ(QColor(image.pixel(firstRingCentre(r, kPrinterDpi, true))), QColor(Qt::black));
}

TEST_F(WeekPainterTest, oneWeek_entriesInTheirSportsColours)
{
    addWeekOfTraining();
    for (bool printing : {false, true}) {
        SCOPED_TRACE(printing);
        QRect area;
        const QImage image = render(printing ? "week_binder_paper" : "week_binder_screen", data(1), printing, &area);
        EXPECT_EQ(touchedOutside(image, area), 0);
        EXPECT_GT(countNear(image, kBlue, 40), printing ? 2000 : 20);
        EXPECT_GT(countNear(image, kRed, 40), printing ? 1000 : 10);
        EXPECT_EQ(countNear(image, kYellow, 10), 0) << "all entries selected: no highlight";
    }
}

TEST_F(WeekPainterTest, showAllWithSomeSelected_highlightsTheSelectedInYellow)
{
    addWeekOfTraining();
    log.store.entry(1).selected = 0;
    log.store.shownCount = 2;
    const QImage highlighted = render("week_binder_highlight", data(1, 0), false, nullptr);
    EXPECT_GT(countColour(highlighted, kYellow), 100);
    const QImage selectedOnly = render("week_binder_selected_only", data(1, 1), false, nullptr);
    EXPECT_EQ(countColour(selectedOnly, kYellow), 0);
    EXPECT_EQ(countNear(selectedOnly, kRed, 40), 0) << "the unselected ride is left out";
}

TEST_F(WeekPainterTest, sportsSixteenAndSeventeen_getColoursOfTheirOwn)
{
    for (int s = 3; s <= 17; ++s) {
        const std::string name = "Sport " + std::to_string(s);
        log.sport(name.c_str(), static_cast<char>('a' + s));
    }
    log.add({.date = "03/11/02", .sportLetter = 'a' + 16, .minutes = 60, .timeText = "1:00:00", .route = "long"});
    log.add({.date = "03/12/02", .sportLetter = 'a' + 17, .minutes = 60, .timeText = "1:00:00", .route = "long"});
    ASSERT_EQ(log.store.sportCount, 17);
    const QImage image = render("week_binder_sports_16_17", data(1), false, nullptr);
    EXPECT_GT(countNear(image, QColor(0, 128, 128), 30), 5) << "sport 16, teal";
    EXPECT_GT(countNear(image, QColor(128, 0, 128), 30), 5) << "sport 17, purple";
}

TEST_F(WeekPainterTest, fourWeeks_gridOnScreen)
{
    addWeekOfTraining();
    QRect area;
    const QImage image = render("week_grid_screen", data(4), false, &area);
    EXPECT_EQ(touchedOutside(image, area), 0);
    const QRect r = area.adjusted(15, 15, -15, -40);
    const int band = kScreenDpi / 4;
    EXPECT_GT(countColour(image, kBlue, QRect(r.left(), r.top(), r.width(), band)), r.width() * band / 2)
        << "the header band";
    EXPECT_GT(countColour(image, kShadowScreen), 500);
    EXPECT_GT(countNear(image, kBlue, 40, QRect(r.left(), r.top() + band, r.width(), r.height() - band)), 20)
        << "the runs below the band";
    EXPECT_GT(countNear(image, kRed, 40), 10);
    // The fourth day line and the first row line, at their measures.
    const int cw = r.width() / 8;
    const int rh = (r.height() - band) / 4;
    EXPECT_EQ(QColor(image.pixel(r.left() + 3 * cw, r.top() + band + rh + rh / 2)), QColor(Qt::black));
    EXPECT_EQ(QColor(image.pixel(r.left() + cw / 2 + 3, r.top() + band + rh)), QColor(Qt::black));
}

TEST_F(WeekPainterTest, fourWeeks_gridOnPaper)
{
    addWeekOfTraining();
    QRect area;
    const QImage image = render("week_grid_paper", data(4), true, &area);
    EXPECT_EQ(touchedOutside(image, area), 0);
    EXPECT_GT(countColour(image, kHeaderGrey), 10000);
    EXPECT_GT(countColour(image, kShadowPaper), 10000) << "the shadow stays on the page";
    EXPECT_EQ(countColour(image, kShadowScreen), 0);
    EXPECT_EQ(countColour(image, kCyan), 0);
    EXPECT_GT(countNear(image, kRed, 40), 1000);
}

TEST_F(WeekPainterTest, emptyGrid_drawsLabelsAndNoLines)
{
    QRect area;
    const QImage image = render("week_grid_empty_screen", data(4), false, &area);
    EXPECT_EQ(touchedOutside(image, area), 0);
    EXPECT_GT(countColour(image, Qt::white), 100000);
    const QRect below = area.adjusted(15, 15 + 1 + kScreenDpi / 4, -15, -40);  // the band starts inside the frame
    EXPECT_EQ(countNear(image, kBlue, 60, below), 0);
    EXPECT_GT(countNear(image, Qt::black, 60, below), 500) << "the day labels";
}

TEST_F(WeekPainterTest, aTinyArea_drawsNothingOutsideIt)
{
    addWeekOfTraining();
    for (int weeks : {1, 4}) {
        for (bool printing : {false, true}) {
            SCOPED_TRACE(weeks * 10 + printing);
            const WeekData week = data(weeks);
            const PaintStyle style = weekPaintStyle(viewSettingsOf(settings), printing, QLocale::c());
            QRect area;
            const QImage image = renderArea(
                "week_tiny", QSize(40, 30), printing ? kPrinterDpi : kScreenDpi, 20,
                [&](QPainter& p, const QRect& r) { paintWeek(p, r, week, style); }, &area);
            EXPECT_EQ(touchedOutside(image, area), 0);
        }
    }
}

}  // namespace
