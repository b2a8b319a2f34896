#pragma once

#include "document/preview/PageSetup.h"

#include <QObject>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace virelai {

class Surface;
class SurfaceDocument;
class TeacherMessages;

// Shows a modal printer dialog on printer and says whether the user accepted it.
// The window uses Qt's dialog; tests answer in its place.
using PrinterDialogAsker = std::function<bool(QPrinter &printer, QWidget *parent)>;

bool askWithQtPrintDialog(QPrinter &printer, QWidget *parent);

// The one printer of the window: chosen in the printer dialog, given the page
// set-up, and used when the surface prints (DocAction 9) with its progress
// window. Without any printer Qt falls back to PDF output with no file and
// would fail silently; the dialog and the print command say so instead.
class PrinterSetup : public QObject
{
    Q_OBJECT

public:
    PrinterSetup(Surface &VSPrinter1, QWidget *window, TeacherMessages &messages);
    ~PrinterSetup() override;

    // Made on first use: setting a printer up loads the system's print support,
    // which a window that never prints does not need at start-up.
    QPrinter &printer() const;
    // Neither a printer nor a PDF file to print to.
    bool sansDestination() const;

    // The printer dialog: the printer (or PDF file) accepted there is the one
    // printing uses from now on. The page shown is left as it is.
    void ShowPrinter();
    // The surface's page set-up; its choices hold for the documents built next.
    void PageSetupDialog();

    // Seams for the modal dialogs and messages; tests answer in their place.
    PrinterDialogAsker askPrinter = askWithQtPrintDialog;
    PageSetupAsker askPageSetup = askWithQtPageSetupDialog;
    TeacherMessages *messages;

private:
    void imprimer(const SurfaceDocument &document);

    Surface &VSPrinter1;
    QWidget *window;
    mutable std::unique_ptr<QPrinter> m_printer;
};

} // namespace virelai
