#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace virelai {

// The window's small pictures, drawn in code.

// Case button "Cas <number>", 52 × 24: dark red and blue on white in a dark
// frame when active, grey in a grey frame when not.
QPixmap casePicture(int number, bool active);

// The two decorative 32 × 32 icons and the window's own.
QPixmap lightBulbIcon();
QPixmap pencilIcon();
QIcon windowIcon();

// 32 × 32 black-and-white pointers: a double vertical bar with arrows to the
// left and right (hot spot at the centre), and a pointing hand (hot spot at
// the fingertip).
QCursor columnCursor();
QCursor handCursor();

} // namespace virelai
