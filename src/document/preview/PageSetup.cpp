#include "PageSetup.h"

#include "document/surface/Surface.h"

#include <QPageSetupDialog>
#include <QPrinter>

namespace virelai {

bool askWithQtPageSetupDialog(QPrinter &printer, QWidget *parent)
{
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool PageSetupDialog(Surface &surface, QPrinter &printer, QWidget *parent,
                     const PageSetupAsker &ask)
{
    printer.setPageLayout(surface.pageLayout());
    if (!ask(printer, parent))
        return false;
    surface.setPageLayout(printer.pageLayout());
    return true;
}

} // namespace virelai
