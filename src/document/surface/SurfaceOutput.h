#pragma once

#include <QImage>
#include <QString>

class QIODevice;

namespace virelai {

class SurfaceDocument;

// Every page, as vector drawing with real text (selectable, searchable).
bool writeDocumentPdf(const SurfaceDocument &document, const QString &path);
// The same into device (a memory buffer, for a file written whole elsewhere).
bool writeDocumentPdf(const SurfaceDocument &document, QIODevice &device);
// One page on white paper; a null image when there is no such page.
QImage renderDocumentPage(const SurfaceDocument &document, int pageIndex, double dotsPerInch);

} // namespace virelai
