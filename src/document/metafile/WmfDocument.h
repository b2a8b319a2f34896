#pragma once

#include "document/metafile/WmfParams.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>

#include <optional>
#include <vector>

namespace virelai {

struct WmfRecord
{
    quint16 function = 0;
    qsizetype paramOffset = 0; // byte offset of the parameters in the file
    quint32 paramWords = 0;
    int image = -1; // index in WmfDocument::images of its decoded bitmap
};

// A metafile checked and split into records once, ready to be played.
struct WmfDocument
{
    QByteArray bytes;
    std::vector<WmfRecord> records;
    std::vector<QImage> images;
    // Placeable header's box, in logical units, when it has an area.
    std::optional<QRectF> placeableBox;
    int objectCount = 0;

    WmfParams params(const WmfRecord &record) const
    {
        return {reinterpret_cast<const uchar *>(bytes.constData()) + record.paramOffset,
                record.paramWords};
    }
};

// nullopt when the bytes do not start with a metafile header. A damaged
// record list keeps the records before the damage.
std::optional<WmfDocument> readWmfDocument(QByteArray bytes);

} // namespace virelai
