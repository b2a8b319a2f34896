#pragma once

#include <QRectF>
#include <QSizeF>
#include <QStringList>

#include <vector>

namespace virelai {

// How the preview fits the pages in its window.
enum class ZoomMode { PageEntiere, LargeurPage, DeuxPages, Vignettes };

// Captions of the zoom choices, in the order of ZoomMode.
QStringList zoomModeCaptions();

struct PreviewLayout
{
    std::vector<QRectF> pageRects; // in content pixels
    QSizeF contentSize;
};

// Places the pages (sizes in twips) in rows for the given viewport, in pixels.
PreviewLayout layOutPreview(ZoomMode mode, const QSizeF &viewport,
                            const std::vector<QSizeF> &pageSizes);

} // namespace virelai
