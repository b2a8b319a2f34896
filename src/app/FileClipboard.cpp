#include "FileClipboard.h"

#include "app/ClipboardLimit.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace virelai {

namespace {

// UTF-8 takes at most three bytes for one character of the text (four for two),
// and a byte-order mark may come first: a longer file cannot be within the limit.
constexpr qint64 LargestDataFile = 3 * LargestClipboardText + 3;

} // namespace

QString decodeClipboardBytes(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes);
}

Result<FileClipboard, DataFileRefusal> FileClipboard::load(const QString &path)
{
    QFile file(path);
    if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.read(LargestDataFile + 1);
        QString text = decodeClipboardBytes(bytes);
        if (bytes.size() > LargestDataFile || text.size() > LargestClipboardText) {
            return DataFileRefusal {dataFileTooLargeMessage(path)};
        }
        if (bytes.size() == file.size())
            return FileClipboard(std::move(text));
    }
    return DataFileRefusal {
        QStringLiteral("Impossible de lire le fichier de données %1").arg(path)};
}

} // namespace virelai
