#include "document/metafile/WmfDib.h"
#include "document/metafile/WmfDocument.h"
#include "document/metafile/WmfLimits.h"
#include "document/metafile/WmfRecordTypes.h"

#include <QtEndian>

namespace virelai {

namespace {

constexpr quint32 placeableKey = 0x9AC6CDD7;
constexpr qsizetype placeableHeaderBytes = 22;
constexpr qsizetype standardHeaderBytes = 18;

quint16 word(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

// The placeable header only gives the picture's box; its checksum is often
// wrong in files written by real programs, so it is not checked.
std::optional<QRectF> placeableBox(const QByteArray &bytes)
{
    const auto left = qint16(word(bytes, 6));
    const auto top = qint16(word(bytes, 8));
    const auto right = qint16(word(bytes, 10));
    const auto bottom = qint16(word(bytes, 12));
    if (left == right || top == bottom)
        return std::nullopt;
    return QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
}

bool isStandardHeader(const QByteArray &bytes, qsizetype at)
{
    if (bytes.size() - at < standardHeaderBytes)
        return false;
    const quint16 type = word(bytes, at);
    const quint16 headerWords = word(bytes, at + 2);
    return (type == 1 || type == 2) && headerWords == standardHeaderBytes / 2;
}

// Where the bitmap of a record starts, in words, or -1 when it has none.
int bitmapWordOffset(const WmfRecord &record)
{
    // A blit whose record has exactly its fixed parameters carries no bitmap.
    const bool withoutBitmap = record.paramWords == quint32(record.function >> 8);
    switch (record.function) {
    case DibBitBlt:
        return withoutBitmap ? -1 : 8;
    case DibStretchBlt:
        return withoutBitmap ? -1 : 10;
    case StretchDib:
        return 11;
    case DibCreatePatternBrush:
        return 2;
    default:
        return -1;
    }
}

void decodeBitmaps(WmfDocument &document)
{
    qint64 budget = maxPictureBitmapBytes;
    for (WmfRecord &record : document.records) {
        const int offset = bitmapWordOffset(record);
        if (offset < 0)
            continue;
        const WmfParams params = document.params(record);
        const quint16 colorUsage = record.function == StretchDib ? params.u(2)
            : record.function == DibCreatePatternBrush           ? params.u(1)
                                                                 : 0;
        QImage image
            = decodeDib(params.bytesFrom(offset), params.byteCountFrom(offset), colorUsage, budget);
        if (image.isNull())
            continue;
        budget -= image.sizeInBytes();
        record.image = int(document.images.size());
        document.images.push_back(std::move(image));
    }
}

// Splits the records, stopping at the end record or at the first record whose
// size cannot be right: below its own 3-word header or past the end of file.
void splitRecords(WmfDocument &document, qsizetype start)
{
    const QByteArray &bytes = document.bytes;
    qsizetype at = start;
    while (bytes.size() - at >= 6 && qsizetype(document.records.size()) < maxRecords) {
        const quint64 sizeWords = qFromLittleEndian<quint32>(bytes.constData() + at);
        const quint64 sizeBytes = sizeWords * 2; // 64-bit: cannot overflow
        if (sizeWords < 3 || sizeBytes > quint64(bytes.size() - at))
            break;
        WmfRecord record;
        record.function = word(bytes, at + 4);
        record.paramOffset = at + 6;
        record.paramWords = quint32(sizeWords - 3);
        if (record.function == EndOfFile)
            break;
        document.records.push_back(record);
        at += qsizetype(sizeBytes);
    }
}

} // namespace

std::optional<WmfDocument> readWmfDocument(QByteArray bytes)
{
    if (bytes.size() > maxFileBytes)
        return std::nullopt;
    WmfDocument document;
    qsizetype headerStart = 0;
    if (bytes.size() >= placeableHeaderBytes
        && qFromLittleEndian<quint32>(bytes.constData()) == placeableKey) {
        document.placeableBox = placeableBox(bytes);
        headerStart = placeableHeaderBytes;
    }
    if (!isStandardHeader(bytes, headerStart))
        return std::nullopt;
    // The header's file size and largest record are not trusted: the records
    // are measured against the bytes actually present.
    document.objectCount = word(bytes, headerStart + 10);
    document.bytes = std::move(bytes);
    splitRecords(document, headerStart + standardHeaderBytes);
    decodeBitmaps(document);
    return document;
}

} // namespace virelai
