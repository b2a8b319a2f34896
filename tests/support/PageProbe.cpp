#include "PageProbe.h"

#include "document/surface/Surface.h"
#include "document/surface/Twips.h"

namespace virelai::testing {

int countPixels(const QImage &image, const QRect &area, const ColorTest &matches)
{
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += matches(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

bool isInk(const QColor &color)
{
    return color.lightness() < 160;
}

PageProbe::PageProbe(const Surface &surface, double dotsPerInch)
    : m_dotsPerInch(dotsPerInch)
    , m_image(surface.renderPageImage(0, dotsPerInch).convertToFormat(QImage::Format_RGB32))
    , m_area(PrintableArea::fromPage(surface.PageWidth(), surface.PageHeight(),
                                     surface.MarginLeft(), surface.MarginRight(),
                                     surface.MarginTop(), surface.MarginBottom()))
{ }

int PageProbe::pixels(double twips) const
{
    return int(twips * m_dotsPerInch / TwipsPerInch);
}

int PageProbe::xOf(double percent) const
{
    return pixels(m_area.xAt(percent));
}

int PageProbe::yOf(double percent) const
{
    return pixels(m_area.yAt(percent));
}

int PageProbe::firstRow(const ColorTest &matches, double fromX, double toX, int count) const
{
    const QRect band(QPoint(xOf(fromX), 0), QPoint(xOf(toX) - 1, 0));
    for (int y = 0; y < m_image.height(); ++y)
        if (countPixels(m_image, band.translated(0, y), matches) >= count)
            return y;
    return -1;
}

int PageProbe::count(double fromY, double toY, const ColorTest &matches) const
{
    return countPixels(
        m_image, QRect(QPoint(0, yOf(fromY)), QPoint(m_image.width() - 1, yOf(toY) - 1)), matches);
}

} // namespace virelai::testing
