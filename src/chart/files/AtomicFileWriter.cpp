#include "AtomicFileWriter.h"

#include "SystemErrorText.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace virelai {

namespace {

// Beside the target, so that the rename stays within one file system; the
// process id keeps two programs writing into one folder apart.
QByteArray temporaryPath(const QString &path)
{
    return QFile::encodeName(path
                             + QStringLiteral(".%1.tmp").arg(QCoreApplication::applicationPid()));
}

// Why an existing target must not be replaced; empty when it is absent or a
// regular file. A rename would put a file in place of a device or a FIFO (and,
// as root, replace /dev/full itself), never write into it.
QString refusedTarget(const QByteArray &target)
{
    struct stat status
    {
    };
    if (::stat(target.constData(), &status) != 0 || S_ISREG(status.st_mode))
        return QString();
    if (S_ISDIR(status.st_mode))
        return systemErrorText(EISDIR);
    return QStringLiteral("ce n'est pas un fichier ordinaire (périphérique ou tube)");
}

} // namespace

// No fsync: the rename alone already guarantees that the final name only ever
// holds a whole file, and the pictures are rebuilt at every run, so a power cut
// that loses the newest bytes costs nothing. Syncing cost ~10 ms per chart.
QString AtomicFileWriter::writeWhole(const QString &path, const QByteArray &bytes)
{
    const QByteArray target = QFile::encodeName(path);
    if (QString refusal = refusedTarget(target); !refusal.isEmpty())
        return refusal;
    const QByteArray temporary = temporaryPath(path);
    QString failure = writeTemporary(temporary, bytes);
    if (failure.isEmpty())
        failure = refusedTarget(target); // it may have changed while the bytes were written
    if (failure.isEmpty() && std::rename(temporary.constData(), target.constData()) != 0)
        failure = systemErrorText(errno);
    if (!failure.isEmpty())
        ::unlink(temporary.constData());
    return failure;
}

QString AtomicFileWriter::writeTemporary(const QByteArray &temporary, const QByteArray &bytes)
{
    ::unlink(temporary.constData()); // left by a killed run that had the same process id
    const int fd
        = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0)
        return systemErrorText(errno);
    QString failure;
    qsizetype done = 0;
    while (failure.isEmpty() && done < bytes.size()) {
        const ssize_t written
            = writeSome(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            failure = systemErrorText(written < 0 ? errno : ENOSPC);
        else
            done += written;
    }
    struct stat status
    {
    };
    if (failure.isEmpty() && (::fstat(fd, &status) != 0 || status.st_size != bytes.size()))
        failure = QStringLiteral("fichier incomplet");
    // Some file systems (NFS, quotas) report a failed write only here.
    if (::close(fd) != 0 && failure.isEmpty())
        failure = systemErrorText(errno);
    return failure;
}

ssize_t AtomicFileWriter::writeSome(int fd, const char *data, size_t size)
{
    return ::write(fd, data, size);
}

} // namespace virelai
