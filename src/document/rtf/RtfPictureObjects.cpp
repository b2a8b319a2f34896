#include "RtfPictureObjects.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>

namespace virelai {

namespace {

constexpr int PictureIndex = QTextFormat::UserProperty + 1;
constexpr int PictureWidth = QTextFormat::UserProperty + 2;
constexpr int PictureHeight = QTextFormat::UserProperty + 3;

} // namespace

RtfPictureObjects::RtfPictureObjects(QObject *parent)
    : QObject(parent)
{ }

RtfPictureObjects &RtfPictureObjects::of(QTextDocument &document)
{
    auto *objects = document.findChild<RtfPictureObjects *>(QString(), Qt::FindDirectChildrenOnly);
    if (!objects) {
        objects = new RtfPictureObjects(&document);
        document.documentLayout()->registerHandler(ObjectType, objects);
    }
    return *objects;
}

void RtfPictureObjects::shareWith(const QTextDocument &original, QTextDocument &copy)
{
    const auto *objects
        = original.findChild<RtfPictureObjects *>(QString(), Qt::FindDirectChildrenOnly);
    if (objects)
        of(copy).m_pictures = objects->m_pictures;
}

QTextCharFormat RtfPictureObjects::add(std::shared_ptr<const PagePicture> picture, QSizeF size)
{
    QTextCharFormat format;
    format.setObjectType(ObjectType);
    format.setProperty(PictureIndex, int(m_pictures.size()));
    format.setProperty(PictureWidth, size.width());
    format.setProperty(PictureHeight, size.height());
    m_pictures.push_back(std::move(picture));
    return format;
}

QSizeF RtfPictureObjects::intrinsicSize(QTextDocument *, int, const QTextFormat &format)
{
    return {format.doubleProperty(PictureWidth), format.doubleProperty(PictureHeight)};
}

void RtfPictureObjects::drawObject(QPainter *painter, const QRectF &rect, QTextDocument *, int,
                                   const QTextFormat &format)
{
    const int index = format.intProperty(PictureIndex);
    if (index < 0 || index >= int(m_pictures.size()) || !m_pictures[std::size_t(index)])
        return;
    painter->save();
    m_pictures[std::size_t(index)]->draw(*painter, rect);
    painter->restore();
}

} // namespace virelai
