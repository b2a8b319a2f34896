#include "PreviewLayout.h"

#include <QtGlobal>

#include <algorithm>

namespace virelai {

namespace {

// Grey space around and between the pages, in pixels.
constexpr double Gap = 12;
// Width a thumbnail aims at; the row holds as many as fit.
constexpr double ThumbnailWidth = 160;

struct Grid
{
    int columns = 1;
    double scale = 1; // pixels per twip
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
    return qMax(1e-4, qMin(area.width() / pages.width(), area.height() / pages.height()));
}

Grid gridFor(ZoomMode mode, const QSizeF &viewport, const QSizeF &page)
{
    const QSizeF usable(qMax(1.0, viewport.width() - 2 * Gap),
                        qMax(1.0, viewport.height() - 2 * Gap));
    switch (mode) {
    case ZoomMode::LargeurPage:
        return {1, qMax(1e-4, usable.width() / page.width())};
    case ZoomMode::DeuxPages: {
        const QSizeF besideEachOther(qMax(1.0, usable.width() - Gap), usable.height());
        return {2, fitScale(besideEachOther, QSizeF(2 * page.width(), page.height()))};
    }
    case ZoomMode::Vignettes: {
        const int columns = qMax(1, int(usable.width() / (ThumbnailWidth + Gap)));
        const double width = (usable.width() - (columns - 1) * Gap) / columns;
        return {columns, qMax(1e-4, width / page.width())};
    }
    case ZoomMode::PageEntiere:
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

PreviewLayout layOutPreview(ZoomMode mode, const QSizeF &viewport,
                            const std::vector<QSizeF> &pageSizes)
{
    PreviewLayout layout;
    if (pageSizes.empty())
        return layout;
    const QSizeF cell = largestPage(pageSizes);
    const Grid grid = gridFor(mode, viewport, cell);
    const QSizeF cellPixels = cell * grid.scale;
    const int rows = (int(pageSizes.size()) + grid.columns - 1) / grid.columns;
    const double rowWidth = grid.columns * cellPixels.width() + (grid.columns - 1) * Gap;
    const double left = qMax(Gap, (viewport.width() - rowWidth) / 2);
    for (size_t i = 0; i < pageSizes.size(); ++i) {
        const int row = int(i) / grid.columns;
        const int column = int(i) % grid.columns;
        const QPointF cellTopLeft(left + column * (cellPixels.width() + Gap),
                                  Gap + row * (cellPixels.height() + Gap));
        const QSizeF pagePixels = pageSizes[i] * grid.scale;
        const QPointF centred((cellPixels.width() - pagePixels.width()) / 2, 0);
        layout.pageRects.emplace_back(cellTopLeft + centred, pagePixels);
    }
    layout.contentSize = QSizeF(left + rowWidth + Gap, Gap + rows * (cellPixels.height() + Gap));
    return layout;
}

} // namespace virelai
