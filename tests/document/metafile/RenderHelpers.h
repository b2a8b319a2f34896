#pragma once

#include "document/surface/PagePicture.h"

#include <QImage>
#include <QPainter>

#include <memory>

inline QImage renderPicture(const virelai::PagePicture &picture, QSize size,
                            QRectF target = QRectF())
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.draw(painter, target.isNull() ? QRectF(QPointF(0, 0), size) : target);
    painter.end();
    return image;
}

// Share of the pixels of a rectangle that have exactly this colour.
inline double shareOfColor(const QImage &image, const QRect &area, QColor color)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixelColor(x, y) == color;
    return double(count) / (area.width() * area.height());
}

// Horizontal extent of non-white pixels: first and last column with ink.
inline std::pair<int, int> inkColumns(const QImage &image)
{
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}
