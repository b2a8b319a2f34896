#include "PrinterSetup.h"

#include "app/printing/PrintingMessages.h"
#include "document/builders/BuildContext.h"
#include "document/preview/DocumentPrinting.h"
#include "document/preview/PrintProgressWindow.h"
#include "document/surface/Surface.h"

#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace virelai {

namespace {

const QString NomDocument = QStringLiteral("Virelai");

QString destinationOf(const QPrinter &printer)
{
    if (!printer.printerName().isEmpty())
        return printer.printerName();
    return QFileInfo(printer.outputFileName()).fileName();
}

} // namespace

bool askWithQtPrintDialog(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

PrinterSetup::PrinterSetup(Surface &VSPrinter1, QWidget *window, TeacherMessages &messages)
    : QObject(window)
    , messages(&messages)
    , VSPrinter1(VSPrinter1)
    , window(window)
    , m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("printing"));
    VSPrinter1.setPrintHandler(
        [this](std::shared_ptr<const SurfaceDocument> document) { imprimer(*document); });
}

// The surface may already be gone: both belong to the window.
PrinterSetup::~PrinterSetup() = default;

bool PrinterSetup::sansDestination() const
{
    return m_printer->outputFormat() == QPrinter::PdfFormat
        && m_printer->outputFileName().isEmpty();
}

void PrinterSetup::ShowPrinter()
{
    if (QPrinterInfo::availablePrinters().isEmpty())
        messages->MsgBox(messageAucuneImprimanteInstallee(), titreImpression());
    askPrinter(*m_printer, window);
}

void PrinterSetup::PageSetupDialog()
{
    virelai::PageSetupDialog(VSPrinter1, *m_printer, window, askPageSetup);
}

void PrinterSetup::imprimer(const SurfaceDocument &document)
{
    if (sansDestination()) {
        messages->MsgBox(messageRienAImprimer(), titreImpression());
        return;
    }
    PrintProgressWindow progress(window);
    const PrintOutcome outcome = printDocument(document, *m_printer, progress, NomDocument);
    if (outcome.failed)
        messages->MsgBox(messageImpressionImpossible(destinationOf(*m_printer)), titreImpression());
}

} // namespace virelai
