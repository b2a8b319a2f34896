#pragma once

#include <QColor>
#include <QtGlobal>

namespace virelai {

// Colours of the surface and of the chart data are 32-bit integers with red in
// the low byte (0x00BBGGRR): 192 is dark red, not blue.
QColor colorFromBgr(quint32 value);
quint32 bgrFromColor(const QColor &color);

} // namespace virelai
