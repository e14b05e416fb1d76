#pragma once

#include <QRect>

#include "views/logic/week_data.h"
#include "views/paint_style.h"

class QPainter;

// The week view: the binder of one week or the grid of four, whichever the
// data holds, drawn into area of any device (widget, image, printer) in that
// device's own units. Nothing is drawn outside area.
void paintWeek(QPainter& painter, const QRect& area, const WeekData& data, const PaintStyle& style);
