#pragma once

#include "document/surface/PagePicture.h"

#include <QColor>
#include <QPainter>

namespace virelai::testing {

// A chart picture that fills its rectangle with pure green, easy to find on a page.
class GreenPicture : public PagePicture
{
public:
    void draw(QPainter &painter, const QRectF &target) const override
    {
        painter.fillRect(target, QColor(0, 255, 0));
    }
};

} // namespace virelai::testing
