#pragma once

#include <QRectF>

#include <vector>

namespace virelai {

// The value axis as drawn: it runs from 0 to top, with a label at each tick.
struct AxisTicks
{
    double top = 1.0;
    std::vector<double> values;
};

// More ticks than this would make the labels unreadable and the drawing slow.
inline constexpr int MaxAxisTicks = 100;

// Ticks from 0 to maximum in steps of increment. A maximum that is not above 0
// gives a 0..1 scale with the 0 tick only; an increment that is not above 0, or
// that would give more than MaxAxisTicks ticks, gives the two ends only.
AxisTicks axisTicks(double maximum, double increment);

// The vertical position of a value on an axis 0..top spanning plot, kept inside plot.
double valueToY(double value, double top, const QRectF &plot);

struct BarPlacement
{
    int pointCount = 1; // categories, each one slot of the plot's width
    int pointIndex = 0; // 0-based
    int barWidthPercent = 100; // of the slot
    int offsetPercent = 0; // of the bar's own width, negative to the left
};

// How far a bar reaches from the centre of its slot, in slots: half its width
// plus its offset.
double barHalfExtent(int barWidthPercent, int offsetPercent);

// Where the category slots lie in the plot: the whole width, or less so that a
// bar reaching halfExtent slots from its slot's centre (an offset bar in the
// first or last slot) still stands wholly inside the plot.
QRectF categorySlots(const QRectF &plot, int pointCount, double halfExtent);

// The bar of one point: centred in its category slot of slots, shifted by its
// offset, from 0 up to its value, clipped to the plot area (possibly empty).
QRectF barRect(const QRectF &plot, const QRectF &slots, const BarPlacement &placement, double value,
               double axisTop);

} // namespace virelai
