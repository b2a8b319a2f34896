#include "document/metafile/WmfPlayer.h"

#include "document/metafile/WmfLimits.h"
#include "document/metafile/WmfRecordTypes.h"

namespace virelai {

namespace {

QTransform frameToTarget(const QRectF &frame, const QRectF &target)
{
    const qreal scaleX = target.width() / frame.width();
    const qreal scaleY = target.height() / frame.height();
    return QTransform(scaleX, 0, 0, scaleY, target.left() - frame.left() * scaleX,
                      target.top() - frame.top() * scaleY);
}

} // namespace

WmfPlayer::WmfPlayer(const WmfDocument &document, QPainter &painter, const QRectF &frame,
                     const QRectF &target)
    : m_document(document)
    , m_painter(painter)
    , m_deviceToTarget(frameToTarget(frame, target))
    , m_target(target)
    , m_fonts(maxFonts)
{
    m_dc.mapping = WmfMapping::forFrame(frame);
    m_objects.resize(size_t(std::clamp(document.objectCount, 0, maxObjects)));
    updateTransform();
}

void WmfPlayer::play(bool clipToTarget)
{
    m_painter.save();
    if (clipToTarget) {
        m_painter.setClipRect(m_target, Qt::IntersectClip);
        m_baseClip = m_painter.clipPath();
        m_hasBaseClip = true;
    }
    for (const WmfRecord &record : m_document.records)
        playRecord(record);
    m_painter.restore();
}

void WmfPlayer::playRecord(const WmfRecord &record)
{
    const WmfParams params = m_document.params(record);
    const quint16 function = record.function;
    // Escapes (SETABORTPROC among them), palette and stretch-mode records and
    // unknown records are never acted on.
    playStateRecord(function, params) || playMappingRecord(function, params)
        || playObjectRecord(record, params) || playShapeRecord(function, params)
        || playArcRecord(function, params) || playTextRecord(function, params)
        || playBitmapRecord(record, params) || playClipRecord(function, params);
}

bool WmfPlayer::playStateRecord(quint16 function, const WmfParams &params)
{
    switch (function) {
    case SetBkMode:
        m_dc.backgroundMode = params.u(0);
        return true;
    case SetBkColor:
        m_dc.backgroundColor = colorFromRef(params.u32(0));
        return true;
    case SetTextColor:
        m_dc.textColor = colorFromRef(params.u32(0));
        return true;
    case SetTextAlign:
        m_dc.textAlign = params.u(0);
        return true;
    case SetPolyFillMode:
        m_dc.polyFillMode = params.u(0);
        return true;
    case SetRop2:
        m_dc.rop2 = params.u(0);
        return true;
    case SetTextCharExtra:
        m_dc.charExtra = params.s(0);
        return true;
    case SaveDc:
        saveContext();
        return true;
    case RestoreDc:
        restoreContext(params.s(0));
        return true;
    default:
        return false;
    }
}

bool WmfPlayer::playMappingRecord(quint16 function, const WmfParams &params)
{
    WmfMapping &mapping = m_dc.mapping;
    // Points are stored y first. A zero extent would make the mapping
    // singular: the device context refuses it, and so do we.
    const QPointF point(params.s(1), params.s(0));
    const bool nonZero = point.x() != 0 && point.y() != 0;
    switch (function) {
    case SetMapMode:
        mapping.mapMode = params.u(0);
        break;
    case SetWindowOrg:
        mapping.windowOrg = point;
        break;
    case SetWindowExt:
        if (nonZero)
            mapping.windowExt = point;
        break;
    case SetViewportOrg:
        mapping.viewportOrg = point;
        break;
    case SetViewportExt:
        if (nonZero)
            mapping.viewportExt = point;
        break;
    case OffsetWindowOrg:
        mapping.windowOrg += point;
        break;
    case OffsetViewportOrg:
        mapping.viewportOrg += point;
        break;
    case ScaleWindowExt:
    case ScaleViewportExt: {
        // xNum, xDenom, yNum, yDenom stored backwards.
        const qreal xNum = params.s(3), xDenom = params.s(2);
        const qreal yNum = params.s(1), yDenom = params.s(0);
        if (xNum == 0 || xDenom == 0 || yNum == 0 || yDenom == 0)
            break;
        QPointF &ext = function == ScaleWindowExt ? mapping.windowExt : mapping.viewportExt;
        ext = QPointF(ext.x() * xNum / xDenom, ext.y() * yNum / yDenom);
        break;
    }
    default:
        return false;
    }
    updateTransform();
    return true;
}

bool WmfPlayer::playObjectRecord(const WmfRecord &record, const WmfParams &params)
{
    switch (record.function) {
    case CreatePenIndirect:
        createObject(decodePen(params));
        return true;
    case CreateBrushIndirect:
        createObject(decodeBrush(params));
        return true;
    case CreateFontIndirect:
        createObject(decodeFont(params));
        return true;
    case CreateRegion:
        createObject(decodeRegion(params));
        return true;
    case DibCreatePatternBrush: {
        // A pattern we cannot decode fills nothing rather than a wrong colour.
        WmfPlayerBrush brush;
        brush.style = record.image >= 0 ? BrushDibPattern : BrushNull;
        if (record.image >= 0)
            brush.pattern = m_document.images[size_t(record.image)];
        createObject(std::move(brush));
        return true;
    }
    case SelectObject:
        selectObject(params.u(0));
        return true;
    case DeleteObject:
        deleteObject(params.u(0));
        return true;
    default:
        if (!createsObject(record.function))
            return false;
        createObject(WmfUnusedObject());
        return true;
    }
}

// A new object takes the lowest free slot; when none is free it is lost, as
// the device context would lose it.
void WmfPlayer::createObject(WmfObject object)
{
    for (WmfObject &slot : m_objects) {
        if (std::holds_alternative<std::monostate>(slot)) {
            slot = std::move(object);
            return;
        }
    }
}

void WmfPlayer::selectObject(quint16 index)
{
    if (index >= m_objects.size())
        return;
    const WmfObject &object = m_objects[index];
    if (const auto *pen = std::get_if<WmfPlayerPen>(&object))
        m_dc.pen = *pen;
    else if (const auto *brush = std::get_if<WmfPlayerBrush>(&object))
        m_dc.brush = *brush;
    else if (const auto *font = std::get_if<WmfPlayerFont>(&object))
        m_dc.font = *font;
    else if (const auto *region = std::get_if<WmfRegion>(&object))
        setClip(m_logicalToTarget.map(region->path));
}

// The selected copies stay in the device context, so deleting a selected
// object does not change what is drawn.
void WmfPlayer::deleteObject(quint16 index)
{
    if (index < m_objects.size())
        m_objects[index] = std::monostate();
}

void WmfPlayer::saveContext()
{
    if (m_saved.size() < size_t(maxSavedStates))
        m_saved.push_back(m_dc);
}

// Negative: relative to the latest save (-1 is the latest); positive: the
// n-th saved state counting from the first.
void WmfPlayer::restoreContext(qint16 which)
{
    const qsizetype count = qsizetype(m_saved.size());
    const qsizetype index = which < 0 ? count + which : which - 1;
    if (which == 0 || index < 0 || index >= count)
        return;
    const bool clipChanged = m_saved[size_t(index)].clip.has_value() || m_dc.clip.has_value();
    m_dc = m_saved[size_t(index)];
    m_saved.resize(size_t(index));
    updateTransform();
    if (clipChanged)
        applyClip();
}

void WmfPlayer::updateTransform()
{
    m_logicalToTarget = m_dc.mapping.logicalToDevice() * m_deviceToTarget;
}

QRectF WmfPlayer::mapRect(qreal left, qreal top, qreal right, qreal bottom) const
{
    return QRectF(map(left, top), map(right, bottom)).normalized();
}

QPolygonF WmfPlayer::readPoints(const WmfParams &params, quint32 firstWord, quint32 count) const
{
    QPolygonF points;
    if (!params.has(firstWord + 2 * quint64(count)))
        return points;
    points.reserve(count);
    for (quint32 i = 0; i < count; ++i)
        points.append(map(params.s(firstWord + 2 * i), params.s(firstWord + 2 * i + 1)));
    return points;
}

} // namespace virelai
