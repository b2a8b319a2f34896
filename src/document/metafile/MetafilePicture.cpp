#include "document/metafile/MetafilePicture.h"

#include "document/metafile/WmfLimits.h"
#include "document/metafile/WmfPlayer.h"
#include "document/metafile/WmfRecordTypes.h"

#include <QFile>
#include <QPicture>

#include <cmath>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace virelai {

namespace {
class MetafilePicture final : public PagePicture
{
public:
    MetafilePicture(WmfDocument document, const QRectF &frame)
        : m_document(std::move(document))
        , m_frame(frame)
    { }

    void draw(QPainter &painter, const QRectF &target) const override
    {
        const bool finite = std::isfinite(target.x()) && std::isfinite(target.y())
            && std::isfinite(target.width()) && std::isfinite(target.height());
        if (!finite || target.width() <= 0 || target.height() <= 0)
            return;
        WmfPlayer(m_document, painter, m_frame, target).play();
    }

private:
    const WmfDocument m_document;
    const QRectF m_frame;
};

// Without a placeable header, the picture is the window the file sets.
std::optional<QRectF> windowOf(const WmfDocument &document)
{
    std::optional<QPointF> origin, extent;
    for (const WmfRecord &record : document.records) {
        const WmfParams params = document.params(record);
        const QPointF point(params.s(1), params.s(0));
        if (record.function == SetWindowOrg && !origin)
            origin = point;
        if (record.function == SetWindowExt && !extent && point.x() != 0 && point.y() != 0)
            extent = point;
    }
    if (!extent)
        return std::nullopt;
    const QPointF start = origin.value_or(QPointF());
    return QRectF(start, start + *extent).normalized();
}

// A file that sets no window at all is measured by drawing it once, unscaled.
QRectF drawnBounds(const WmfDocument &document)
{
    QPicture measure;
    {
        QPainter painter(&measure);
        const QRectF unit(0, 0, 1, 1);
        WmfPlayer(document, painter, unit, unit).play(false);
    }
    const QRectF bounds = measure.boundingRect();
    return bounds.isEmpty() ? bounds.adjusted(0, 0, 1, 1) : bounds;
}

QRectF frameOf(const WmfDocument &document)
{
    if (document.placeableBox)
        return *document.placeableBox;
    if (const std::optional<QRectF> window = windowOf(document))
        return *window;
    return drawnBounds(document);
}

// Only a regular file is read. The open does not block, so that a FIFO put in
// the picture's place never waits for a writer.
bool openRegularFile(const QString &path, QFile &file)
{
    const int fd
        = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    struct stat status
    {
    };
    return ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
}

} // namespace

std::shared_ptr<const PagePicture> metafilePictureFromBytes(QByteArray bytes)
{
    std::optional<WmfDocument> document = readWmfDocument(std::move(bytes));
    if (!document)
        return nullptr;
    const QRectF frame = frameOf(*document);
    return std::make_shared<MetafilePicture>(std::move(*document), frame);
}

std::shared_ptr<const PagePicture> loadMetafilePicture(const QString &path)
{
    QFile file;
    if (!openRegularFile(path, file))
        return nullptr;
    // Read one byte past the limit to tell a file at the limit from a larger one.
    QByteArray bytes = file.read(maxFileBytes + 1);
    if (bytes.size() > maxFileBytes)
        return nullptr;
    return metafilePictureFromBytes(std::move(bytes));
}

} // namespace virelai
