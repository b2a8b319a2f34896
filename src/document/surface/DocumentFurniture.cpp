#include "DocumentFurniture.h"

#include "Footnotes.h"
#include "PageItems.h"

#include <QTextDocument>

#include <algorithm>

namespace virelai {

namespace {

double heightOf(const std::shared_ptr<QTextDocument> &document, double width)
{
    return document ? layOutAside(*document, width) : 0.0;
}

} // namespace

DocumentFurniture::DocumentFurniture(const PageFurniture &furniture, const PageGeometry &geometry,
                                     bool surfaceHasFooter)
    : m_furniture(furniture)
    , m_geometry(geometry)
    , m_drawsFooter(!surfaceHasFooter)
{
    const double width = geometry.printableWidth();
    m_heights[0] = heightOf(furniture.header, width);
    m_heights[1] = heightOf(furniture.headerFirst, width);
    m_heights[2] = heightOf(furniture.footer, width);
    m_heights[3] = heightOf(furniture.footerFirst, width);
}

double DocumentFurniture::headerHeight(int page) const
{
    if (!m_furniture.headerOf(page))
        return 0;
    return page == 0 && m_furniture.titlePage ? m_heights[1] : m_heights[0];
}

double DocumentFurniture::footerHeight(int page) const
{
    if (!m_drawsFooter || !m_furniture.footerOf(page))
        return 0;
    return page == 0 && m_furniture.titlePage ? m_heights[3] : m_heights[2];
}

double DocumentFurniture::bodyTop(int page) const
{
    const double height = headerHeight(page);
    return height > 0 ? std::max(m_geometry.margins.top(), m_furniture.headerY + height)
                      : m_geometry.margins.top();
}

double DocumentFurniture::bodyBottom(int page) const
{
    const double height = footerHeight(page);
    const double paperBottom = m_geometry.size.height();
    return height > 0
        ? std::min(m_geometry.printableBottom(), paperBottom - m_furniture.footerY - height)
        : m_geometry.printableBottom();
}

void DocumentFurniture::addHeaderAndFooter(SurfaceDocument &document, int page) const
{
    const double width = m_geometry.printableWidth();
    const double left = m_geometry.margins.left();
    const int pages = document.pageCount();
    if (const auto header = m_furniture.headerOf(page)) {
        auto numbered = withPageNumbers(*header, page, pages);
        const double height = layOutAside(*numbered, width);
        document.addItem(
            page,
            std::make_shared<TextItem>(numbered, QPointF(left, m_furniture.headerY), 0, height));
    }
    const auto footer = m_furniture.footerOf(page);
    if (m_drawsFooter && footer) {
        auto numbered = withPageNumbers(*footer, page, pages);
        const double height = layOutAside(*numbered, width);
        const double top = m_geometry.size.height() - m_furniture.footerY - height;
        document.addItem(page, std::make_shared<TextItem>(numbered, QPointF(left, top), 0, height));
    }
}

} // namespace virelai
