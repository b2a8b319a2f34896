#include "SurfaceDocument.h"

#include <QPainter>

namespace virelai {

const PageGeometry &SurfaceDocument::pageGeometry(int pageIndex) const
{
    return m_pages.at(size_t(pageIndex)).geometry;
}

void SurfaceDocument::renderPage(int pageIndex, QPainter &painter, const QRectF &target) const
{
    if (pageIndex < 0 || pageIndex >= pageCount())
        return;
    const Page &page = m_pages[size_t(pageIndex)];
    const QSizeF size = page.geometry.size;
    if (size.isEmpty() || target.isEmpty())
        return;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / size.width(), target.height() / size.height());
    painter.setClipRect(QRectF(QPointF(0, 0), size), Qt::IntersectClip);
    for (const auto &item : page.items)
        item->draw(painter);
    painter.restore();
}

int SurfaceDocument::addPage(const PageGeometry &geometry)
{
    m_pages.push_back({geometry, {}});
    return pageCount() - 1;
}

void SurfaceDocument::addItem(int pageIndex, std::shared_ptr<const PageItem> item)
{
    m_pages.at(size_t(pageIndex)).items.push_back(std::move(item));
}

} // namespace virelai
