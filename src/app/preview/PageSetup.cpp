#include "PageSetup.h"

#include "PageSetupWindow.h"
#include "document/surface/Surface.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace virelai {

namespace {

constexpr double SmallestPrintableMm = 50;

QList<QPageSize> paperSizesOf(const QPrinter &printer)
{
    if (printer.outputFormat() == QPrinter::NativeFormat) {
        const QList<QPageSize> supported = QPrinterInfo(printer).supportedPageSizes();
        if (!supported.isEmpty())
            return supported;
    }
    return {QPageSize(QPageSize::A4), QPageSize(QPageSize::A5), QPageSize(QPageSize::A3),
            QPageSize(QPageSize::Letter), QPageSize(QPageSize::Legal)};
}

} // namespace

std::optional<QPageLayout> askWithPageSetupWindow(const QPageLayout &current,
                                                  const QPrinter &printer, QWidget *parent)
{
    PageSetupWindow window(current, paperSizesOf(printer), parent);
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;
    return window.pageLayout();
}

bool leavesRoomToPrint(const QPageLayout &layout)
{
    const QSizeF paper = layout.pageSize().size(QPageSize::Millimeter);
    const double narrowSide = qMin(paper.width(), paper.height());
    const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
    return narrowSide - margins.left() - margins.right() >= SmallestPrintableMm
        && narrowSide - margins.top() - margins.bottom() >= SmallestPrintableMm;
}

PageSetupOutcome PageSetupDialog(Surface &surface, QPrinter &printer, QWidget *parent,
                                 const PageSetupAsker &ask)
{
    std::optional<QPageLayout> chosen = ask(surface.pageLayout(), printer, parent);
    if (!chosen || !chosen->isValid())
        return PageSetupOutcome::Cancelled;
    if (!leavesRoomToPrint(*chosen))
        return PageSetupOutcome::Refused;
    chosen->setMode(QPageLayout::StandardMode);
    surface.setPageLayout(*chosen);
    printer.setPageLayout(*chosen);
    return PageSetupOutcome::Accepted;
}

} // namespace virelai
