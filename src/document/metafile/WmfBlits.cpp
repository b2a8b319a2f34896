#include "document/metafile/WmfPlayer.h"

#include "document/metafile/WmfRecordTypes.h"

#include <QPaintEngine>

namespace virelai {

namespace {

enum RasterOperation : quint32 {
    SrcCopy = 0x00CC0020,
    SrcAnd = 0x008800C6,
    SrcPaint = 0x00EE0086,
    SrcInvert = 0x00660046,
    NotSrcCopy = 0x00330008,
    PatCopy = 0x00F00021,
    PatInvert = 0x005A0049,
    DstInvert = 0x00550009,
    Blackness = 0x00000042,
    Whiteness = 0x00FF0062,
};

// The raster operations that combine with what is already drawn exist only
// on images; elsewhere the nearest blend mode stands in.
QPainter::CompositionMode combiningMode(quint32 rop, bool rasterOps)
{
    switch (rop) {
    case SrcAnd:
        return rasterOps ? QPainter::RasterOp_SourceAndDestination
                         : QPainter::CompositionMode_Multiply;
    case SrcPaint:
        return rasterOps ? QPainter::RasterOp_SourceOrDestination
                         : QPainter::CompositionMode_Lighten;
    case SrcInvert:
    case PatInvert:
        return rasterOps ? QPainter::RasterOp_SourceXorDestination
                         : QPainter::CompositionMode_Difference;
    case DstInvert:
        return rasterOps ? QPainter::RasterOp_NotDestination : QPainter::CompositionMode_Difference;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

struct BlitGeometry
{
    QRectF destination; // logical units: x, y, width, height
    QRectF source; // bitmap pixels
    bool bottomUpSource = false;
};

// Fields are stored backwards; `at` is the index of the first one after the
// raster operation (and colour use for STRETCHDIB).
BlitGeometry blitGeometry(quint16 function, const WmfParams &params, bool withBitmap)
{
    BlitGeometry geometry;
    if (function == DibBitBlt) {
        const quint32 at = withBitmap ? 2 : 3;
        const qreal height = params.s(at + 2), width = params.s(at + 3);
        geometry.source = QRectF(params.s(at + 1), params.s(at), width, height);
        geometry.destination = QRectF(params.s(at + 5), params.s(at + 4), width, height);
        return geometry;
    }
    const quint32 at = function == StretchDib ? 3 : 2;
    const quint32 destinationAt = at + 4 + (withBitmap ? 0 : 1);
    geometry.source = QRectF(params.s(at + 3), params.s(at + 2), params.s(at + 1), params.s(at));
    geometry.destination = QRectF(params.s(destinationAt + 3), params.s(destinationAt + 2),
                                  params.s(destinationAt + 1), params.s(destinationAt));
    geometry.bottomUpSource = function == StretchDib;
    return geometry;
}

QRectF sourceInImage(const BlitGeometry &geometry, const QImage &image)
{
    QRectF source = geometry.source.normalized();
    if (geometry.bottomUpSource)
        source.moveTop(image.height() - source.bottom());
    return source.intersected(QRectF(image.rect()));
}

} // namespace

bool WmfPlayer::playBitmapRecord(const WmfRecord &record, const WmfParams &params)
{
    const quint16 function = record.function;
    if (function == PatBlt) {
        const QRectF area(params.s(5), params.s(4), params.s(3), params.s(2));
        patternBlit(params.u32(0), area);
        return true;
    }
    if (function != DibBitBlt && function != DibStretchBlt && function != StretchDib)
        return false;
    const bool withBitmap = params.size() != quint32(function >> 8);
    const BlitGeometry geometry = blitGeometry(function, params, withBitmap);
    if (!withBitmap)
        patternBlit(params.u32(0), geometry.destination);
    else if (record.image >= 0)
        drawBitmap(record, params.u32(0), geometry.destination, geometry.source);
    return true;
}

void WmfPlayer::drawBitmap(const WmfRecord &record, quint32 rop, const QRectF &destination,
                           const QRectF &source)
{
    const QImage &image = m_document.images[size_t(record.image)];
    BlitGeometry geometry {destination, source, record.function == StretchDib};
    const QRectF from = sourceInImage(geometry, image);
    if (from.isEmpty())
        return;
    // Extents of opposite signs, once mapped, mirror the picture.
    const QPointF a = map(destination.left(), destination.top());
    const QPointF b = map(destination.right(), destination.bottom());
    QImage picture = image.copy(from.toAlignedRect()).mirrored(b.x() < a.x(), b.y() < a.y());
    if (rop == NotSrcCopy)
        picture.invertPixels();
    const QPaintEngine *engine = m_painter.paintEngine();
    const bool rasterOps = engine && engine->hasFeature(QPaintEngine::RasterOpModes);
    m_painter.setCompositionMode(combiningMode(rop, rasterOps));
    m_painter.drawImage(QRectF(a, b).normalized(), picture);
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void WmfPlayer::patternBlit(quint32 rop, const QRectF &area)
{
    const QRectF target = mapRect(area.left(), area.top(), area.right(), area.bottom());
    const QPaintEngine *engine = m_painter.paintEngine();
    const bool rasterOps = engine && engine->hasFeature(QPaintEngine::RasterOpModes);
    m_painter.setCompositionMode(combiningMode(rop, rasterOps));
    switch (rop) {
    case PatCopy:
    case PatInvert:
        m_painter.fillRect(target, currentBrush());
        break;
    case Blackness:
        m_painter.fillRect(target, Qt::black);
        break;
    case Whiteness:
        m_painter.fillRect(target, Qt::white);
        break;
    case DstInvert:
        m_painter.fillRect(target, Qt::white);
        break;
    default:
        break;
    }
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

} // namespace virelai
