#include "ChartMetafile.h"

#include "WmfPaintDevice.h"
#include "chart/drawing/ChartPainter.h"

#include <QPainter>

namespace virelai {

std::optional<QByteArray> chartMetafile(const TChart &chart)
{
    WmfPaintDevice device(ChartSize);
    QPainter painter;
    if (!painter.begin(&device))
        return std::nullopt;
    drawChart(painter, chart);
    painter.end();
    return device.bytes();
}

} // namespace virelai
