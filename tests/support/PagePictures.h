#pragma once

#include "document/surface/PagePicture.h"

#include <QColor>
#include <QPainter>

#include <vector>

namespace virelai::testing {

inline const QColor PictureGreen(0, 255, 0);

// A chart picture that fills its rectangle with pure green, easy to find on a page.
class GreenPicture : public PagePicture
{
public:
    void draw(QPainter &painter, const QRectF &target) const override
    {
        painter.fillRect(target, PictureGreen);
    }
};

// A picture that fills its rectangle and remembers where it was asked to draw.
class RecordingPicture : public PagePicture
{
public:
    explicit RecordingPicture(QColor color = Qt::blue)
        : m_color(color)
    { }
    void draw(QPainter &painter, const QRectF &target) const override
    {
        targets.push_back(painter.transform().mapRect(target));
        painter.fillRect(target, m_color);
    }
    mutable std::vector<QRectF> targets; // device coordinates

private:
    QColor m_color;
};

} // namespace virelai::testing
