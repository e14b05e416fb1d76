#include "views/day_painter.h"

#include <QDate>
#include <QPainter>

#include "views/paint_box.h"

namespace {

const QColor kCardScreen(255, 255, 127);
const QColor kRingWire(192, 192, 192);
const QColor kLabelScreen(255, 0, 0);

constexpr int kCards = 4;

struct Card {
    QPainter& painter;
    const PaintStyle& style;
    int dpiX = 96;
    int dpiY = 96;
    QFont labelFont;
    QFont valueFont;
    int th = 0;
    QColor textBackground;  // behind the texts on screen; none on paper
};

// The cards step up and to the left; r ends one step beyond the front card.
void cardStack(Card& c, Box& r)
{
    const QColor face = c.style.printing ? QColor(Qt::white) : kCardScreen;
    for (int k = 0; k < kCards; ++k) {
        frameBox(c.painter, r, Qt::black);
        fillBox(c.painter, r.shrunk(1), face);
        r = r.moved(-c.dpiX / 32, -c.dpiY / 32);
    }
}

void rings(Card& c, const Box& r)
{
    const int rp = r.height() / 10;
    const int d = c.dpiX / 10;
    const int wireOffset = c.style.printing ? d / 4 : 2;
    for (int k = 0; k < 10; ++k) {
        const int top = r.top + rp / 2 + k * rp;
        fillEllipse(c.painter, {r.left + 3 * d / 4, top, r.left + 3 * d / 4 + d, top + d}, Qt::black);
    }
    for (int k = 0; k < 10; ++k) {
        const int top = r.top + rp / 2 + wireOffset + k * rp;
        fillBox(c.painter, {r.left - 3 * d / 4, top, r.left - 3 * d / 4 + 2 * d, top + d / 2}, kRingWire);
    }
}

// The labels; gives the label column's right edge and the top of the
// comment, which the values share.
void labels(Card& c, const Box& r, int& labelRight, int& commentTop)
{
    QPainter& p = c.painter;
    p.setFont(c.labelFont);
    p.setPen(c.style.printing ? QColor(Qt::black) : kLabelScreen);
    const int s = c.th * 3 / 2;
    const int left = r.left + c.dpiX / 2;
    labelRight = left + p.fontMetrics().horizontalAdvance(QString::fromLatin1(kDayCommentLabel));
    const int flags = Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine;
    int top = r.top + c.dpiY / 8 + s;
    int routeTop = top;
    for (const char* label : kDayLabels) {
        drawTextIn(p, {left, top, labelRight, top + c.th}, flags, QString::fromLatin1(label), c.textBackground);
        routeTop = top;
        top += s;
    }
    drawTextIn(p, {left, routeTop + c.th, labelRight, routeTop + 2 * c.th}, flags,
               QString::fromLatin1(kDayWorkoutLabel), c.textBackground);
    commentTop = (r.bottom - routeTop - c.dpiY / 8) / 2 + routeTop;
    drawTextIn(p, {left, commentTop, labelRight, commentTop + c.th}, flags, QString::fromLatin1(kDayCommentLabel),
               c.textBackground);
}

void values(Card& c, const Box& r, const DayCard& card, int labelRight, int commentTop)
{
    QPainter& p = c.painter;
    p.setFont(c.valueFont);
    p.setPen(Qt::black);
    const int s = c.th * 3 / 2;
    const int left = labelRight + c.dpiX / 8;
    const int right = r.right - c.dpiX / 4;
    const int line = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    const int wrapped = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QString date =
        c.style.locale.toString(QDate(card.date.year, card.date.month, card.date.day), QLocale::LongFormat);
    const QString texts[6] = {
        date, latin1(card.sport), latin1(card.category), latin1(card.distance), latin1(card.time), latin1(card.pace)};
    int top = r.top + c.dpiY / 8 + s;
    for (const QString& text : texts) {
        if (!text.isEmpty())
            drawTextIn(p, {left, top, right, top + s}, line, text, c.textBackground);
        top += s;
    }
    drawTextIn(p, {left, top, right, commentTop - s}, wrapped, latin1(card.route), c.textBackground);
    drawTextIn(p, {left, commentTop, right, r.bottom - c.dpiY / 8}, wrapped, latin1(card.comment), c.textBackground);
}

void entryNumber(Card& c, const Box& r, const Box& given, const DayCard& card)
{
    QPainter& p = c.painter;
    p.setFont(c.valueFont);
    p.setPen(Qt::black);
    const QString number = latin1(card.number);
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine;
    if (c.style.printing) {
        const int width = p.fontMetrics().horizontalAdvance(number);
        const int centre = (r.right - r.left) / 2 + c.dpiX / 2;
        const int top = r.bottom + c.dpiY / 16;
        drawTextIn(p, {centre - width / 2, top, centre - width / 2 + width, top + c.th}, flags, number);
    } else {
        const int w = given.width();
        const int h = given.bottom;
        drawTextIn(p, {w / 2 - 60, h - 92, w / 2 + 60, h - 92 + c.th}, flags, number, c.textBackground);
    }
}

}  // namespace

void paintDay(QPainter& painter, const QRect& area, const DayCard& card, const PaintStyle& style)
{
    Card c{painter, style, 96, 96, QFont(), QFont(), 0, QColor()};
    c.dpiX = deviceDpiX(painter);
    c.dpiY = deviceDpiY(painter);
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    const Box given = Box::of(area);
    Box r = given;
    if (style.printing) {
        // The stack steps up and left of the front card and the wires reach
        // past the rings; on paper all of it stays inside the given rectangle.
        const int d = c.dpiX / 10;
        r.left += kCards * (c.dpiX / 32) + 3 * d / 4;
        r.top += kCards * (c.dpiY / 32);
    } else {
        fillBox(painter, r, kViewBackground);
        r = r.shrunk(32);
        r.bottom -= 20;
        c.textBackground = kCardScreen;
    }
    c.labelFont = viewFont(style, c.dpiY, QFont::Bold);
    c.valueFont = viewFont(style, c.dpiY, style.printing ? QFont::Normal : QFont::Bold);
    painter.setFont(c.labelFont);
    c.th = painter.fontMetrics().height();
    cardStack(c, r);
    rings(c, r);
    r.bottom -= c.dpiX / 4;
    int labelRight = 0;
    int commentTop = 0;
    labels(c, r, labelRight, commentTop);
    if (card.hasEntry) {
        values(c, r, card, labelRight, commentTop);
        entryNumber(c, r, given, card);
    }
    painter.restore();
}
