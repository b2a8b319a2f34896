#pragma once

#include "document/rtf/RtfReader.h"
#include "document/surface/TwipsDevice.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

namespace virelai::testing {

// The bytes of the image in that format, as a picture's hexadecimal data.
inline QString pictureHex(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return QString::fromLatin1(bytes.toHex());
}

inline QStringList blockTexts(const QTextDocument &document)
{
    QStringList texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        texts << block.text();
    return texts;
}

// The format of the first fragment holding the probe text.
inline QTextCharFormat formatOf(const QTextDocument &document, const QString &probe)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().text().contains(probe))
                return it.fragment().charFormat();
        }
    }
    return {};
}

inline QTextBlock blockHolding(const QTextDocument &document, const QString &probe)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.text().contains(probe))
            return block;
    }
    return {};
}

// Read into a document without margins, as the surface does, and laid out at
// 9000 twips; the surface tells the reader its width.
struct LaidOut
{
    static constexpr double Width = 9000;
    QTextDocument document;
    RtfReadResult result;

    explicit LaidOut(const QString &rtf)
    {
        document.documentLayout()->setPaintDevice(twipsPaintDevice());
        document.setDocumentMargin(0);
        QTextCursor cursor(&document);
        RtfDefaults defaults;
        defaults.textWidth = Width;
        result = readRtf(rtf, cursor, defaults);
        document.setTextWidth(Width);
        document.documentLayout()->documentSize();
    }
    QTextBlock block(const QString &probe) const { return blockHolding(document, probe); }
    QRectF rectOf(const QString &probe) const
    {
        return document.documentLayout()->blockBoundingRect(block(probe));
    }
    // Drawn at one pixel for 10 twips.
    QImage image() const
    {
        QImage image(int(Width / 10), 400, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(0.1, 0.1);
        document.documentLayout()->draw(&painter, {});
        return image;
    }
};

} // namespace virelai::testing
