#include "FileClipboard.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace virelai {

namespace {

// Far above any chart data or pupil list; keeps a wrong file from filling memory.
constexpr qint64 LargestDataFile = 64 * 1024 * 1024;

} // namespace

QString decodeClipboardBytes(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes);
}

std::optional<FileClipboard> FileClipboard::load(const QString &path, QString &erreur)
{
    QFile file(path);
    if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly)) {
        if (file.size() > LargestDataFile) {
            erreur = QStringLiteral("Le fichier de données %1 est trop grand.").arg(path);
            return std::nullopt;
        }
        const QByteArray bytes = file.read(LargestDataFile);
        if (bytes.size() == file.size())
            return FileClipboard(decodeClipboardBytes(bytes));
    }
    erreur = QStringLiteral("Impossible de lire le fichier de données %1").arg(path);
    return std::nullopt;
}

} // namespace virelai
