#include "HelpFileReading.h"

#include <QFile>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace virelai {

namespace {

// Closes the descriptor on every way out.
class Descriptor
{
public:
    explicit Descriptor(int fd)
        : fd(fd)
    { }
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return fd; }

private:
    int fd;
};

// Reads to the end, not to the size the file system says: procfs files say 0
// whatever they hold. One byte more than said is asked for at once, so that an
// ordinary file ends in one read; past the limit the file counts as unreadable.
std::optional<QByteArray> readToEnd(int fd, qint64 sizeSaid)
{
    QByteArray bytes(qsizetype(sizeSaid + 1), Qt::Uninitialized);
    qsizetype done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (done > MaxHelpFileBytes)
                return std::nullopt;
            bytes.resize(std::min<qsizetype>(done * 2, MaxHelpFileBytes + 1));
        }
        const ssize_t got = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0) {
            bytes.truncate(done);
            return bytes;
        }
        done += got;
    }
}

} // namespace

std::optional<QByteArray> readHelpFileBytes(const QString &path)
{
    // Non-blocking, so that opening a FIFO never waits for a writer.
    const Descriptor file(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat status
    {
    };
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    const qint64 size = status.st_size;
    if (size < 0 || size > MaxHelpFileBytes)
        return std::nullopt;
    return readToEnd(file.get(), size);
}

} // namespace virelai
