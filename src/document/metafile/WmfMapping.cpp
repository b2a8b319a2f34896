#include "document/metafile/WmfMapping.h"

#include <cmath>

namespace virelai {

WmfMapping WmfMapping::forFrame(const QRectF &frame)
{
    WmfMapping mapping;
    mapping.windowOrg = mapping.viewportOrg = frame.topLeft();
    mapping.windowExt = mapping.viewportExt = QPointF(frame.width(), frame.height());
    return mapping;
}

QTransform WmfMapping::logicalToDevice() const
{
    qreal scaleX = viewportExt.x() / windowExt.x();
    qreal scaleY = viewportExt.y() / windowExt.y();
    if (mapMode == MapIsotropic) {
        // The smaller scale on both axes, each keeping its direction.
        const qreal uniform = std::min(std::abs(scaleX), std::abs(scaleY));
        scaleX = std::copysign(uniform, scaleX);
        scaleY = std::copysign(uniform, scaleY);
    } else if (mapMode > MapText && mapMode < MapIsotropic) {
        // The metric modes: one logical unit per device unit, y upwards.
        scaleX = 1;
        scaleY = -1;
    }
    return QTransform(scaleX, 0, 0, scaleY, viewportOrg.x() - windowOrg.x() * scaleX,
                      viewportOrg.y() - windowOrg.y() * scaleY);
}

} // namespace virelai
