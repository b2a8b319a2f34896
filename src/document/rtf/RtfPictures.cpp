#include "RtfPictures.h"

#include "RtfHex.h"
#include "RtfLimits.h"
#include "document/metafile/MetafilePicture.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <algorithm>

namespace virelai {

namespace {

// Bitmap sizes count pixels of a 96 dpi screen; metafile sizes hundredths of a millimetre.
constexpr double TwipsPerPixel = 15.0;
constexpr double TwipsPerHimetric = 1440.0 / 2540.0;

class ImagePicture : public PagePicture
{
public:
    explicit ImagePicture(QImage image)
        : m_image(std::move(image))
    { }
    void draw(QPainter &painter, const QRectF &target) const override
    {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, m_image);
    }

private:
    QImage m_image;
};

// Where a picture cannot be shown: its place, outlined in light grey.
class LightFrame : public PagePicture
{
public:
    void draw(QPainter &painter, const QRectF &target) const override
    {
        painter.setPen(QPen(QColor(200, 200, 200), 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(target);
    }
};

double boundedTwips(double twips)
{
    return std::clamp(twips, 0.0, double(MaxTwips));
}

} // namespace

void RtfPictureReader::begin()
{
    const qint64 decoded = m_decodedBytes;
    *this = RtfPictureReader();
    m_decodedBytes = decoded;
}

void RtfPictureReader::applyWord(Keyword keyword, int param)
{
    switch (keyword) {
    case Keyword::PicturePng:
        m_kind = Kind::Png;
        break;
    case Keyword::PictureJpeg:
        m_kind = Kind::Jpeg;
        break;
    case Keyword::PictureMetafile:
        m_kind = Kind::Metafile;
        break;
    case Keyword::PictureWidth:
        m_width = std::clamp(param, 0, MaxPictureSide);
        break;
    case Keyword::PictureHeight:
        m_height = std::clamp(param, 0, MaxPictureSide);
        break;
    case Keyword::PictureGoalWidth:
        m_goalWidth = std::clamp(param, 0, MaxTwips);
        break;
    case Keyword::PictureGoalHeight:
        m_goalHeight = std::clamp(param, 0, MaxTwips);
        break;
    case Keyword::PictureScaleX:
        m_scaleX = std::clamp(param, 0, MaxPictureScale);
        break;
    case Keyword::PictureScaleY:
        m_scaleY = std::clamp(param, 0, MaxPictureScale);
        break;
    default:
        break;
    }
}

void RtfPictureReader::addHexText(QStringView text)
{
    for (const QChar c : text) {
        const int value = hexValue(c);
        if (value < 0)
            continue;
        if (m_pendingNibble < 0) {
            m_pendingNibble = value;
            continue;
        }
        m_data.append(char(m_pendingNibble << 4 | value));
        m_pendingNibble = -1;
    }
}

RtfPictureReader::Picture RtfPictureReader::finish()
{
    QSizeF natural = declaredTwips();
    std::shared_ptr<const PagePicture> picture = decode(natural);
    if (!picture)
        picture = std::make_shared<LightFrame>();
    const double width = m_goalWidth > 0 ? m_goalWidth : natural.width();
    const double height = m_goalHeight > 0 ? m_goalHeight : natural.height();
    const QSizeF twips(boundedTwips(width * m_scaleX / 100.0),
                       boundedTwips(height * m_scaleY / 100.0));
    m_data.clear();
    return {std::move(picture), twips};
}

QSizeF RtfPictureReader::declaredTwips() const
{
    const double unit = m_kind == Kind::Metafile ? TwipsPerHimetric : TwipsPerPixel;
    return {m_width * unit, m_height * unit};
}

std::shared_ptr<const PagePicture> RtfPictureReader::decode(QSizeF &naturalTwips)
{
    switch (m_kind) {
    case Kind::Png:
    case Kind::Jpeg:
        return decodeImage(naturalTwips);
    case Kind::Metafile:
        return metafilePictureFromBytes(m_data);
    case Kind::Unknown:
        break;
    }
    return nullptr;
}

// Decoded only when the picture, and all the text's pictures so far, stay
// within the memory allowed.
std::shared_ptr<const PagePicture> RtfPictureReader::decodeImage(QSizeF &naturalTwips)
{
    QBuffer buffer(&m_data);
    QImageReader reader(&buffer, m_kind == Kind::Png ? "png" : "jpeg");
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > MaxPicturePixels)
        return nullptr;
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    if (m_decodedBytes + bytes > MaxDecodedPictureBytes)
        return nullptr;
    QImage image = reader.read();
    if (image.isNull())
        return nullptr;
    m_decodedBytes += bytes;
    if (naturalTwips.isEmpty())
        naturalTwips = QSizeF(image.width(), image.height()) * TwipsPerPixel;
    return std::make_shared<ImagePicture>(std::move(image));
}

} // namespace virelai
