#pragma once

#include <QPaintEngine>
#include <QTransform>

namespace virelai {

class WmfRecorder;

// Turns QPainter calls (rectangles, lines, polygons, paths, text) into metafile
// records, so the chart code draws the same on screen, in tests and into a file.
// Logical coordinates are multiplied by unitsPerPixel to keep fractions of a pixel.
// Images and clipping are not recorded: the charts use neither.
class WmfPaintEngine : public QPaintEngine
{
public:
    WmfPaintEngine(WmfRecorder &recorder, int unitsPerPixel, int dpi);

    bool begin(QPaintDevice *device) override;
    bool end() override;
    void updateState(const QPaintEngineState &state) override;
    void drawRects(const QRectF *rects, int rectCount) override;
    void drawLines(const QLineF *lines, int lineCount) override;
    void drawPolygon(const QPointF *points, int pointCount, PolygonDrawMode mode) override;
    void drawPath(const QPainterPath &path) override;
    void drawTextItem(const QPointF &p, const QTextItem &textItem) override;
    void drawPixmap(const QRectF &r, const QPixmap &pm, const QRectF &sr) override;
    Type type() const override { return QPaintEngine::User; }

private:
    QPoint toUnits(const QPointF &point) const;
    std::vector<QPoint> toUnits(const QPolygonF &polygon) const;
    void selectOutline();
    void selectFill(bool filled);

    WmfRecorder &recorder;
    const int unitsPerPixel;
    const int dpi;
    QTransform transform;
    QPen pen;
    QBrush brush;
};

} // namespace virelai
