#pragma once

#include <QString>

class QPrinter;

namespace virelai {

class PrintProgress;
class SurfaceDocument;

struct PrintOutcome
{
    int pagesPrinted = 0;
    bool cancelled = false;
    bool failed = false; // the printer could not be opened
    bool noPageChosen = false; // none of the pages chosen is in the document
};

// Sends the pages to the printer, each drawn over the whole paper, telling
// progress before each sheet and stopping when it is cancelled. What the
// printer dialog chose is honoured: the pages chosen, the reverse order, and
// the copies that the printer does not make itself, collated or not.
PrintOutcome printDocument(const SurfaceDocument &document, QPrinter &printer,
                           PrintProgress &progress, const QString &documentName);

} // namespace virelai
