#pragma once

#include "document/metafile/WmfMapping.h"
#include "document/metafile/WmfObjects.h"

#include <QPainterPath>

#include <optional>

namespace virelai {

enum BackgroundMode : quint16 { Transparent = 1, Opaque = 2 };
enum PolyFillMode : quint16 { Alternate = 1, Winding = 2 };
enum Rop2 : quint16 {
    Rop2Black = 1,
    Rop2NotCopyPen = 4,
    Rop2Not = 6,
    Rop2XorPen = 7,
    Rop2MaskPen = 9,
    Rop2Nop = 11,
    Rop2CopyPen = 13,
    Rop2MergePen = 15,
    Rop2White = 16
};

// What SAVEDC keeps and RESTOREDC brings back: the drawing state of the
// original device context, starting with its defaults.
struct WmfDeviceContext
{
    WmfMapping mapping;
    WmfPlayerPen pen;
    WmfPlayerBrush brush;
    WmfPlayerFont font;
    QColor textColor = Qt::black;
    QColor backgroundColor = Qt::white;
    quint16 backgroundMode = Opaque;
    quint16 textAlign = 0;
    quint16 polyFillMode = Alternate;
    quint16 rop2 = Rop2CopyPen;
    qint16 charExtra = 0;
    QPointF position; // logical units
    // In the painter's coordinates: a clip region does not move when the
    // mapping changes afterwards.
    std::optional<QPainterPath> clip;
};

} // namespace virelai
