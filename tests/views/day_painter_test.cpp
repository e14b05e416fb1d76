// The day painter on images at screen and printer resolution: the card
// stack, the labels, the values and the entry's number, within its rectangle.

#include <gtest/gtest.h>

#include <QPainter>
#include <string>

#include "painter_test_support.h"
#include "shell/logic/app_settings.h"
#include "view_log_builder.h"
#include "views/day_painter.h"

namespace {

using namespace paintertest;

const QColor kCyan(192, 255, 255);
const QColor kCard(255, 255, 127);
const QColor kWire(192, 192, 192);
const QColor kRed(255, 0, 0);

const QSize kScreenArea(638, 453);
const QSize kPaperArea(15 * kPrinterDpi / 2, 10 * kPrinterDpi);  // 7.5 x 10 inches

class DayPainterTest : public ::testing::Test {
protected:
    ViewLog log;
    AppSettings settings = defaultSettings();
    std::string longComment;

    void SetUp() override
    {
        log.sport("Running", 'R', DistanceUnit::Miles, PaceUnit::MinPerMile);
        for (int i = 0; i < 60; ++i)
            longComment += "Negative split on the hills, then the towpath home. ";
        longComment.resize(511);
        log.add({.date = "03/01/02",
                 .sportLetter = 'R',
                 .minutes = 45.5f,
                 .distance = 5.2f,
                 .distanceText = "5.2M",
                 .timeText = "45:30",
                 .route = "River loop",
                 .comment = longComment.c_str(),
                 .paceText = "8:45"});
    }

    QImage render(const QString& name, int entry, bool printing, QRect* area)
    {
        const DayCard card = buildDayCard(log.store, entry);
        const PaintStyle style = dayPaintStyle(viewSettingsOf(settings), printing, QLocale::c());
        return renderArea(
            name, printing ? kPaperArea : kScreenArea, printing ? kPrinterDpi : kScreenDpi, 20,
            [&](QPainter& painter, const QRect& r) { paintDay(painter, r, card, style); }, area);
    }
};

// On screen at 96 dpi in 638 x 453: R is 32 in and 20 higher, the stack moves
// it four steps of 3 up and left, then its bottom rises by 24.
struct ScreenCard {
    int left, top, right, bottom;
};
ScreenCard screenCard(const QRect& area)
{
    return {area.left() + 32 - 12, area.top() + 32 - 12, area.left() + 638 - 32 - 12,
            area.top() + 453 - 32 - 20 - 12 - 24};
}

TEST_F(DayPainterTest, noEntry_drawsTheStackAndLabelsOnly)
{
    QRect area;
    const QImage image = render("day_empty_screen", -1, false, &area);
    EXPECT_EQ(touchedOutside(image, area), 0);
    EXPECT_EQ(QColor(image.pixel(area.topLeft())), kCyan);
    EXPECT_GT(countColour(image, kCard), 100000);
    EXPECT_GT(countColour(image, kWire), 50);
    EXPECT_GT(countNear(image, kRed, 60), 200) << "the labels, red on screen";
    // Right of the labels the card is blank.
    const ScreenCard c = screenCard(area);
    const QRect values(c.left + 48 + 90, c.top + 10, c.right - c.left - 48 - 90 - 24, c.bottom - c.top - 10);
    EXPECT_EQ(countNear(image, Qt::black, 100, values), 0);
}

TEST_F(DayPainterTest, longComment_wrapsAndStopsAboveTheCardsFoot)
{
    QRect area;
    const QImage image = render("day_long_comment_screen", 0, false, &area);
    EXPECT_EQ(touchedOutside(image, area), 0);
    const ScreenCard c = screenCard(area);
    const int commentFoot = c.bottom - 96 / 8;
    const QRect values(c.left + 48 + 90, c.top, c.right - 24 - (c.left + 48 + 90), commentFoot - c.top);
    EXPECT_GT(countNear(image, Qt::black, 100, values), 3000) << "date, values, several comment lines";
    // Between the comment's foot and the entry number: card face only.
    const QRect foot(values.left(), commentFoot, values.width(), area.top() + 453 - 92 - commentFoot);
    ASSERT_GT(foot.height(), 0);
    EXPECT_EQ(countColour(image, kCard, foot), foot.width() * foot.height());
    // "#1/1" centred under the card.
    const QRect number(area.left() + 638 / 2 - 60, area.top() + 453 - 92, 120, 14);
    EXPECT_GT(countNear(image, Qt::black, 100, number), 10);
}

TEST_F(DayPainterTest, onPaper_blackLabelsOnWhiteCards_insideTheRectangle)
{
    QRect area;
    const QImage image = render("day_long_comment_paper", 0, true, &area);
    EXPECT_EQ(touchedOutside(image, area), 0);
    EXPECT_EQ(countNear(image, kRed, 60), 0);
    EXPECT_EQ(countColour(image, kCard), 0);
    EXPECT_EQ(countColour(image, kCyan), 0);
    EXPECT_GT(countColour(image, Qt::white), 1000000) << "the card faces";
    EXPECT_GT(countColour(image, kWire), 5000) << "the wires, measured in the printer's dots";
    EXPECT_GT(countColour(image, Qt::black), 100000) << "frames, rings and text";
}

}  // namespace
