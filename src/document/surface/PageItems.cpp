#include "PageItems.h"

#include "TextSlice.h"
#include "common/BgrColor.h"

#include <QPainter>

namespace virelai {

TextItem::TextItem(std::shared_ptr<QTextDocument> document, QPointF topLeft, double sliceTop,
                   double sliceBottom)
    : m_document(std::move(document))
    , m_topLeft(topLeft)
    , m_sliceTop(sliceTop)
    , m_sliceBottom(sliceBottom)
{ }

void TextItem::draw(QPainter &painter) const
{
    painter.save();
    painter.translate(m_topLeft.x(), m_topLeft.y() - m_sliceTop);
    painter.setPen(Qt::black);
    drawTextSlice(painter, *m_document, m_sliceTop, m_sliceBottom);
    painter.restore();
}

BoxItem::BoxItem(QRectF rect, quint32 brushColor, int penStyle)
    : m_rect(rect)
    , m_brushColor(brushColor)
    , m_penStyle(penStyle)
{ }

void BoxItem::draw(QPainter &painter) const
{
    painter.save();
    QPen pen(Qt::black, BoxPenWidthTwips, qtPenStyle(m_penStyle));
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(colorFromBgr(m_brushColor));
    painter.drawRect(m_rect);
    painter.restore();
}

PictureItem::PictureItem(std::shared_ptr<const PagePicture> picture, QRectF rect)
    : m_picture(std::move(picture))
    , m_rect(rect)
{ }

void PictureItem::draw(QPainter &painter) const
{
    painter.save();
    m_picture->draw(painter, m_rect);
    painter.restore();
}

Qt::PenStyle qtPenStyle(int penStyle)
{
    switch (penStyle) {
    case 1:
        return Qt::DashLine;
    case 2:
        return Qt::DotLine;
    case 3:
        return Qt::DashDotLine;
    case 4:
        return Qt::DashDotDotLine;
    case 5:
        return Qt::NoPen;
    default: // 0 solid, 6 inside the frame
        return Qt::SolidLine;
    }
}

} // namespace virelai
