#pragma once

#include <functional>

class QPrinter;
class QWidget;

namespace virelai {

class Surface;

// Shows a modal page set-up on printer and says whether the user accepted it.
// The window uses Qt's dialog; tests answer in its place.
using PageSetupAsker = std::function<bool(QPrinter &printer, QWidget *parent)>;

bool askWithQtPageSetupDialog(QPrinter &printer, QWidget *parent);

// The surface's page set-up: paper, orientation and margins accepted here hold
// for the documents started afterwards (a builder's own PageOrientation still
// decides the orientation of its document). Returns whether they changed.
bool PageSetupDialog(Surface &surface, QPrinter &printer, QWidget *parent,
                     const PageSetupAsker &ask = askWithQtPageSetupDialog);

} // namespace virelai
