#include "document/metafile/WmfPlayer.h"

#include "document/metafile/WmfRecordTypes.h"

#include <cmath>

namespace virelai {

namespace {

Qt::FillRule fillRule(quint16 polyFillMode)
{
    return polyFillMode == Winding ? Qt::WindingFill : Qt::OddEvenFill;
}

// The angle, in degrees, at which the line from the ellipse's centre through
// a point meets the ellipse, in the parametric form QPainterPath uses.
qreal ellipseAngle(const QRectF &ellipse, const QPointF &point)
{
    const QPointF centre = ellipse.center();
    const qreal rx = ellipse.width() / 2, ry = ellipse.height() / 2;
    if (rx <= 0 || ry <= 0)
        return 0;
    return std::atan2(-(point.y() - centre.y()) / ry, (point.x() - centre.x()) / rx) * 180 / M_PI;
}

} // namespace

bool WmfPlayer::playShapeRecord(quint16 function, const WmfParams &params)
{
    QPainterPath path;
    path.setFillRule(fillRule(m_dc.polyFillMode));
    switch (function) {
    case MoveTo:
        m_dc.position = QPointF(params.s(1), params.s(0));
        return true;
    case LineTo: {
        const QPointF to(params.s(1), params.s(0));
        path.moveTo(map(m_dc.position.x(), m_dc.position.y()));
        path.lineTo(map(to.x(), to.y()));
        m_dc.position = to;
        stroke(path);
        return true;
    }
    case Rectangle:
        path.addRect(mapRect(params.s(3), params.s(2), params.s(1), params.s(0)));
        fillAndStroke(path);
        return true;
    case Ellipse:
        path.addEllipse(mapRect(params.s(3), params.s(2), params.s(1), params.s(0)));
        fillAndStroke(path);
        return true;
    case RoundRect: {
        const QRectF box = mapRect(params.s(5), params.s(4), params.s(3), params.s(2));
        const qreal rx = std::min(std::abs(params.s(1)) * scaleX() / 2, box.width() / 2);
        const qreal ry = std::min(std::abs(params.s(0)) * scaleY() / 2, box.height() / 2);
        path.addRoundedRect(box, rx, ry);
        fillAndStroke(path);
        return true;
    }
    case Polygon:
    case Polyline: {
        const QPolygonF points = readPoints(params, 1, params.u(0));
        if (points.size() < 2)
            return true;
        path.addPolygon(points);
        if (function == Polygon) {
            path.closeSubpath();
            fillAndStroke(path);
        } else {
            stroke(path);
        }
        return true;
    }
    case PolyPolygon: {
        // The counts must all fit in the record, or the record is skipped.
        const quint16 polygons = params.u(0);
        quint64 pointCount = 0;
        for (quint16 i = 0; i < polygons; ++i)
            pointCount += params.u(1 + i);
        const quint32 firstPoint = 1 + quint32(polygons);
        if (!params.has(firstPoint + 2 * pointCount))
            return true;
        quint32 at = firstPoint;
        for (quint16 i = 0; i < polygons; ++i) {
            const quint16 count = params.u(1 + i);
            path.addPolygon(readPoints(params, at, count));
            path.closeSubpath();
            at += 2 * quint32(count);
        }
        fillAndStroke(path);
        return true;
    }
    case SetPixel:
        if (!drawsNothing())
            m_painter.fillRect(QRectF(map(params.s(3), params.s(2)), QSizeF(scaleX(), scaleY())),
                               colorFromRef(params.u32(0)));
        return true;
    default:
        return false;
    }
}

// ARC, PIE and CHORD: box and two radial points, counter-clockwise from the
// start point to the end point as seen on the page.
bool WmfPlayer::playArcRecord(quint16 function, const WmfParams &params)
{
    if (function != Arc && function != Pie && function != Chord)
        return false;
    if (!params.has(8))
        return true;
    const QRectF box = mapRect(params.s(7), params.s(6), params.s(5), params.s(4));
    const qreal start = ellipseAngle(box, map(params.s(3), params.s(2)));
    const qreal end = ellipseAngle(box, map(params.s(1), params.s(0)));
    qreal sweep = end - start;
    if (sweep <= 0)
        sweep += 360;
    QPainterPath arc;
    arc.arcMoveTo(box, start);
    arc.arcTo(box, start, sweep);
    if (function == Arc) {
        stroke(arc);
        return true;
    }
    QPainterPath closed;
    if (function == Pie) {
        closed.moveTo(box.center());
        closed.lineTo(arc.pointAtPercent(0));
        closed.connectPath(arc);
    } else {
        closed = arc;
    }
    closed.closeSubpath();
    fillAndStroke(closed);
    return true;
}

} // namespace virelai
