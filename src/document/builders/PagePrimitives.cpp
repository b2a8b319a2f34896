#include "PagePrimitives.h"

#include "common/ChartPictureFile.h"
#include "document/surface/PrintableArea.h"
#include "document/surface/Surface.h"

namespace virelai {

namespace {

constexpr quint32 White = 0xFFFFFF;
constexpr quint32 LightGrey = 0xE0E0E0;
constexpr double BoxIndentLeft = 100;
constexpr double BoxSpaceAfter = 0;

void placeBox(Surface &surface, double w, double h, const QString &text)
{
    surface.setIndentLeft(BoxIndentLeft);
    surface.setSpaceAfter(BoxSpaceAfter);
    const PrintableArea area = printableArea(surface);
    const double width = area.widthOf(w);
    const double height = area.heightOf(h);
    surface.TextBox(text, surface.CurrentX(), surface.CurrentY(), width, height,
                    Surface::TextBoxOption::Wrap | Surface::TextBoxOption::Shaded);
}

} // namespace

PrintableArea printableArea(const Surface &surface)
{
    return PrintableArea::fromPage(surface.PageWidth(), surface.PageHeight(), surface.MarginLeft(),
                                   surface.MarginRight(), surface.MarginTop(),
                                   surface.MarginBottom());
}

void PlaceCurseur(Surface &surface, double x, double y)
{
    const PrintableArea area = printableArea(surface);
    surface.setCurrentX(area.xAt(x));
    surface.setCurrentY(area.yAt(y));
}

void CadreBlanc(Surface &surface, double w, double h, const QString &text)
{
    surface.setBrushColor(White);
    placeBox(surface, w, h, text);
}

void CadreGris(Surface &surface, double w, double h, const QString &text)
{
    surface.setBrushColor(LightGrey);
    const Surface::OutlineStyle previousPenStyle = surface.PenStyle();
    surface.setPenStyle(Surface::PenTransparent);
    placeBox(surface, w, h, text);
    surface.setPenStyle(previousPenStyle);
}

bool PlaceImage(Surface &surface, double x, double y, double w, double h, int n,
                const QString &picturesDirectory, const PictureLoader &loadPicture)
{
    const PrintableArea area = printableArea(surface);
    surface.setX1(area.xAt(x));
    surface.setY1(area.yAt(y));
    surface.setX2(surface.X1() + area.widthOf(w));
    surface.setY2(surface.Y1() + area.heightOf(h));
    auto picture = loadPicture ? loadPicture(chartPictureFile(picturesDirectory, n)) : nullptr;
    if (!picture)
        return false;
    surface.setPicture(std::move(picture));
    return true;
}

} // namespace virelai
