#pragma once

#include <QSize>

class QPainter;

namespace virelai {

struct TChart;

// The size of the chart control on the form (6150 x 4575 twips at 96 dpi), in the
// logical pixels the chart is drawn in.
inline constexpr QSize ChartSize(410, 305);

// Draws the chart into the rectangle (0, 0) - ChartSize of the painter's coordinates.
void drawChart(QPainter &painter, const TChart &chart);

} // namespace virelai
