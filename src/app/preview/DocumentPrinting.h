#pragma once

#include <QString>

class QPrinter;

namespace virelai {

class PrintProgress;
class SurfaceDocument;

// How a print run ended.
enum class PrintEnd {
    Printed, // every sheet chosen, or none in an empty document
    Cancelled,
    PrinterNotOpened,
    NoPageChosen, // none of the pages chosen is in the document
};

struct PrintOutcome
{
    PrintEnd end = PrintEnd::Printed;
    int pagesPrinted = 0;
};

// Sends the pages to the printer, each drawn over the whole paper, telling
// progress before each sheet and stopping when it is cancelled. What the
// printer dialog chose is honoured: the pages chosen, the reverse order, and
// the copies that the printer does not make itself, collated or not.
PrintOutcome printDocument(const SurfaceDocument &document, QPrinter &printer,
                           PrintProgress &progress, const QString &documentName);

} // namespace virelai
