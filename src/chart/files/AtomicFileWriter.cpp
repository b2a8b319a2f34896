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

WriteFailure systemFailure(int error)
{
    return {systemErrorText(error)};
}

// Why an existing target must not be replaced; nothing when it is absent or a
// regular file. A rename would put a file in place of a device or a FIFO (and,
// as root, replace /dev/full itself), never write into it.
std::optional<WriteFailure> refusedTarget(const QByteArray &target)
{
    struct stat status
    {
    };
    if (::stat(target.constData(), &status) != 0 || S_ISREG(status.st_mode))
        return std::nullopt;
    if (S_ISDIR(status.st_mode))
        return systemFailure(EISDIR);
    return WriteFailure {
        QStringLiteral("ce n'est pas un fichier ordinaire (périphérique ou tube)")};
}

} // namespace

// No fsync: the rename alone already guarantees that the final name only ever
// holds a whole file, and the pictures are rebuilt at every run, so a power cut
// that loses the newest bytes costs nothing. Syncing cost ~10 ms per chart.
std::optional<WriteFailure> AtomicFileWriter::writeWhole(const QString &path,
                                                         const QByteArray &bytes)
{
    const QByteArray target = QFile::encodeName(path);
    if (auto refusal = refusedTarget(target))
        return refusal;
    const QByteArray temporary = temporaryPath(path);
    std::optional<WriteFailure> failure = writeTemporary(temporary, bytes);
    if (!failure)
        failure = refusedTarget(target); // it may have changed while the bytes were written
    if (!failure && std::rename(temporary.constData(), target.constData()) != 0)
        failure = systemFailure(errno);
    if (failure)
        ::unlink(temporary.constData());
    return failure;
}

std::optional<WriteFailure> AtomicFileWriter::writeTemporary(const QByteArray &temporary,
                                                             const QByteArray &bytes)
{
    ::unlink(temporary.constData()); // left by a killed run that had the same process id
    const int fd
        = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0)
        return systemFailure(errno);
    std::optional<WriteFailure> failure;
    qsizetype done = 0;
    while (!failure && done < bytes.size()) {
        const ssize_t written
            = writeSome(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            failure = systemFailure(written < 0 ? errno : ENOSPC);
        else
            done += written;
    }
    struct stat status
    {
    };
    if (!failure && (::fstat(fd, &status) != 0 || status.st_size != bytes.size()))
        failure = WriteFailure {QStringLiteral("fichier incomplet")};
    // Some file systems (NFS, quotas) report a failed write only here.
    if (::close(fd) != 0 && !failure)
        failure = systemFailure(errno);
    return failure;
}

ssize_t AtomicFileWriter::writeSome(int fd, const char *data, size_t size)
{
    return ::write(fd, data, size);
}

} // namespace virelai
