#pragma once

#include <QPageLayout>

#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace virelai {

class Surface;

// Shows a modal page set-up starting from `current` and gives the layout
// accepted, or nothing when the user cancels; printer tells which papers it
// takes. The window uses PageSetupWindow; tests answer in its place.
using PageSetupAsker = std::function<std::optional<QPageLayout>(
    const QPageLayout &current, const QPrinter &printer, QWidget *parent)>;

std::optional<QPageLayout> askWithPageSetupWindow(const QPageLayout &current,
                                                  const QPrinter &printer, QWidget *parent);

// At least 5 cm of printable width and height whichever way the page is turned:
// the builders choose the orientation after the dialog, and margins that leave
// no room garble the page.
bool leavesRoomToPrint(const QPageLayout &layout);

enum class PageSetupOutcome { Cancelled, Accepted, Refused };

// The surface's page set-up: paper, orientation and margins accepted here hold
// for the documents started afterwards (a builder's own PageOrientation still
// decides the orientation of its document), and the printer takes the paper.
// Margins that leave too little room are refused: the settings stay as they were.
PageSetupOutcome PageSetupDialog(Surface &surface, QPrinter &printer, QWidget *parent,
                                 const PageSetupAsker &ask = askWithPageSetupWindow);

} // namespace virelai
