#include "PictureFileWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace virelai {

namespace {

QString failure(const QString &path, const QString &reason)
{
    return QStringLiteral("Impossible d'écrire le graphique %1 : %2").arg(path, reason);
}

// Beside the target, so that the rename stays within one file system; the
// process id keeps two programs writing into one folder apart.
QString temporaryPath(const QString &path)
{
    return path + QStringLiteral(".%1.tmp").arg(QCoreApplication::applicationPid());
}

} // namespace

// No fsync: the rename alone already guarantees that the final name only ever
// holds a whole picture, and these pictures are rebuilt at every run, so a
// power cut that loses the newest bytes costs nothing. Syncing cost ~10 ms per
// chart for no gain.
QString AtomicFileWriter::writeWhole(const QString &path, const QByteArray &bytes)
{
    QFile file(temporaryPath(path));
    file.remove(); // left by a crashed run of the same process id
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return failure(path, file.errorString());
    const bool whole = writeBytes(file, bytes) == bytes.size() && file.flush();
    const QString writeError = file.errorString();
    file.close();
    if (!whole) {
        file.remove();
        return failure(path, writeError);
    }
    if (std::rename(QFile::encodeName(file.fileName()).constData(),
                    QFile::encodeName(path).constData())
        != 0) {
        const QString renameError = QString::fromLocal8Bit(std::strerror(errno));
        file.remove();
        return failure(path, renameError);
    }
    if (QFileInfo(path).size() != bytes.size())
        return failure(path, QStringLiteral("fichier incomplet"));
    return QString();
}

qint64 AtomicFileWriter::writeBytes(QIODevice &file, const QByteArray &bytes)
{
    return file.write(bytes);
}

} // namespace virelai
