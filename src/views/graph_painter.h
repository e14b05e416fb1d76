#pragma once

#include <QRect>

#include "views/logic/graph_data.h"
#include "views/paint_style.h"

class QPainter;

// The graph: frame, plot area, grid, captions, period labels, the scale and
// the bars (stacked per sport for all sports), drawn into area of any device
// in that device's own units. Printing draws the title above the plot, frames
// single bars instead of filling them and leaves out the screen's fills.
void paintGraph(QPainter& painter, const QRect& area, const GraphData& data, const PaintStyle& style);
