#pragma once

#include <QList>
#include <QRectF>
#include <QString>

namespace virelai {
class Surface;
}

namespace virelai::testing {

// Text of a PDF as pdftotext lays it out; page 0 means every page.
QString pdfText(const QString &path, int page = 0);

// Text of the surface's pages, written to a PDF of the moment.
QString pdfText(const Surface &surface);

struct PdfWord
{
    int page = -1; // from 0
    QRectF rect; // points, from the page's top left
    QString text;
};

// Every word of a PDF with its box, in pdftotext's order.
QList<PdfWord> pdfWords(const QString &path);

} // namespace virelai::testing
