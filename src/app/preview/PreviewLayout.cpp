#include "PreviewLayout.h"

#include <QtGlobal>

#include <algorithm>
#include <array>

namespace virelai {

namespace {

// Width a thumbnail aims at; the row holds as many as fit.
constexpr double ThumbnailWidth = 160;
// Room under a thumbnail for its page number.
constexpr double NumberHeight = 18;
constexpr double SmallestScale = 1e-4;

constexpr std::array<double, 11> ZoomSteps {25, 33, 50, 67, 75, 100, 125, 150, 200, 300, 400};

struct Grid
{
    int columns = 1;
    double scale = 1; // pixels per twip
    double numberHeight = 0;
};

QSizeF largestPage(const std::vector<QSizeF> &pageSizes)
{
    QSizeF largest(1, 1);
    for (const QSizeF &size : pageSizes)
        largest = largest.expandedTo(size);
    return largest;
}

double fitScale(const QSizeF &area, const QSizeF &pages)
{
    return qMax(SmallestScale, qMin(area.width() / pages.width(), area.height() / pages.height()));
}

Grid gridFor(ZoomMode mode, const QSizeF &viewport, const QSizeF &page, double customScale)
{
    const QSizeF usable(qMax(1.0, viewport.width() - 2 * PreviewGap),
                        qMax(1.0, viewport.height() - 2 * PreviewGap));
    switch (mode) {
    case ZoomMode::PageWidth:
        return {1, qMax(SmallestScale, usable.width() / page.width())};
    case ZoomMode::TwoPages: {
        const QSizeF besideEachOther(qMax(1.0, usable.width() - PreviewGap), usable.height());
        return {2, fitScale(besideEachOther, QSizeF(2 * page.width(), page.height()))};
    }
    case ZoomMode::Thumbnails: {
        const int columns = qMax(1, int(usable.width() / (ThumbnailWidth + PreviewGap)));
        const double width = (usable.width() - (columns - 1) * PreviewGap) / columns;
        return {columns, qMax(SmallestScale, width / page.width()), NumberHeight};
    }
    case ZoomMode::Custom:
        return {1, qMax(SmallestScale, customScale)};
    case ZoomMode::WholePage:
        break;
    }
    return {1, fitScale(usable, page)};
}

} // namespace

QStringList zoomModeCaptions()
{
    return {QStringLiteral("&Page entière"), QStringLiteral("&Largeur de page"),
            QStringLiteral("&Deux pages"), QStringLiteral("&Vignettes")};
}

double nextZoomStep(double percent, int direction)
{
    // A hair of tolerance: a zoom that is a step give or take rounding counts as it.
    constexpr double Tolerance = 0.5;
    if (direction > 0) {
        const auto above = std::find_if(ZoomSteps.begin(), ZoomSteps.end(),
                                        [&](double step) { return step > percent + Tolerance; });
        return above == ZoomSteps.end() ? qMax(percent, LargestZoom) : *above;
    }
    const auto below = std::find_if(ZoomSteps.rbegin(), ZoomSteps.rend(),
                                    [&](double step) { return step < percent - Tolerance; });
    return below == ZoomSteps.rend() ? qMin(percent, SmallestZoom) : *below;
}

PreviewLayout layOutPreview(ZoomMode mode, const QSizeF &viewport,
                            const std::vector<QSizeF> &pageSizes, double customScale)
{
    PreviewLayout layout;
    if (pageSizes.empty())
        return layout;
    const QSizeF cell = largestPage(pageSizes);
    const Grid grid = gridFor(mode, viewport, cell, customScale);
    layout.scale = grid.scale;
    const QSizeF cellPixels = cell * grid.scale;
    const double rowPitch = cellPixels.height() + grid.numberHeight + PreviewGap;
    const int rows = (int(pageSizes.size()) + grid.columns - 1) / grid.columns;
    const double rowWidth = grid.columns * cellPixels.width() + (grid.columns - 1) * PreviewGap;
    const double left = qMax(PreviewGap, (viewport.width() - rowWidth) / 2);
    for (size_t i = 0; i < pageSizes.size(); ++i) {
        const int row = int(i) / grid.columns;
        const int column = int(i) % grid.columns;
        const QPointF cellTopLeft(left + column * (cellPixels.width() + PreviewGap),
                                  PreviewGap + row * rowPitch);
        const QSizeF pagePixels = pageSizes[i] * grid.scale;
        const QPointF centred((cellPixels.width() - pagePixels.width()) / 2, 0);
        layout.pageRects.emplace_back(cellTopLeft + centred, pagePixels);
        if (grid.numberHeight > 0)
            layout.numberRects.emplace_back(cellTopLeft.x(), cellTopLeft.y() + pagePixels.height(),
                                            cellPixels.width(), grid.numberHeight);
    }
    layout.contentSize = QSizeF(left + rowWidth + PreviewGap, PreviewGap + rows * rowPitch);
    return layout;
}

} // namespace virelai
