#pragma once

#include <QImage>
#include <QString>

namespace virelai {

class SurfaceDocument;

// Every page, as vector drawing with real text (selectable, searchable).
bool writeDocumentPdf(const SurfaceDocument &document, const QString &path);
// One page on white paper; a null image when there is no such page.
QImage renderDocumentPage(const SurfaceDocument &document, int pageIndex, double dotsPerInch);

} // namespace virelai
