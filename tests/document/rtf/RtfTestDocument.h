#pragma once

#include "document/rtf/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <memory>

namespace virelai::testing {

// Lays the document out at 1440 dots per inch, so one layout unit is one twip
// and RTF lengths can be compared as written.
inline QPaintDevice *twipsDevice()
{
    static QImage image = [] {
        QImage device(1, 1, QImage::Format_RGB32);
        device.setDotsPerMeterX(56693);
        device.setDotsPerMeterY(56693);
        return device;
    }();
    return &image;
}

struct ReadDocument
{
    std::unique_ptr<QTextDocument> document = std::make_unique<QTextDocument>();
    RtfReadResult result;
};

inline ReadDocument readIntoDocument(const QString &rtf, const RtfDefaults &defaults = {})
{
    ReadDocument read;
    read.document->documentLayout()->setPaintDevice(twipsDevice());
    QTextCursor cursor(read.document.get());
    read.result = readRtf(rtf, cursor, defaults);
    return read;
}

// Reads into a document without margins, as the surface does, laid out at width.
inline void readAndLayOut(QTextDocument &document, const QString &rtf, double width)
{
    document.documentLayout()->setPaintDevice(twipsDevice());
    document.setDocumentMargin(0);
    QTextCursor cursor(&document);
    RtfDefaults defaults;
    defaults.textWidth = width; // as the surface tells the reader its width
    readRtf(rtf, cursor, defaults);
    document.setTextWidth(width);
    document.documentLayout()->documentSize();
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

} // namespace virelai::testing
