#pragma once

#include "document/metafile/WmfParams.h"

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>

#include <variant>

namespace virelai {

enum PenStyle { PenSolid = 0, PenDash, PenDot, PenDashDot, PenDashDotDot, PenNull, PenInsideFrame };
enum BrushStyle {
    BrushSolid = 0,
    BrushNull = 1,
    BrushHatched = 2,
    BrushPattern = 3,
    BrushDibPattern = 5
};

struct WmfPlayerPen
{
    quint16 style = PenSolid; // low byte: dash style; high bits: caps and joins
    qint16 width = 0; // logical units; 0 is one device pixel
    QColor color = Qt::black;
};

struct WmfPlayerBrush
{
    quint16 style = BrushSolid;
    QColor color = Qt::white;
    quint16 hatch = 0;
    QImage pattern;
};

struct WmfPlayerFont
{
    qint16 height = 0; // < 0: character height; > 0: cell height; 0: default
    qint16 width = 0;
    qint16 escapement = 0; // tenths of a degree, counter-clockwise
    qint16 weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    quint8 charset = 0;
    QString face;
};

// Scans of a region in logical units, kept as a path.
struct WmfRegion
{
    QPainterPath path;
};

// Palettes and other objects we do not draw with still fill a slot.
struct WmfUnusedObject
{
};

// monostate: a free slot.
using WmfObject = std::variant<std::monostate, WmfPlayerPen, WmfPlayerBrush, WmfPlayerFont,
                               WmfRegion, WmfUnusedObject>;

// A COLORREF (0x00BBGGRR); the high byte (palette flags) is ignored.
QColor colorFromRef(quint32 value);
WmfPlayerPen decodePen(const WmfParams &params);
WmfPlayerBrush decodeBrush(const WmfParams &params);
WmfPlayerFont decodeFont(const WmfParams &params);
WmfRegion decodeRegion(const WmfParams &params);

} // namespace virelai
