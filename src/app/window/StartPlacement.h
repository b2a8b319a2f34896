#pragma once

#include <QMargins>
#include <QRect>

namespace virelai {

// Where the window opens, as the rectangle of its own area (frame excluded):
// the frame centred on the screen's available area and nine tenths of its
// height; the width wanted when the screen allows it. frame: what the window
// manager adds around the window.
QRect startGeometry(const QRect &available, int wantedWidth, const QMargins &frame);

} // namespace virelai
