#pragma once

#include <QRectF>
#include <QSizeF>
#include <QStringList>

#include <vector>

namespace virelai {

// How the preview fits the pages in its window: the four choices of its
// context menu, or a zoom chosen with the keys or the wheel (Custom).
enum class ZoomMode { WholePage, PageWidth, TwoPages, Thumbnails, Custom };

// Captions of the four fitting choices, in the order of ZoomMode.
QStringList zoomModeCaptions();

// Grey space around and between the pages, in pixels.
constexpr double PreviewGap = 12;

// The zoom steps of the keys and the wheel, in percent of the page's real size.
constexpr double SmallestZoom = 25;
constexpr double LargestZoom = 400;

// The next step from percent, upwards (direction > 0) or downwards, kept
// between SmallestZoom and LargestZoom; a zoom already beyond a bound stays.
double nextZoomStep(double percent, int direction);

struct PreviewLayout
{
    std::vector<QRectF> pageRects; // in content pixels
    std::vector<QRectF> numberRects; // thumbnails: where each page's number is written
    QSizeF contentSize;
    double scale = 0; // pixels per twip
};

// Places the pages (sizes in twips) in rows for the given viewport, in pixels.
// customScale, in pixels per twip, is used by ZoomMode::Custom only.
PreviewLayout layOutPreview(ZoomMode mode, const QSizeF &viewport,
                            const std::vector<QSizeF> &pageSizes, double customScale = 0);

} // namespace virelai
