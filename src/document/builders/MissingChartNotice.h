#pragma once

#include "document/surface/PagePicture.h"

#include <QString>

namespace virelai {

// Stands where a chart picture would be when this build did not write it: a
// light frame with a short notice, so that no picture of another class or of
// an earlier run is ever shown as this one's.
class MissingChartNotice : public PagePicture
{
public:
    static QString text();
    void draw(QPainter &painter, const QRectF &target) const override;
};

} // namespace virelai
