#include "document/metafile/WmfDib.h"

#include "document/metafile/WmfLimits.h"

#include <QtEndian>

#include <algorithm>
#include <vector>

namespace virelai {

namespace {

enum Compression : quint32 { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

struct DibInfo
{
    qint64 width = 0;
    qint64 height = 0; // negative: rows stored top-down
    quint16 bitCount = 0;
    quint32 compression = Rgb;
    qint64 colorCount = 0;
    qint64 headerBytes = 0;
    int colorEntryBytes = 4;
    quint32 masks[3] = {0x7C00, 0x03E0, 0x001F};
};

struct ByteView
{
    const uchar *data;
    qint64 size;
    quint32 u32(qint64 at) const { return qFromLittleEndian<quint32>(data + at); }
    quint16 u16(qint64 at) const { return qFromLittleEndian<quint16>(data + at); }
};

bool readInfo(const ByteView &dib, DibInfo &info)
{
    if (dib.size < 12)
        return false;
    info.headerBytes = dib.u32(0);
    if (info.headerBytes == 12) {
        info.width = dib.u16(4);
        info.height = dib.u16(6);
        info.bitCount = dib.u16(10);
        info.colorEntryBytes = 3;
        info.colorCount = info.bitCount <= 8 ? (qint64(1) << info.bitCount) : 0;
        return true;
    }
    if (info.headerBytes < 40 || info.headerBytes > dib.size)
        return false;
    info.width = qint32(dib.u32(4));
    info.height = qint32(dib.u32(8));
    info.bitCount = dib.u16(14);
    info.compression = dib.u32(16);
    const qint64 used = dib.u32(32);
    info.colorCount = used != 0 ? used : (info.bitCount <= 8 ? (qint64(1) << info.bitCount) : 0);
    if (info.compression == BitFields) {
        // Masks follow a plain info header, or sit inside a larger one.
        if (dib.size < 52)
            return false;
        for (int i = 0; i < 3; ++i)
            info.masks[i] = dib.u32(40 + 4 * i);
        if (info.headerBytes == 40)
            info.headerBytes += 12;
    } else if (info.bitCount == 32) {
        info.masks[0] = 0xFF0000, info.masks[1] = 0xFF00, info.masks[2] = 0xFF;
    }
    return true;
}

bool withinLimits(const DibInfo &info, qint64 byteBudget)
{
    const qint64 rows = info.height < 0 ? -info.height : info.height;
    const bool knownDepth = info.bitCount == 1 || info.bitCount == 4 || info.bitCount == 8
        || info.bitCount == 16 || info.bitCount == 24 || info.bitCount == 32;
    return knownDepth && info.width > 0 && rows > 0 && info.width <= maxBitmapSide
        && rows <= maxBitmapSide && info.width * rows * 4 <= std::min(maxBitmapBytes, byteBudget)
        && info.colorCount <= 65536;
}

QVector<QRgb> readColors(const ByteView &dib, const DibInfo &info, quint16 colorUsage)
{
    const qint64 count = qMin<qint64>(info.colorCount, 256);
    QVector<QRgb> colors(count, qRgb(0, 0, 0));
    for (qint64 i = 0; i < count; ++i) {
        if (colorUsage == 1) { // indexes into a palette we do not keep: a grey ramp
            const int grey = count > 1 ? int(255 * i / (count - 1)) : 0;
            colors[i] = qRgb(grey, grey, grey);
            continue;
        }
        const uchar *entry = dib.data + info.headerBytes + i * info.colorEntryBytes;
        colors[i] = qRgb(entry[2], entry[1], entry[0]);
    }
    return colors;
}

int maskShift(quint32 mask)
{
    int shift = 0;
    while (mask != 0 && (mask & 1) == 0)
        mask >>= 1, ++shift;
    return shift;
}

int maskedChannel(quint32 value, quint32 mask)
{
    if (mask == 0)
        return 0;
    const quint32 max = mask >> maskShift(mask);
    return int(((value & mask) >> maskShift(mask)) * 255 / max);
}

QRgb pixelAt(const uchar *row, qint64 x, const DibInfo &info, const QVector<QRgb> &colors)
{
    auto indexed = [&](qint64 index) {
        return index < colors.size() ? colors[index] : qRgb(0, 0, 0);
    };
    switch (info.bitCount) {
    case 1:
        return indexed((row[x / 8] >> (7 - x % 8)) & 1);
    case 4:
        return indexed((row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF);
    case 8:
        return indexed(row[x]);
    case 24:
        return qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    default: {
        const quint32 value = info.bitCount == 16 ? qFromLittleEndian<quint16>(row + 2 * x)
                                                  : qFromLittleEndian<quint32>(row + 4 * x);
        return qRgb(maskedChannel(value, info.masks[0]), maskedChannel(value, info.masks[1]),
                    maskedChannel(value, info.masks[2]));
    }
    }
}

QImage decodeUncompressed(const ByteView &pixels, const DibInfo &info, const QVector<QRgb> &colors)
{
    const qint64 rows = info.height < 0 ? -info.height : info.height;
    const qint64 stride = (info.width * info.bitCount + 31) / 32 * 4;
    if (stride * rows > pixels.size)
        return {};
    QImage image(int(info.width), int(rows), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (qint64 y = 0; y < rows; ++y) {
        const uchar *row = pixels.data + stride * y;
        const qint64 imageRow = info.height < 0 ? y : rows - 1 - y;
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(int(imageRow)));
        for (qint64 x = 0; x < info.width; ++x)
            out[x] = pixelAt(row, x, info, colors);
    }
    return image;
}

// Run-length encoded rows (bottom-up only). A code that would write outside
// the bitmap or read past the data ends the decoding; what was decoded stays.
QImage decodeRunLength(const ByteView &pixels, const DibInfo &info, const QVector<QRgb> &colors)
{
    if (info.height < 0)
        return {};
    const bool nibbles = info.compression == Rle4;
    std::vector<quint8> indexes(size_t(info.width * info.height), 0);
    qint64 x = 0, y = 0, at = 0;
    auto put = [&](quint8 value) {
        if (x < info.width && y < info.height)
            indexes[size_t(y * info.width + x)] = value;
        ++x;
    };
    while (at + 2 <= pixels.size && y < info.height) {
        const quint8 count = pixels.data[at], value = pixels.data[at + 1];
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                put(nibbles ? ((i % 2) ? value & 0xF : value >> 4) : value);
        } else if (value == 0) {
            x = 0, ++y;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (at + 2 > pixels.size)
                break;
            x += pixels.data[at], y += pixels.data[at + 1];
            at += 2;
        } else {
            const qint64 bytes = nibbles ? (value + 1) / 2 : value;
            if (at + bytes > pixels.size)
                break;
            for (int i = 0; i < value; ++i)
                put(nibbles
                        ? ((i % 2) ? pixels.data[at + i / 2] & 0xF : pixels.data[at + i / 2] >> 4)
                        : pixels.data[at + i]);
            at += (bytes + 1) / 2 * 2;
        }
    }
    QImage image(int(info.width), int(info.height), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (qint64 row = 0; row < info.height; ++row) {
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(int(info.height - 1 - row)));
        for (qint64 column = 0; column < info.width; ++column) {
            const quint8 index = indexes[size_t(row * info.width + column)];
            out[column] = index < colors.size() ? colors[index] : qRgb(0, 0, 0);
        }
    }
    return image;
}

} // namespace

QImage decodeDib(const uchar *data, qsizetype size, quint16 colorUsage, qint64 byteBudget)
{
    const ByteView dib {data, data ? qint64(size) : 0};
    DibInfo info;
    if (!readInfo(dib, info) || !withinLimits(info, byteBudget))
        return {};
    const int entryBytes = colorUsage == 1 ? 2 : info.colorEntryBytes;
    const qint64 tableBytes = info.colorCount * entryBytes;
    if (info.headerBytes + tableBytes > dib.size)
        return {};
    info.colorEntryBytes = entryBytes;
    const QVector<QRgb> colors = readColors(dib, info, colorUsage);
    const ByteView pixels {dib.data + info.headerBytes + tableBytes,
                           dib.size - info.headerBytes - tableBytes};
    const bool runLength = (info.compression == Rle8 && info.bitCount == 8)
        || (info.compression == Rle4 && info.bitCount == 4);
    if (runLength)
        return decodeRunLength(pixels, info, colors);
    if (info.compression != Rgb && info.compression != BitFields)
        return {};
    return decodeUncompressed(pixels, info, colors);
}

} // namespace virelai
