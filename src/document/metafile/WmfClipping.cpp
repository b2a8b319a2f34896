#include "document/metafile/WmfPlayer.h"

#include "document/metafile/WmfRecordTypes.h"

namespace virelai {

bool WmfPlayer::playClipRecord(quint16 function, const WmfParams &params)
{
    switch (function) {
    case IntersectClipRect:
    case ExcludeClipRect: {
        QPainterPath box;
        box.addRect(mapRect(params.s(3), params.s(2), params.s(1), params.s(0)));
        QPainterPath current;
        if (m_dc.clip)
            current = *m_dc.clip;
        else
            current.addRect(m_target);
        setClip(function == IntersectClipRect ? current.intersected(box) : current.subtracted(box));
        return true;
    }
    case OffsetClipRgn:
        if (m_dc.clip) {
            const QPointF offset = map(params.s(1), params.s(0)) - map(0, 0);
            setClip(m_dc.clip->translated(offset));
        }
        return true;
    case SelectClipRegion: {
        const quint16 index = params.u(0);
        const WmfRegion *region
            = index < m_objects.size() ? std::get_if<WmfRegion>(&m_objects[index]) : nullptr;
        setClip(region ? std::optional(m_logicalToTarget.map(region->path)) : std::nullopt);
        return true;
    }
    default:
        return false;
    }
}

void WmfPlayer::setClip(std::optional<QPainterPath> clip)
{
    m_dc.clip = std::move(clip);
    applyClip();
}

// The file's clip always stays inside the clip the picture started with.
void WmfPlayer::applyClip()
{
    if (!m_dc.clip) {
        if (m_hasBaseClip)
            m_painter.setClipPath(m_baseClip);
        else
            m_painter.setClipping(false);
        return;
    }
    m_painter.setClipPath(m_hasBaseClip ? m_baseClip.intersected(*m_dc.clip) : *m_dc.clip);
}

} // namespace virelai
