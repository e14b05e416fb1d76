#include "views/graph_painter.h"

#include <QDate>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <algorithm>

#include "views/paint_box.h"

namespace {

const QColor kPlotEdge(192, 192, 192);
const QColor kPlotFill(240, 240, 240);
const QColor kScreenGrid(192, 192, 192);
const QColor kPrintedBar(192, 192, 192);

constexpr int kTitlePoints = 14;
constexpr int kCaptionPoints = 10;
constexpr int kLabelPoints = 8;
constexpr int kLabelCount = 5;

struct Canvas {
    QPainter& painter;
    const GraphData& data;
    const PaintStyle& style;
    Box r;      // the whole area
    Box plot;   // inside the frames
    int v = 0;  // plot width
    int h = 0;  // plot height
    int dpiY = 96;
};

QFont graphFont(const PaintStyle& style, int points, int dpiY)
{
    QFont font(style.fontName);
    font.setPixelSize(std::max(1, points * dpiY / 72));
    font.setWeight(QFont::Bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// The frame: a black edge, a grey band, another black edge; the plot inside.
Box drawFrame(QPainter& painter, const Box& r, bool printing, int mx, int my)
{
    if (!printing)
        fillBox(painter, r, kViewBackground);
    Box p{r.left + mx, r.top + my, r.right - mx, r.bottom - my};
    p.right += mx / 3;
    p = p.moved(0, -mx / 6);
    frameBox(painter, p, Qt::black);
    p = p.shrunk(1);
    if (!printing)
        fillBox(painter, p, kPlotEdge);
    p = p.shrunk(3);
    frameBox(painter, p, Qt::black);
    p = p.shrunk(1);
    if (!printing)
        fillBox(painter, p, kPlotFill);
    return p;
}

void dottedLine(QPainter& painter, int x1, int y1, int x2, int y2)
{
    painter.drawLine(x1, y1, x2, y2);
}

QString periodLabel(const Canvas& c, const CalendarDate& day)
{
    const QDate date(day.year, day.month, day.day);
    if (c.data.span.months)
        return c.style.locale.toString(date, QStringLiteral("   MMM yy"));
    return c.style.locale.toString(date, c.data.dayFirst ? QStringLiteral("d/M") : QStringLiteral("M/d"));
}

// Captions, the period labels and the grid: drawn whether or not there is
// anything to scale.
void drawGrid(Canvas& c)
{
    QPainter& p = c.painter;
    const bool printing = c.style.printing;
    const Box& plot = c.plot;
    p.setFont(graphFont(c.style, kLabelPoints, c.dpiY));
    const int th = p.fontMetrics().height();
    const QColor textBack = printing ? QColor() : kViewBackground;
    p.setPen(Qt::black);
    const int captionTop = plot.bottom + th * 7 / 4;
    drawTextIn(p, {plot.left, captionTop, plot.right, captionTop + th}, Qt::AlignHCenter | Qt::AlignTop,
               latin1(c.data.horizontalCaption), textBack);

    QPen grid(printing ? QColor(Qt::black) : kScreenGrid, 1, Qt::DotLine);
    const int b = c.data.span.labels;
    const int labelTop = captionTop - th * 5 / 4;
    for (int f = 0; f < b; ++f) {
        const int x = (f + 1) * c.v / (b + 1) + plot.left;
        if (!printing) {
            p.setPen(grid);
            dottedLine(p, x, plot.top, x, plot.bottom - 1);
        }
        const int left = x - c.v / (2 * b);
        p.setPen(Qt::black);
        if (static_cast<std::size_t>(f) < c.data.labelDays.size())
            drawTextIn(p, {left, labelTop, left + c.v / (b + 1), labelTop + th}, Qt::AlignHCenter | Qt::AlignTop,
                       periodLabel(c, c.data.labelDays[static_cast<std::size_t>(f)]), textBack);
    }
    p.setPen(grid);
    for (int f = 1; f <= 9; ++f) {
        const int y = plot.bottom - c.h * f / 10;
        dottedLine(p, plot.left, y, plot.right - 1, y);
    }
    p.setPen(Qt::black);
}

void drawScale(Canvas& c)
{
    QPainter& p = c.painter;
    p.setFont(graphFont(c.style, kLabelPoints, c.dpiY));
    const int th = p.fontMetrics().height();
    const QColor textBack = c.style.printing ? QColor() : kViewBackground;
    for (int k = 0; k < kLabelCount; ++k) {
        const int y = c.plot.bottom - c.h * ((k + 1) * 2) / 10;
        const Box box{c.r.left + 5, y - th / 2, c.plot.left - 12, y - th / 2 + th};
        drawTextIn(p, box, Qt::AlignRight | Qt::AlignTop, latin1(c.data.tickLabels[static_cast<std::size_t>(k)]),
                   textBack);
    }
    if (c.data.keyword)
        return;
    const QFont caption = graphFont(c.style, kCaptionPoints, c.dpiY);
    p.setFont(caption);
    const QString words = latin1(c.data.verticalCaption);
    const int width = p.fontMetrics().horizontalAdvance(words);
    const int height = p.fontMetrics().height();
    // Reading upwards from the foot of the text, its top towards the left.
    p.save();
    p.translate(c.r.left + 10, c.plot.bottom - c.h / 2 + width / 2);
    p.rotate(-90);
    drawTextIn(p, {0, 0, width + 1, height}, Qt::AlignLeft | Qt::AlignTop, words);
    p.restore();
}

// The top of a bar (or of a part of one) of value over the given bottom.
int barTop(const Canvas& c, int bottom, float value, int count)
{
    const GraphData& d = c.data;
    const float span = static_cast<float>(d.axisSpan);
    switch (d.type) {
        case kGraphTime:
            return static_cast<int>(bottom - c.h * value / (span * 60.0f));
        case kGraphDistance:
        case kGraphCalories:
            return static_cast<int>(bottom - c.h * value / span);
        case kGraphWorkouts:
            return bottom - (c.h * count) / d.axisSpan;
        default:
            return static_cast<int>(bottom - c.h * (value - static_cast<float>(d.base)) / span);
    }
}

QColor sportColor(const PaintStyle& style, std::size_t sport)
{
    return sport < style.sportColors.size() ? style.sportColors[sport] : QColor(Qt::black);
}

void drawBar(Canvas& c, const GraphPeriod& period, int left, int right)
{
    QPainter& p = c.painter;
    const int bottom = c.plot.bottom;
    if (c.data.stacked) {
        int previous = bottom;
        for (std::size_t s = 1; s <= c.data.sportCount; ++s) {
            const GraphSlot& slot = period.sums[s];
            const int top = barTop(c, previous, sportPartValue(c.data.type, slot), slot.count);
            if (top < previous)
                fillBox(p, {left, std::max(top, c.plot.top), right, previous}, sportColor(c.style, s));
            previous = top;
        }
        return;
    }
    const int top = barTop(c, bottom, period.value, period.sums[c.data.keyword ? 0 : c.data.sport].count);
    // No value, or one below the base, has no bar.
    if (top >= bottom)
        return;
    const Box bar{left, std::max(top, c.plot.top), right, bottom};
    if (!c.style.printing) {
        fillBox(p, bar, sportColor(c.style, c.data.keyword ? 0 : static_cast<std::size_t>(c.data.sport)));
        return;
    }
    frameBox(p, bar, Qt::black);
    if (bar.height() > 2)
        fillBox(p, bar.shrunk(2), kPrintedBar);
}

void drawBars(Canvas& c)
{
    const int n = c.data.span.periods;
    const int bw = ((4 * c.v) / (n + 1)) / 10;
    for (std::size_t k = 0; k < c.data.periods.size(); ++k) {
        const int centre = (static_cast<int>(k) + 1) * c.v / (n + 1) + c.plot.left;
        const int left = centre - bw / 2;
        if (left + bw < c.plot.right)
            drawBar(c, c.data.periods[k], left, left + bw);
    }
}

}  // namespace

void paintGraph(QPainter& painter, const QRect& area, const GraphData& data, const PaintStyle& style)
{
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const int dpiX = deviceDpiX(painter);
    const int dpiY = deviceDpiY(painter);
    const Box r = Box::of(area);
    const int mx = style.printing ? dpiX / 2 : 60;
    const int my = style.printing ? dpiY / 2 : 60;
    Canvas c{painter, data, style, r, drawFrame(painter, r, style.printing, mx, my)};
    c.v = c.plot.width();
    c.h = c.plot.height();
    c.dpiY = dpiY;

    if (style.printing) {
        painter.setFont(graphFont(style, kTitlePoints, dpiY));
        painter.setPen(Qt::black);
        const int th = painter.fontMetrics().height();
        const int top = c.plot.top - th * 3 / 2;
        drawTextIn(painter, {c.plot.left, top, c.plot.right, top + th}, Qt::AlignHCenter | Qt::AlignTop,
                   latin1(data.title));
    }
    drawGrid(c);
    if (data.hasScale && data.axisSpan > 0) {
        drawScale(c);
        drawBars(c);
    }
    painter.restore();
}
