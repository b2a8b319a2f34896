#pragma once

#include <QPointF>
#include <QRectF>
#include <QTransform>

namespace virelai {

enum MapMode { MapText = 1, MapIsotropic = 7, MapAnisotropic = 8 };

// Window and viewport of the metafile's device context. The device space is
// the picture's frame: the viewport starts as the frame itself, so a file that
// only sets its window maps that window onto the whole picture.
struct WmfMapping
{
    int mapMode = MapAnisotropic;
    QPointF windowOrg, windowExt {1, 1};
    QPointF viewportOrg, viewportExt {1, 1};

    static WmfMapping forFrame(const QRectF &frame);
    QTransform logicalToDevice() const;
};

} // namespace virelai
