#pragma once

#include <QString>

#include <memory>

class QPrinter;
class QWidget;

namespace virelai {

class PrintProgress;
class Surface;
class SurfaceDocument;

struct PrintOutcome
{
    int pagesPrinted = 0;
    bool cancelled = false;
    bool failed = false; // the printer could not be opened
};

// Sends every page to the printer, each drawn over the whole paper, telling
// progress before each page and stopping when it is cancelled.
PrintOutcome printDocument(const SurfaceDocument &document, QPrinter &printer,
                           PrintProgress &progress, const QString &documentName);

// From now on DocAction 9 prints the shown document on printer, with the
// progress window over parent.
void installPrinting(Surface &surface, QPrinter &printer, QWidget *parent,
                     const QString &documentName);

} // namespace virelai
