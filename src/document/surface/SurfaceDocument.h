#pragma once

#include "PageComposition.h"
#include "PageItems.h"
#include "PageMap.h"

#include <QMarginsF>
#include <QSizeF>

#include <memory>
#include <vector>

class QPainter;
class QRectF;

namespace virelai {

// Paper size and margins of one page, in twips.
struct PageGeometry
{
    QSizeF size;
    QMarginsF margins;

    double printableWidth() const { return size.width() - margins.left() - margins.right(); }
    double printableHeight() const { return size.height() - margins.top() - margins.bottom(); }
    double printableBottom() const { return size.height() - margins.bottom(); }
    double printableRight() const { return size.width() - margins.right(); }
};

// The pages of one document, each with its items in the order they were placed.
class SurfaceDocument
{
public:
    int pageCount() const { return int(m_pages.size()); }
    const PageGeometry &pageGeometry(int pageIndex) const;
    // Draws page pageIndex stretched into target (painter coordinates). Paints
    // no paper: the caller decides the background.
    void renderPage(int pageIndex, QPainter &painter, const QRectF &target) const;

    int addPage(const PageGeometry &geometry);
    void addItem(int pageIndex, std::shared_ptr<const PageItem> item);

    // Where every block went, footers included.
    const PageMap &pageMap() const { return m_map; }
    void addToMap(const MappedBlock &block) { m_map.push_back(block); }

private:
    struct Page
    {
        PageGeometry geometry;
        std::vector<std::shared_ptr<const PageItem>> items;
    };
    std::vector<Page> m_pages;
    PageMap m_map;
};

// The document being composed: its blocks wait until it is complete, when they
// are placed together.
struct DocumentUnderConstruction
{
    PageGeometry geometry;
    std::vector<PendingBlock> blocks;
};

} // namespace virelai
