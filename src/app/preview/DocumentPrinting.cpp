#include "DocumentPrinting.h"

#include "PrintProgress.h"
#include "document/surface/SurfaceDocument.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

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

// The dialog gives either a list of ranges ("3,5-7") or a first and last page.
bool inChosenPages(const QPrinter &printer, int pageNumber)
{
    if (printer.printRange() != QPrinter::PageRange)
        return true;
    if (!printer.pageRanges().isEmpty())
        return printer.pageRanges().contains(pageNumber);
    return (printer.fromPage() <= 0 || pageNumber >= printer.fromPage())
        && (printer.toPage() <= 0 || pageNumber <= printer.toPage());
}

std::vector<int> pageRun(const QPrinter &printer, int pageCount)
{
    std::vector<int> run;
    for (int page = 1; page <= pageCount; ++page) {
        if (inChosenPages(printer, page))
            run.push_back(page - 1);
    }
    if (printer.pageOrder() == QPrinter::LastPageFirst)
        std::reverse(run.begin(), run.end());
    return run;
}

// The pages to send, in order, as indices from 0.
std::vector<int> sheetsToPrint(const QPrinter &printer, int pageCount)
{
    const std::vector<int> run = pageRun(printer, pageCount);
    const int copies = printer.supportsMultipleCopies() ? 1 : qMax(1, printer.copyCount());
    std::vector<int> sheets;
    if (printer.collateCopies()) {
        for (int copy = 0; copy < copies; ++copy)
            sheets.insert(sheets.end(), run.begin(), run.end());
    } else {
        for (int page : run)
            sheets.insert(sheets.end(), size_t(copies), page);
    }
    return sheets;
}

} // namespace

PrintOutcome printDocument(const SurfaceDocument &document, QPrinter &printer,
                           PrintProgress &progress, const QString &documentName)
{
    PrintOutcome outcome;
    if (document.pageCount() == 0)
        return outcome;
    const std::vector<int> sheets = sheetsToPrint(printer, document.pageCount());
    if (sheets.empty())
        return {PrintEnd::NoPageChosen};
    printer.setDocName(documentName);
    printer.setFullPage(true);
    printer.setPageOrientation(orientationOf(document.pageGeometry(0)));
    QPainter painter;
    if (!painter.begin(&printer))
        return {PrintEnd::PrinterNotOpened};
    progress.start(documentName, printerLabel(printer), int(sheets.size()));
    for (size_t sheet = 0; sheet < sheets.size(); ++sheet) {
        progress.showPage(int(sheet) + 1);
        if (progress.cancelled()) {
            printer.abort();
            outcome.end = PrintEnd::Cancelled;
            break;
        }
        if (sheet > 0)
            printer.newPage();
        document.renderPage(sheets[sheet], painter, paperRect(printer));
        ++outcome.pagesPrinted;
    }
    painter.end();
    progress.finish();
    return outcome;
}

} // namespace virelai
