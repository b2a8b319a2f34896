#include "PageItems.h"

#include "chart/BgrColor.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>

namespace virelai {

TextItem::TextItem(std::shared_ptr<QTextDocument> document, QPointF topLeft, double sliceTop,
                   double sliceBottom, QRectF clip)
    : m_document(std::move(document))
    , m_topLeft(topLeft)
    , m_sliceTop(sliceTop)
    , m_sliceBottom(sliceBottom)
    , m_clip(clip)
{ }

void TextItem::draw(QPainter &painter) const
{
    painter.save();
    if (!m_clip.isEmpty())
        painter.setClipRect(m_clip, Qt::IntersectClip);
    painter.translate(m_topLeft.x(), m_topLeft.y() - m_sliceTop);
    // Wide enough for a line that is not wrapped; only the height is cut.
    const double width = qMax(m_document->textWidth(), m_document->idealWidth()) + 1;
    const QRectF slice(0, m_sliceTop, width, m_sliceBottom - m_sliceTop);
    painter.setClipRect(slice, Qt::IntersectClip);
    QAbstractTextDocumentLayout::PaintContext context;
    // Lines that only touch the slice belong to the neighbouring page: they
    // must not be drawn here, even clipped away, or a PDF would hold their
    // text twice.
    constexpr double touching = 0.5;
    context.clip = slice.adjusted(0, touching, 0, -touching);
    context.palette.setColor(QPalette::Text, Qt::black);
    m_document->documentLayout()->draw(&painter, context);
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
