#include "document/metafile/WmfObjects.h"

#include "common/BgrColor.h"
#include "document/metafile/WmfTextCodec.h"

namespace virelai {

namespace {

constexpr quint32 fontFaceWord = 9; // the face name follows 18 bytes of fields
constexpr int faceNameBytes = 32;

quint8 lowByte(quint16 value)
{
    return quint8(value & 0xFF);
}
quint8 highByte(quint16 value)
{
    return quint8(value >> 8);
}

} // namespace

QColor colorFromRef(quint32 value)
{
    return colorFromBgr(value & 0xFFFFFF);
}

WmfPlayerPen decodePen(const WmfParams &params)
{
    WmfPlayerPen pen;
    pen.style = params.u(0);
    pen.width = params.s(1);
    pen.color = colorFromRef(params.u32(3));
    return pen;
}

WmfPlayerBrush decodeBrush(const WmfParams &params)
{
    WmfPlayerBrush brush;
    brush.style = params.u(0);
    brush.color = colorFromRef(params.u32(1));
    brush.hatch = params.u(3);
    return brush;
}

WmfPlayerFont decodeFont(const WmfParams &params)
{
    WmfPlayerFont font;
    font.height = params.s(0);
    font.width = params.s(1);
    font.escapement = params.s(2);
    font.weight = params.s(4);
    font.italic = lowByte(params.u(5)) != 0;
    font.underline = highByte(params.u(5)) != 0;
    font.strikeOut = lowByte(params.u(6)) != 0;
    font.charset = highByte(params.u(6));
    QByteArray face;
    for (quint32 i = 0; i < faceNameBytes / 2 && params.has(fontFaceWord + i + 1); ++i) {
        const quint16 pair = params.u(fontFaceWord + i);
        face.append(char(lowByte(pair)));
        face.append(char(highByte(pair)));
    }
    const qsizetype end = face.indexOf('\0');
    font.face = decodeWmfText(end < 0 ? face : face.left(end), 0);
    return font;
}

// Header: next, type, object count (2 words), size, scan count, largest scan,
// bounding box (4 words); then each scan: count, top, bottom, count/2 pairs of
// left and right, count again.
WmfRegion decodeRegion(const WmfParams &params)
{
    constexpr quint32 firstScan = 11;
    WmfRegion region;
    const quint16 scanCount = params.u(5);
    quint32 at = firstScan;
    for (quint16 scan = 0; scan < scanCount && params.has(at + 3); ++scan) {
        const quint16 count = params.u(at);
        const qint16 top = params.s(at + 1), bottom = params.s(at + 2);
        const quint32 pairs = count / 2;
        if (!params.has(at + 3 + 2 * pairs + 1))
            break;
        for (quint32 i = 0; i < pairs; ++i) {
            const qint16 left = params.s(at + 3 + 2 * i), right = params.s(at + 4 + 2 * i);
            region.path.addRect(QRectF(QPointF(left, top), QPointF(right, bottom)).normalized());
        }
        at += 3 + 2 * pairs + 1;
    }
    if (region.path.isEmpty() && params.has(11)) {
        const QRectF box(QPointF(params.s(7), params.s(8)), QPointF(params.s(9), params.s(10)));
        region.path.addRect(box.normalized());
    }
    region.path.setFillRule(Qt::WindingFill);
    return region;
}

} // namespace virelai
