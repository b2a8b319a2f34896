#include "WmfPaintEngine.h"

#include "WmfRecorder.h"
#include "common/BgrColor.h"

#include <QPainterPath>
#include <QTextItem>

#include <cmath>

namespace virelai {

WmfPaintEngine::WmfPaintEngine(WmfRecorder &recorder, int unitsPerPixel, int dpi)
    : QPaintEngine(PrimitiveTransform | PainterPaths)
    , recorder(recorder)
    , unitsPerPixel(unitsPerPixel)
    , dpi(dpi)
{ }

bool WmfPaintEngine::begin(QPaintDevice *)
{
    return true;
}

bool WmfPaintEngine::end()
{
    return true;
}

void WmfPaintEngine::updateState(const QPaintEngineState &state)
{
    const DirtyFlags flags = state.state();
    if (flags & DirtyPen)
        pen = state.pen();
    if (flags & DirtyBrush)
        brush = state.brush();
    if (flags & DirtyTransform)
        transform = state.transform();
}

QPoint WmfPaintEngine::toUnits(const QPointF &point) const
{
    const QPointF mapped = transform.map(point) * unitsPerPixel;
    // Non-finite or huge coordinates are clamped here, before any integer conversion.
    const auto bounded = [](double v) {
        return std::isfinite(v) ? std::clamp(v, -1e6, 1e6) : 0.0;
    };
    return QPoint(int(std::lround(bounded(mapped.x()))), int(std::lround(bounded(mapped.y()))));
}

std::vector<QPoint> WmfPaintEngine::toUnits(const QPolygonF &polygon) const
{
    std::vector<QPoint> points;
    points.reserve(std::size_t(polygon.size()));
    for (const QPointF &point : polygon)
        points.push_back(toUnits(point));
    return points;
}

void WmfPaintEngine::selectOutline()
{
    WmfPen wanted;
    wanted.visible = pen.style() != Qt::NoPen;
    const double width = pen.isCosmetic() ? 1.0 : std::max(pen.widthF(), 1.0);
    wanted.width = int(std::lround(std::min(width, 1000.0) * unitsPerPixel));
    wanted.color = bgrFromColor(pen.color());
    recorder.selectPen(wanted);
}

void WmfPaintEngine::selectFill(bool filled)
{
    WmfBrush wanted;
    wanted.visible = filled && brush.style() != Qt::NoBrush;
    wanted.color = bgrFromColor(brush.color());
    recorder.selectBrush(wanted);
}

void WmfPaintEngine::drawRects(const QRectF *rects, int rectCount)
{
    selectOutline();
    selectFill(true);
    for (int i = 0; i < rectCount; ++i) {
        if (transform.isRotating()) {
            recorder.polygon(toUnits(QPolygonF(rects[i])));
            continue;
        }
        const QRectF rect = rects[i].normalized();
        recorder.rectangle(toUnits(rect.topLeft()), toUnits(rect.bottomRight()));
    }
}

void WmfPaintEngine::drawLines(const QLineF *lines, int lineCount)
{
    selectOutline();
    for (int i = 0; i < lineCount; ++i)
        recorder.polyline({toUnits(lines[i].p1()), toUnits(lines[i].p2())});
}

void WmfPaintEngine::drawPolygon(const QPointF *points, int pointCount, PolygonDrawMode mode)
{
    QPolygonF polygon;
    polygon.reserve(pointCount);
    for (int i = 0; i < pointCount; ++i)
        polygon.append(points[i]);
    selectOutline();
    if (mode == PolylineMode) {
        recorder.polyline(toUnits(polygon));
        return;
    }
    selectFill(true);
    recorder.polygon(toUnits(polygon));
}

void WmfPaintEngine::drawPath(const QPainterPath &path)
{
    selectOutline();
    selectFill(true);
    for (const QPolygonF &polygon : path.toFillPolygons())
        recorder.polygon(toUnits(polygon));
}

void WmfPaintEngine::drawTextItem(const QPointF &p, const QTextItem &textItem)
{
    const QFont font = textItem.font();
    const double pixels = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * dpi / 72.0;
    WmfFont wanted;
    wanted.face = font.family();
    wanted.height = int(std::lround(pixels * transform.m22() * unitsPerPixel));
    wanted.bold = font.bold();
    wanted.italic = font.italic();
    recorder.selectFont(wanted);
    recorder.setTextColor(bgrFromColor(pen.color()));
    recorder.textOut(toUnits(p), textItem.text());
}

void WmfPaintEngine::drawPixmap(const QRectF &, const QPixmap &, const QRectF &)
{
    // Pictures inside charts are not part of what the metafile carries.
}

} // namespace virelai
