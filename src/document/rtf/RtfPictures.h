#pragma once

#include "RtfKeywords.h"
#include "document/surface/PagePicture.h"

#include <QByteArray>
#include <QSizeF>
#include <QStringView>

#include <memory>

namespace virelai {

// Reads the {\pict} groups of a text: each one's format, sizes and hex data.
// PNG and JPEG are decoded by Qt's image readers, Windows metafiles played by
// the program's own player; any other picture, or one that cannot be
// decoded, keeps its place as a light frame.
class RtfPictureReader
{
public:
    struct Picture
    {
        std::shared_ptr<const PagePicture> picture;
        QSizeF twips; // on the page
    };

    void begin();
    void applyWord(Keyword keyword, int param);
    void addHexText(QStringView text);
    Picture finish();

private:
    enum class Kind { Unknown, Png, Jpeg, Metafile };

    std::shared_ptr<const PagePicture> decode(QSizeF &naturalTwips);
    std::shared_ptr<const PagePicture> decodeImage(QSizeF &naturalTwips);
    QSizeF declaredTwips() const;

    Kind m_kind = Kind::Unknown;
    int m_width = 0; // \picw: pixels, or hundredths of a millimetre for a metafile
    int m_height = 0;
    int m_goalWidth = 0; // \picwgoal: twips
    int m_goalHeight = 0;
    int m_scaleX = 100; // \picscalex: percent
    int m_scaleY = 100;
    QByteArray m_data;
    int m_pendingNibble = -1;
    qint64 m_decodedBytes = 0; // every picture of the text so far
};

} // namespace virelai
