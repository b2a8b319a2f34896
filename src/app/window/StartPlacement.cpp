#include "StartPlacement.h"

#include <QtGlobal>

namespace virelai {

namespace {

constexpr double HeightShare = 0.9;
constexpr double LargestWidthShare = 0.95;

} // namespace

QRect startGeometry(const QRect &available, int wantedWidth, const QMargins &frame)
{
    const int frameWidth = frame.left() + frame.right();
    const int frameHeight = frame.top() + frame.bottom();
    const int width = qMin(wantedWidth, int(available.width() * LargestWidthShare) - frameWidth);
    const int height = int(available.height() * HeightShare) - frameHeight;
    const int left = available.left() + (available.width() - width - frameWidth) / 2;
    const int top = available.top() + (available.height() - height - frameHeight) / 2;
    return QRect(left + frame.left(), top + frame.top(), width, height);
}

} // namespace virelai
