#pragma once

#include "document/surface/PagePicture.h"

#include <QObject>
#include <QSizeF>
#include <QTextObjectInterface>

#include <memory>
#include <vector>

class QTextDocument;

namespace virelai {

// The pictures of a document, drawn in its lines where the text holds them:
// each sits on the baseline at the size the RTF gives it. One set per
// document, owned by it.
class RtfPictureObjects : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    static constexpr int ObjectType = QTextFormat::UserObject + 1;

    // The document's set, made and registered with its layout the first time.
    static RtfPictureObjects &of(QTextDocument &document);
    // A document whose text was copied from another (QTextDocument::clone, a
    // fragment) keeps the pictures' formats but not what draws them: it gets
    // the original's pictures.
    static void shareWith(const QTextDocument &original, QTextDocument &copy);

    // The format of a character that shows the picture at size (layout units).
    QTextCharFormat add(std::shared_ptr<const PagePicture> picture, QSizeF size);

    QSizeF intrinsicSize(QTextDocument *document, int position, const QTextFormat &format) override;
    void drawObject(QPainter *painter, const QRectF &rect, QTextDocument *document, int position,
                    const QTextFormat &format) override;

private:
    explicit RtfPictureObjects(QObject *parent);

    std::vector<std::shared_ptr<const PagePicture>> m_pictures;
};

} // namespace virelai
