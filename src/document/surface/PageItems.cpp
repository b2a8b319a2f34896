#include "PageItems.h"

#include "common/BgrColor.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>

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
    // Each line belongs to the slice that holds its top. Qt draws every line
    // that touches its clip, so the clip stops short of the slice's edges: the
    // line ending where the slice starts, and the one starting where it ends,
    // stay out, and a PDF never holds a line twice across a page break. Qt's
    // drawing also paints tables' borders and shading and text backgrounds.
    constexpr double tolerance = 0.5;
    constexpr double wide = 1.0e7;
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    context.clip = QRectF(-wide, m_sliceTop + tolerance, 2 * wide,
                          qMax(0.0, m_sliceBottom - m_sliceTop - 2 * tolerance));
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
