#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>

// The drawing steps the views are measured in: rectangles by their four
// edges (right and bottom outside, as the measures count them), frames on
// the inside edge, fills, and text into a rectangle that clips it.
struct Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static Box of(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
    QRect rect() const { return QRect(left, top, right - left, bottom - top); }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    Box moved(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    Box shrunk(int by) const { return {left + by, top + by, right - by, bottom - by}; }
};

inline void fillBox(QPainter& painter, const Box& box, const QColor& color)
{
    if (box.width() > 0 && box.height() > 0)
        painter.fillRect(box.rect(), color);
}

// A one-unit frame on the inside edge of the box.
inline void frameBox(QPainter& painter, const Box& box, const QColor& color)
{
    if (box.width() <= 0 || box.height() <= 0)
        return;
    fillBox(painter, {box.left, box.top, box.right, box.top + 1}, color);
    fillBox(painter, {box.left, box.bottom - 1, box.right, box.bottom}, color);
    fillBox(painter, {box.left, box.top, box.left + 1, box.bottom}, color);
    fillBox(painter, {box.right - 1, box.top, box.right, box.bottom}, color);
}

// A filled circle (or ellipse) inside the box.
inline void fillEllipse(QPainter& painter, const Box& box, const QColor& color)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawEllipse(box.rect());
    painter.restore();
}

// A one-unit line from (x1, y1) up to, not including, (x2, y2); only
// horizontal and vertical lines are drawn here.
inline void lineTo(QPainter& painter, int x1, int y1, int x2, int y2, const QColor& color)
{
    if (y1 == y2)
        fillBox(painter, {std::min(x1, x2), y1, std::max(x1, x2), y1 + 1}, color);
    else
        fillBox(painter, {x1, std::min(y1, y2), x1 + 1, std::max(y1, y2)}, color);
}

// Text into a box that clips it, with Qt alignment and wrapping flags.
// Gives the height the text takes laid out at the box's width (the part
// the box cut off included). background: filled behind the text when valid.
inline int drawTextIn(QPainter& painter, const Box& box, int flags, const QString& text,
                      const QColor& background = QColor())
{
    const QRect area(box.left, box.top, std::max(0, box.width()), std::max(0, box.height()));
    QRect bounds =
        painter.fontMetrics().boundingRect(QRect(box.left, box.top, std::max(0, box.width()), 1 << 20), flags, text);
    if (area.isEmpty())
        return bounds.height();
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    if (background.isValid())
        painter.fillRect(bounds.intersected(area), background);
    painter.drawText(area, flags, text);
    painter.restore();
    return bounds.height();
}
