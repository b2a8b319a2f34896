#pragma once

#include <QString>

namespace virelai {

// What the teacher is told when the page cannot go to a printer.
QString printingTitle();
QString printerSetupTitle();
QString pageSetupTitle();
// Before the printer dialog, when the computer has no printer at all.
QString noPrinterInstalledMessage();
// On the print command, when there is neither a printer nor a PDF file to print to.
QString nothingToPrintMessage();
// On the print command, when the printer or the file could not be opened.
QString cannotPrintMessage(const QString &destination);
// On the print command, when none of the pages chosen in the printer dialog is
// in the document shown.
QString noPageChosenMessage();
// After the page set-up, when its margins leave too little room to print.
QString marginsTooWideMessage();

} // namespace virelai
