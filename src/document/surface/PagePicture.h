#pragma once

#include <QRectF>

class QPainter;

namespace virelai {

// A picture placed on the page (a chart metafile, or the notice drawn where a
// chart is missing). The surface keeps it and draws it whenever the page is
// painted, stretched to fill its rectangle.
class PagePicture
{
public:
    virtual ~PagePicture() = default;
    // target is in the painter's current coordinates.
    virtual void draw(QPainter &painter, const QRectF &target) const = 0;
};

} // namespace virelai
