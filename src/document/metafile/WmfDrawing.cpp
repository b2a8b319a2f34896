#include "document/metafile/WmfPlayer.h"

#include <QPaintEngine>

namespace virelai {

namespace {

enum PenFlags : quint16 {
    StyleMask = 0x000F,
    CapSquare = 0x0100,
    CapFlat = 0x0200,
    JoinBevel = 0x1000,
    JoinMiter = 0x2000,
};

Qt::PenStyle dashStyle(quint16 style)
{
    switch (style & StyleMask) {
    case PenDash:
        return Qt::DashLine;
    case PenDot:
        return Qt::DotLine;
    case PenDashDot:
        return Qt::DashDotLine;
    case PenDashDotDot:
        return Qt::DashDotDotLine;
    case PenNull:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

Qt::BrushStyle hatchStyle(quint16 hatch)
{
    constexpr Qt::BrushStyle styles[] = {Qt::HorPattern,   Qt::VerPattern,   Qt::FDiagPattern,
                                         Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    return hatch < std::size(styles) ? styles[hatch] : Qt::SolidPattern;
}

QColor forcedRop2Color(quint16 rop2, const QColor &color)
{
    if (rop2 == Rop2Black)
        return Qt::black;
    if (rop2 == Rop2White)
        return Qt::white;
    return color;
}

} // namespace

QPen WmfPlayer::currentPen() const
{
    const WmfPlayerPen &pen = m_dc.pen;
    // Wide pens are always solid in the device context.
    Qt::PenStyle style = dashStyle(pen.style);
    if (pen.width > 1 && style != Qt::NoPen)
        style = Qt::SolidLine;
    QPen qpen(forcedRop2Color(m_dc.rop2, pen.color), std::abs(pen.width) * scaleX(), style);
    if (pen.width == 0)
        qpen.setCosmetic(true);
    qpen.setCapStyle((pen.style & CapFlat)         ? Qt::FlatCap
                         : (pen.style & CapSquare) ? Qt::SquareCap
                                                   : Qt::RoundCap);
    qpen.setJoinStyle((pen.style & JoinMiter)       ? Qt::MiterJoin
                          : (pen.style & JoinBevel) ? Qt::BevelJoin
                                                    : Qt::RoundJoin);
    return qpen;
}

QBrush WmfPlayer::currentBrush() const
{
    const WmfPlayerBrush &brush = m_dc.brush;
    const QColor color = forcedRop2Color(m_dc.rop2, brush.color);
    switch (brush.style) {
    case BrushSolid:
        return QBrush(color);
    case BrushHatched:
        return QBrush(color, hatchStyle(brush.hatch));
    case BrushDibPattern:
        return brush.pattern.isNull() ? QBrush(Qt::black) : QBrush(brush.pattern);
    default:
        return Qt::NoBrush;
    }
}

void WmfPlayer::applyRop2()
{
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    const QPaintEngine *engine = m_painter.paintEngine();
    if (engine && engine->hasFeature(QPaintEngine::RasterOpModes)) {
        switch (m_dc.rop2) {
        case Rop2Not:
            mode = QPainter::RasterOp_NotDestination;
            break;
        case Rop2XorPen:
            mode = QPainter::RasterOp_SourceXorDestination;
            break;
        case Rop2MaskPen:
            mode = QPainter::RasterOp_SourceAndDestination;
            break;
        case Rop2MergePen:
            mode = QPainter::RasterOp_SourceOrDestination;
            break;
        case Rop2NotCopyPen:
            mode = QPainter::RasterOp_NotSource;
            break;
        default:
            break;
        }
    }
    m_painter.setCompositionMode(mode);
}

void WmfPlayer::fillWithBrush(const QPainterPath &path)
{
    const WmfPlayerBrush &brush = m_dc.brush;
    // A hatch is drawn over the background colour unless the mode is transparent.
    if (brush.style == BrushHatched && m_dc.backgroundMode == Opaque)
        m_painter.fillPath(path, m_dc.backgroundColor);
    m_painter.fillPath(path, currentBrush());
}

void WmfPlayer::fillAndStroke(const QPainterPath &path)
{
    if (drawsNothing())
        return;
    applyRop2();
    if (m_dc.brush.style != BrushNull)
        fillWithBrush(path);
    stroke(path);
}

void WmfPlayer::stroke(const QPainterPath &path)
{
    if (drawsNothing() || (m_dc.pen.style & StyleMask) == PenNull)
        return;
    applyRop2();
    m_painter.strokePath(path, currentPen());
}

} // namespace virelai
