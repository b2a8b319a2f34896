#include "DocumentPrinting.h"

#include "PrintProgressWindow.h"
#include "document/surface/Surface.h"
#include "document/surface/SurfaceDocument.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

namespace virelai {

namespace {

QString printerLabel(const QPrinter &printer)
{
    if (!printer.printerName().isEmpty())
        return printer.printerName();
    return QFileInfo(printer.outputFileName()).fileName();
}

QPageLayout::Orientation orientationOf(const PageGeometry &geometry)
{
    return geometry.size.width() > geometry.size.height() ? QPageLayout::Landscape
                                                          : QPageLayout::Portrait;
}

QRectF paperRect(const QPrinter &printer)
{
    const QRect full = printer.pageLayout().fullRectPixels(printer.resolution());
    return QRectF(QPointF(0, 0), full.size());
}

} // namespace

PrintOutcome printDocument(const SurfaceDocument &document, QPrinter &printer,
                           PrintProgress &progress, const QString &documentName)
{
    PrintOutcome outcome;
    if (document.pageCount() == 0)
        return outcome;
    printer.setDocName(documentName);
    printer.setFullPage(true);
    printer.setPageOrientation(orientationOf(document.pageGeometry(0)));
    QPainter painter;
    if (!painter.begin(&printer)) {
        outcome.failed = true;
        return outcome;
    }
    progress.start(documentName, printerLabel(printer), document.pageCount());
    for (int page = 0; page < document.pageCount(); ++page) {
        progress.showPage(page + 1);
        if (progress.cancelled()) {
            printer.abort();
            outcome.cancelled = true;
            break;
        }
        if (page > 0)
            printer.newPage();
        document.renderPage(page, painter, paperRect(printer));
        ++outcome.pagesPrinted;
    }
    painter.end();
    progress.finish();
    return outcome;
}

void installPrinting(Surface &surface, QPrinter &printer, QWidget *parent,
                     const QString &documentName)
{
    surface.setPrintHandler(
        [&printer, parent, documentName](std::shared_ptr<const SurfaceDocument> document) {
            PrintProgressWindow window(parent);
            printDocument(*document, printer, window, documentName);
        });
}

} // namespace virelai
