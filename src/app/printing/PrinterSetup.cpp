#include "PrinterSetup.h"

#include "app/preview/DocumentPrinting.h"
#include "app/preview/PrintProgressWindow.h"
#include "app/printing/PrintingMessages.h"
#include "document/builders/BuildContext.h"
#include "document/surface/Surface.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

namespace virelai {

namespace {

const QString DocumentName = QStringLiteral("Virelai");

QString destinationOf(const QPrinter &printer)
{
    if (!printer.printerName().isEmpty())
        return printer.printerName();
    return QFileInfo(printer.outputFileName()).fileName();
}

} // namespace

bool askWithQtPrintDialog(QPrinter &printer, QWidget *parent, int pageCount)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(printerSetupTitle());
    dialog.setMinMax(1, qMax(1, pageCount));
    for (QDialogButtonBox *buttons : dialog.findChildren<QDialogButtonBox *>()) {
        if (QPushButton *accept = buttons->button(QDialogButtonBox::Ok))
            accept->setText(QStringLiteral("OK"));
    }
    return dialog.exec() == QDialog::Accepted;
}

PrinterSetup::PrinterSetup(Surface &VSPrinter1, QWidget *window, TeacherMessages &messages,
                           PrintDialogs dialogs)
    : QObject(window)
    , VSPrinter1(VSPrinter1)
    , window(window)
    , messages(messages)
    , dialogs(std::move(dialogs))
{
    setObjectName(QStringLiteral("printing"));
    if (!this->dialogs.askPrinter)
        this->dialogs.askPrinter = [this](QPrinter &printer, QWidget *parent) {
            return askWithQtPrintDialog(printer, parent, this->VSPrinter1.pageCount());
        };
    VSPrinter1.setPrintHandler(
        [this](std::shared_ptr<const SurfaceDocument> document) { printOnPrinter(*document); });
}

// The surface may already be gone: both belong to the window.
PrinterSetup::~PrinterSetup() = default;

QPrinter &PrinterSetup::printer() const
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

bool PrinterSetup::hasNoDestination() const
{
    return printer().outputFormat() == QPrinter::PdfFormat && printer().outputFileName().isEmpty();
}

void PrinterSetup::ShowPrinter()
{
    if (QPrinterInfo::availablePrinters().isEmpty())
        messages.inform(noPrinterInstalledMessage(), printingTitle());
    dialogs.askPrinter(printer(), window);
}

void PrinterSetup::PageSetupDialog()
{
    if (virelai::PageSetupDialog(VSPrinter1, printer(), window, dialogs.askPageSetup)
        == PageSetupOutcome::Refused)
        messages.inform(marginsTooWideMessage(), pageSetupTitle());
}

void PrinterSetup::printShownPage()
{
    VSPrinter1.setDocAction(Surface::PrintDocument);
}

void PrinterSetup::printOnPrinter(const SurfaceDocument &document)
{
    if (hasNoDestination()) {
        messages.inform(nothingToPrintMessage(), printingTitle());
        return;
    }
    PrintProgressWindow progress(window);
    const PrintOutcome outcome = printDocument(document, printer(), progress, DocumentName);
    if (outcome.end == PrintEnd::PrinterNotOpened)
        messages.MsgBox(cannotPrintMessage(destinationOf(printer())), printingTitle());
    else if (outcome.end == PrintEnd::NoPageChosen)
        messages.inform(noPageChosenMessage(), printingTitle());
}

} // namespace virelai
