#pragma once

#include "PagePicture.h"

#include <QRectF>
#include <QtGlobal>

#include <memory>

class QPainter;
class QTextDocument;

namespace virelai {

// One thing placed on a page. Coordinates are twips from the top left corner
// of the paper; the painter is already scaled to twips.
class PageItem
{
public:
    virtual ~PageItem() = default;
    virtual void draw(QPainter &painter) const = 0;
};

// A horizontal slice [sliceTop, sliceBottom) of a laid-out text, drawn with
// its top at topLeft. A text that runs over several pages gives one slice per
// page, all sharing the one layout.
class TextItem : public PageItem
{
public:
    TextItem(std::shared_ptr<QTextDocument> document, QPointF topLeft, double sliceTop,
             double sliceBottom);
    void draw(QPainter &painter) const override;

    QPointF topLeft() const { return m_topLeft; }
    double sliceHeight() const { return m_sliceBottom - m_sliceTop; }

private:
    std::shared_ptr<QTextDocument> m_document;
    QPointF m_topLeft;
    double m_sliceTop;
    double m_sliceBottom;
};

// The frame of a text box: filled with the brush, outlined with the pen.
class BoxItem : public PageItem
{
public:
    BoxItem(QRectF rect, quint32 brushColor, int penStyle);
    void draw(QPainter &painter) const override;

private:
    QRectF m_rect;
    quint32 m_brushColor;
    int m_penStyle;
};

class PictureItem : public PageItem
{
public:
    PictureItem(std::shared_ptr<const PagePicture> picture, QRectF rect);
    void draw(QPainter &painter) const override;

private:
    std::shared_ptr<const PagePicture> m_picture;
    QRectF m_rect;
};

// Outline width of boxes: a fine line, about 0.18 mm.
constexpr double BoxPenWidthTwips = 10;

// The outline drawn for a PenStyle value (0 solid ... 5 none).
Qt::PenStyle qtPenStyle(int penStyle);

} // namespace virelai
