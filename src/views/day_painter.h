#pragma once

#include <QRect>

#include "views/logic/day_data.h"
#include "views/paint_style.h"

class QPainter;

// The day view: one entry as the front card of a ring-bound stack, its labels
// on the left and its values beside them, and the entry's number below. An
// empty card draws the stack and the labels only. Draws into area of any
// device in that device's own units; nothing is drawn outside area.
void paintDay(QPainter& painter, const QRect& area, const DayCard& card, const PaintStyle& style);
