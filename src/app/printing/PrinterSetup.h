#pragma once

#include "app/preview/PageSetup.h"

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

// Qt's printer dialog, which stores the printer and its choices (its accept
// button reads "OK": printing is the menu's other command). Its page range
// runs from 1 to pageCount.
bool askWithQtPrintDialog(QPrinter &printer, QWidget *parent, int pageCount);

// The modal dialogs of printing. An empty askPrinter stands for Qt's printer
// dialog; tests answer in their place.
struct PrintDialogs
{
    PrinterDialogAsker askPrinter;
    PageSetupAsker askPageSetup = askWithPageSetupWindow;
};

// The one printer of the window: chosen in the printer dialog, given the page
// set-up, and used when the surface prints (DocAction 9) with its progress
// window. Without any printer Qt falls back to PDF output with no file and
// would fail silently; the dialog and the print command say so instead.
class PrinterSetup : public QObject
{
    Q_OBJECT

public:
    PrinterSetup(Surface &VSPrinter1, QWidget *window, TeacherMessages &messages,
                 PrintDialogs dialogs = {});
    ~PrinterSetup() override;

    // Made on first use: setting a printer up loads the system's print support,
    // which a window that never prints does not need at start-up.
    QPrinter &printer() const;
    // Neither a printer nor a PDF file to print to.
    bool hasNoDestination() const;

    // The printer dialog: the printer (or PDF file), the copies and the page
    // range accepted there are the ones printing uses from now on. The page
    // shown is left as it is.
    void ShowPrinter();
    // The surface's page set-up; its choices hold for the documents built next.
    // Margins that leave too little room are refused with a message.
    void PageSetupDialog();
    // Prints the page shown as it is (DocAction 9), footer time included.
    void printShownPage();

private:
    void printOnPrinter(const SurfaceDocument &document);

    Surface &VSPrinter1;
    QWidget *window;
    TeacherMessages &messages;
    PrintDialogs dialogs;
    mutable std::unique_ptr<QPrinter> m_printer;
};

} // namespace virelai
