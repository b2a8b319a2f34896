#include "RtfPageFurniture.h"

#include "RtfPictureObjects.h"

#include <QObject>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace virelai {

namespace {

// Holds the furniture as a child of its document, so that it lives as long.
class FurnitureHolder : public QObject
{
    Q_OBJECT

public:
    explicit FurnitureHolder(QObject *parent)
        : QObject(parent)
    { }
    PageFurniture furniture;
};

} // namespace

std::shared_ptr<QTextDocument> PageFurniture::headerOf(int page) const
{
    return page == 0 && titlePage ? headerFirst : header;
}

std::shared_ptr<QTextDocument> PageFurniture::footerOf(int page) const
{
    return page == 0 && titlePage ? footerFirst : footer;
}

const PageFurniture *pageFurnitureOf(const QTextDocument &document)
{
    const auto *holder
        = document.findChild<FurnitureHolder *>(QString(), Qt::FindDirectChildrenOnly);
    return holder && !holder->furniture.empty() ? &holder->furniture : nullptr;
}

PageFurniture &pageFurnitureFor(QTextDocument &document)
{
    auto *holder = document.findChild<FurnitureHolder *>(QString(), Qt::FindDirectChildrenOnly);
    if (!holder)
        holder = new FurnitureHolder(&document);
    return holder->furniture;
}

std::shared_ptr<QTextDocument> withPageNumbers(const QTextDocument &document, int page,
                                               int pageCount)
{
    std::shared_ptr<QTextDocument> copy(document.clone());
    RtfPictureObjects::shareWith(document, *copy);
    std::vector<QTextFragment> fields;
    for (QTextBlock block = copy->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().hasProperty(FieldProperty))
                fields.push_back(it.fragment());
        }
    }
    // From the last, so that the positions of the others stay.
    for (auto field = fields.rbegin(); field != fields.rend(); ++field) {
        QTextCharFormat format = field->charFormat();
        const auto kind = PageField(format.intProperty(FieldProperty));
        format.clearProperty(FieldProperty);
        QTextCursor cursor(copy.get());
        cursor.setPosition(field->position());
        cursor.setPosition(field->position() + field->length(), QTextCursor::KeepAnchor);
        cursor.insertText(QString::number(kind == PageField::Page ? page + 1 : pageCount), format);
    }
    return copy;
}

} // namespace virelai

#include "RtfPageFurniture.moc"
