#pragma once

#include <QColor>
#include <QtGlobal>

namespace virelai {

// Chart colours are 0x00BBGGRR, red in the low byte.
inline QColor chartColor(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

inline quint32 chartBgr(const QColor &color)
{
    return quint32(color.red()) | quint32(color.green()) << 8 | quint32(color.blue()) << 16;
}

} // namespace virelai
