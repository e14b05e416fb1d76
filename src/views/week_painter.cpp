#include "views/week_painter.h"

#include <QDate>
#include <QPainter>

#include "views/paint_box.h"

namespace {

const QColor kSpine(95, 95, 95);
const QColor kCoverEdge(160, 160, 160);
const QColor kRingWire(192, 192, 192);
const QColor kHighlight(255, 255, 0);
const QColor kHeaderScreen(0, 0, 255);
const QColor kHeaderPrinter(127, 127, 127);
const QColor kShadowScreen(90, 90, 90);
const QColor kShadowPrinter(159, 159, 159);

constexpr int kEntryFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
// Room an entry needs below its top in a grid cell, in device units.
constexpr int kGridRoom = 16;

struct Frame {
    QPainter& painter;
    const WeekData& data;
    const PaintStyle& style;
    int dpiX = 96;
    int dpiY = 96;
    QFont bold;
    QFont normal;
    int tmH = 0;
};

QDate qdate(const CalendarDate& d)
{
    return QDate(d.year, d.month, d.day);
}

QColor sportColor(const Frame& f, std::uint16_t sport)
{
    return sport < f.style.sportColors.size() ? f.style.sportColors[sport] : QColor(Qt::black);
}

// One entry's line at top in the cell area; gives the height it took.
int drawEntry(Frame& f, const Box& area, int top, const WeekEntryLine& line)
{
    f.painter.setFont(line.race ? f.bold : f.normal);
    f.painter.setPen(sportColor(f, line.sportIndex));
    const int height = drawTextIn(f.painter, {area.left, top, area.right, area.bottom}, kEntryFlags,
                                  latin1(line.text),
                                  line.highlighted ? kHighlight : QColor());
    f.painter.setPen(Qt::black);
    return height;
}

// A totals line in a column: "X:" at the column's left, the numbers from the
// width of "W:" on, so that they line up whatever the letter.
void drawColumnLine(Frame& f, const Box& column, int top, const std::string& text)
{
    const QString all = latin1(text);
    const int numbersX = column.left + f.painter.fontMetrics().horizontalAdvance(QStringLiteral("W:"));
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    drawTextIn(f.painter, {column.left, top, column.right, top + f.tmH}, flags, all.left(2));
    drawTextIn(f.painter, {numbersX, top, column.right, top + f.tmH}, flags, all.mid(3));
}

// ---- One week: the open ring binder --------------------------------------

void binderShell(Frame& f, const Box& r, int pageWidth, int gap)
{
    QPainter& p = f.painter;
    const int h = r.height();
    const Box left{r.left, r.top, r.left + pageWidth, r.bottom};
    const Box right = left.moved(pageWidth + gap, 0);
    const int rh = h / 4;
    for (const Box& page : {left, right}) {
        frameBox(p, page, Qt::black);
        if (!f.style.printing)
            fillBox(p, page.shrunk(1), Qt::white);
        const bool isLeft = page.left == left.left;
        const int from = page.left + (isLeft ? f.dpiX / 8 : f.dpiX / 4);
        const int to = page.right - (isLeft ? f.dpiX / 4 : f.dpiX / 8);
        for (int k = 1; k <= 3; ++k)
            lineTo(p, from, page.top + k * rh, to, page.top + k * rh, Qt::black);
    }
    const Box spine{r.left + pageWidth, r.top + f.dpiY / 8, r.left + pageWidth + gap, r.bottom - f.dpiY / 8};
    fillBox(p, spine, kSpine);
    const Box leftEdge{r.left - f.dpiX / 16, spine.top - f.dpiY / 16, r.left + 1, spine.bottom + f.dpiY / 16};
    const Box rightEdge = leftEdge.moved(gap + 2 * pageWidth + f.dpiX / 16 - 1, 0);
    for (const Box& edge : {leftEdge, rightEdge}) {
        frameBox(p, edge, Qt::black);
        fillBox(p, edge.shrunk(1), kCoverEdge);
    }
    const int d = f.style.printing ? f.dpiX / 8 : 11;
    const int rs = h / 8;
    const int holeLeft = r.left + pageWidth - f.dpiX / 8 - d / 2;
    const int wireLeft = r.left + pageWidth - f.dpiX / 8;
    for (int k = 0; k < 8; ++k) {
        const int top = r.top + rs / 2 + k * rs;
        fillEllipse(p, {holeLeft, top, holeLeft + d, top + d}, Qt::black);
        const int rightHole = holeLeft + f.dpiX / 4 + gap;
        fillEllipse(p, {rightHole, top, rightHole + d, top + d}, Qt::black);
        const int wireTop = top + (d / 2) / 2 + 1;
        fillBox(p, {wireLeft, wireTop, wireLeft + gap + f.dpiX / 4, wireTop + d / 2}, kRingWire);
    }
}

void binderDay(Frame& f, const Box& label, int rh, const WeekDay& day)
{
    QPainter& p = f.painter;
    p.setFont(f.bold);
    p.setPen(Qt::black);
    drawTextIn(p, label, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
               f.style.locale.toString(qdate(day.date), QLocale::LongFormat));
    const Box area{label.left, label.top + f.tmH / 4, label.right, label.top + f.tmH / 4 + rh - f.tmH};
    int top = area.top;
    int step = f.tmH;
    for (const WeekEntryLine& line : day.entries) {
        top += step;
        if (top < label.top + rh)
            step = drawEntry(f, area, top, line) + f.tmH / 4;
    }
}

void binderTotals(Frame& f, const Box& label, int rh)
{
    QPainter& p = f.painter;
    const int n = label.width() / 2;
    const Box weekColumn{label.left, label.top, label.left + n - n / 5, label.bottom};
    const Box yearColumn{weekColumn.right, label.top, weekColumn.right + n + n / 5, label.bottom};
    p.setFont(f.bold);
    p.setPen(Qt::black);
    const int centred = Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine;
    drawTextIn(p, weekColumn, centred, QStringLiteral("Total This Week"));
    drawTextIn(p, yearColumn, centred, QStringLiteral("Total (Average) for %1").arg(f.data.year));
    p.setFont(f.normal);
    if (f.data.totals.empty())
        return;
    int top = label.top + f.tmH / 4;
    for (const WeekSportLine& line : f.data.totals[0]) {
        top += f.tmH;
        if (top >= label.top + rh)
            break;
        p.setPen(sportColor(f, line.sportIndex));
        drawColumnLine(f, {weekColumn.left, top, weekColumn.right, top + f.tmH}, top, line.text);
        drawColumnLine(f, {yearColumn.left, top, yearColumn.right, top + f.tmH}, top, line.yearText);
    }
    p.setPen(Qt::black);
}

void paintBinder(Frame& f, const Box& r)
{
    const int gap = f.dpiX / 8;
    const int pageWidth = (r.width() - gap) / 2;
    const int rh = r.height() / 4;
    binderShell(f, r, pageWidth, gap);
    for (int m = 0; m < 8; ++m) {
        const bool leftPage = m < 4;
        const int pageLeft = leftPage ? r.left : r.left + pageWidth + gap;
        const int top = r.top + f.tmH / 4 + (m % 4) * rh;
        const Box label{pageLeft + (leftPage ? f.dpiX / 8 : f.dpiX / 4), top,
                        pageLeft + pageWidth - (leftPage ? f.dpiX / 4 : f.dpiX / 8), top + f.tmH};
        if (m < 7 && static_cast<std::size_t>(m) < f.data.days.size())
            binderDay(f, label, rh, f.data.days[static_cast<std::size_t>(m)]);
        else if (m == 7)
            binderTotals(f, label, rh);
    }
}

// ---- Four weeks: the calendar grid -----------------------------------------

void gridShell(Frame& f, const Box& r, int cw, int rh)
{
    QPainter& p = f.painter;
    const Box r1 = r.shrunk(1);
    frameBox(p, r, Qt::black);
    if (!f.style.printing)
        fillBox(p, r1, Qt::white);
    const QColor header = f.style.printing ? kHeaderPrinter : kHeaderScreen;
    const int band = f.dpiY / 4;
    fillBox(p, {r1.left, r1.top, r1.right, r1.top + band}, header);
    const int s = f.dpiX / 16;
    const QColor shadow = f.style.printing ? kShadowPrinter : kShadowScreen;
    fillBox(p, {r1.left + s + 1, r.bottom, r1.right + s - 1, r.bottom + s}, shadow);
    fillBox(p, {r.right, r.top + s + 1, r.right + s, r.bottom + s}, shadow);
    for (int k = 1; k <= 3; ++k)
        lineTo(p, r1.left, r.top + band + k * rh, r1.right, r.top + band + k * rh, Qt::black);
    for (int k = 1; k <= 7; ++k)
        lineTo(p, r.left + cw * k, r.top + band, r.left + cw * k, r.bottom, Qt::black);
    p.setFont(f.bold);
    p.setPen(Qt::white);
    const int top = r.top + (band - f.tmH) / 2;
    for (int k = 0; k < 8; ++k) {
        const Box cell{r.left + k * cw, top, r.left + (k + 1) * cw, top + f.tmH};
        const QString name =
            k < 7 && static_cast<std::size_t>(k) < f.data.days.size()
                ? f.style.locale.toString(qdate(f.data.days[static_cast<std::size_t>(k)].date), QStringLiteral("ddd"))
                : QStringLiteral("Total");
        drawTextIn(p, cell, Qt::AlignCenter | Qt::TextSingleLine, name);
    }
    p.setPen(Qt::black);
}

void paintGrid(Frame& f, const Box& r)
{
    const int cw = r.width() / 8;
    const int band = f.dpiY / 4;
    const int rh = (r.bottom - (r.top + band)) / 4;
    gridShell(f, r, cw, rh);
    QPainter& p = f.painter;
    for (std::size_t k = 0; k < f.data.days.size() && k < 28; ++k) {
        const int row = static_cast<int>(k) / 7;
        const int column = static_cast<int>(k) % 7;
        const int left = r.left + f.dpiX / 32 + column * cw;
        const int top = r.top + band + f.dpiY / 32 + row * rh;
        const Box label{left, top, left + cw - f.dpiX / 32, top + rh};
        p.setFont(f.bold);
        p.setPen(Qt::black);
        drawTextIn(p, label, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                   f.style.locale.toString(qdate(f.data.days[k].date), QStringLiteral("MMM d")));
        const Box area{label.left, label.top + f.tmH, label.right, label.bottom - f.tmH};
        int entryTop = area.top;
        for (const WeekEntryLine& line : f.data.days[k].entries) {
            if (area.bottom - entryTop <= kGridRoom)
                break;
            entryTop += drawEntry(f, area, entryTop, line) + 2;
        }
        if (column != 6 || static_cast<std::size_t>(row) >= f.data.totals.size())
            continue;
        const Box totals = area.moved(cw, 0);
        int lineTop = totals.top;
        p.setFont(f.normal);
        for (const WeekSportLine& line : f.data.totals[static_cast<std::size_t>(row)]) {
            if (totals.bottom - lineTop <= kGridRoom)
                break;
            p.setPen(sportColor(f, line.sportIndex));
            lineTop += drawTextIn(p, {totals.left, lineTop, totals.right, totals.bottom}, kEntryFlags,
                                  latin1(line.text));
        }
        p.setPen(Qt::black);
    }
}

}  // namespace

void paintWeek(QPainter& painter, const QRect& area, const WeekData& data, const PaintStyle& style)
{
    Frame f{painter, data, style, 96, 96, QFont(), QFont(), 0};
    f.dpiX = deviceDpiX(painter);
    f.dpiY = deviceDpiY(painter);
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    Box r = Box::of(area);
    if (style.printing) {
        // The cover edges and the grid's shadow reach past the frame; on
        // paper they are brought inside the rectangle the page gives.
        const int overhang = f.dpiX / 16;
        r = {r.left + overhang, r.top, r.right - overhang, r.bottom - overhang};
    } else {
        fillBox(painter, r, kViewBackground);
        r = r.shrunk(15);
        r.bottom -= 25;
    }
    f.bold = viewFont(style, f.dpiY, QFont::Bold);
    f.normal = viewFont(style, f.dpiY, QFont::Normal);
    painter.setFont(f.bold);
    f.tmH = painter.fontMetrics().height();
    if (data.fourWeeks)
        paintGrid(f, r);
    else
        paintBinder(f, r);
    painter.restore();
}
