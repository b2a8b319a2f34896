#include "PictureFileWriter.h"

#include <QFileInfo>
#include <QSaveFile>

namespace virelai {

namespace {

QString failure(const QString &path, const QString &reason)
{
    return QStringLiteral("Impossible d'écrire le graphique %1 : %2").arg(path, reason);
}

} // namespace

QString AtomicFileWriter::writeWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path); // temporary file in the same directory, renamed on commit
    if (!file.open(QIODevice::WriteOnly))
        return failure(path, file.errorString());
    if (writeBytes(file, bytes) != bytes.size()) {
        file.cancelWriting();
        return failure(path, file.errorString());
    }
    if (!file.commit())
        return failure(path, file.errorString());
    if (QFileInfo(path).size() != bytes.size())
        return failure(path, QStringLiteral("fichier incomplet"));
    return QString();
}

qint64 AtomicFileWriter::writeBytes(QIODevice &file, const QByteArray &bytes)
{
    return file.write(bytes);
}

} // namespace virelai
