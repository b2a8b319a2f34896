#include "OverrideCursorPointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace virelai {

OverrideCursorPointer::~OverrideCursorPointer()
{
    setMousePointer(Default);
}

void OverrideCursorPointer::setMousePointer(int MousePointer)
{
    // Qt stacks override cursors: push and pop exactly once each.
    const bool wantHourglass = MousePointer == Hourglass;
    if (wantHourglass == overriding)
        return;
    if (wantHourglass)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QGuiApplication::restoreOverrideCursor();
    overriding = wantHourglass;
}

} // namespace virelai
