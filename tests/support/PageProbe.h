#pragma once

#include "document/surface/PrintableArea.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <functional>

namespace virelai {
class Surface;
}

namespace virelai::testing {

using ColorTest = std::function<bool(const QColor &)>;

int countPixels(const QImage &image, const QRect &area, const ColorTest &matches);
bool isInk(const QColor &color);

// The shown first page as an image, read at percent positions of the printable
// area, as the page builders place their blocks.
class PageProbe
{
public:
    PageProbe(const Surface &surface, double dotsPerInch);

    const QImage &image() const { return m_image; }
    int xOf(double percent) const;
    int yOf(double percent) const;

    // First pixel row from the top with at least `count` matching pixels
    // between two horizontal percents; -1 when there is none.
    int firstRow(const ColorTest &matches, double fromX, double toX, int count = 1) const;
    // Matching pixels across the page between two heights.
    int count(double fromY, double toY, const ColorTest &matches) const;

private:
    int pixels(double twips) const;

    double m_dotsPerInch;
    QImage m_image;
    PrintableArea m_area;
};

} // namespace virelai::testing
