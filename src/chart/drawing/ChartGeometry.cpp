#include "ChartGeometry.h"

#include <algorithm>
#include <cmath>

namespace virelai {

AxisTicks axisTicks(double maximum, double increment)
{
    AxisTicks ticks;
    if (!(std::isfinite(maximum) && maximum > 0.0)) {
        ticks.values = {0.0};
        return ticks;
    }
    ticks.top = maximum;
    const double steps = maximum / increment;
    if (!(std::isfinite(increment) && increment > 0.0 && steps <= MaxAxisTicks - 1)) {
        ticks.values = {0.0, maximum};
        return ticks;
    }
    // A small tolerance keeps the last tick when the division is not exact in binary.
    const int last = int(std::floor(steps + 1e-9));
    for (int i = 0; i <= last; ++i)
        ticks.values.push_back(i * increment);
    return ticks;
}

double valueToY(double value, double top, const QRectF &plot)
{
    if (std::isnan(value) || !(top > 0.0))
        return plot.bottom();
    const double fraction = std::clamp(value / top, 0.0, 1.0);
    return plot.bottom() - fraction * plot.height();
}

double barHalfExtent(int barWidthPercent, int offsetPercent)
{
    const double width = barWidthPercent / 100.0;
    return width / 2.0 + width * std::abs(offsetPercent) / 100.0;
}

QRectF categorySlots(const QRectF &plot, int pointCount, double halfExtent)
{
    const double overhang = std::max(0.0, halfExtent - 0.5);
    const double slot = plot.width() / (std::max(pointCount, 1) + 2.0 * overhang);
    return plot.adjusted(overhang * slot, 0.0, -overhang * slot, 0.0);
}

QRectF barRect(const QRectF &plot, const QRectF &slots, const BarPlacement &placement, double value,
               double axisTop)
{
    const int count = std::max(placement.pointCount, 1);
    const double slot = slots.width() / count;
    const double width = slot * placement.barWidthPercent / 100.0;
    const double centre = slots.left() + slot * (placement.pointIndex + 0.5)
        + width * placement.offsetPercent / 100.0;
    const double top = valueToY(value, axisTop, plot);
    const QRectF bar(QPointF(centre - width / 2.0, top),
                     QPointF(centre + width / 2.0, plot.bottom()));
    const double left = std::clamp(bar.left(), plot.left(), plot.right());
    const double right = std::clamp(bar.right(), plot.left(), plot.right());
    return QRectF(QPointF(left, bar.top()), QPointF(right, bar.bottom()));
}

} // namespace virelai
