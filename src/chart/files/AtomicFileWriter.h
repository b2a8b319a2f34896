#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

#include <sys/types.h>

namespace virelai {

// Why a file could not be put in place.
struct WriteFailure
{
    QString cause; // in French
};

// Puts a whole file in place or leaves the previous one untouched. Tests replace it
// to simulate a full disk or a directory that cannot be written.
class FileWriter
{
public:
    virtual ~FileWriter() = default;
    // Nothing when the file is in place, else why it is not.
    virtual std::optional<WriteFailure> writeWhole(const QString &path, const QByteArray &bytes)
        = 0;
};

// Writes into a temporary file beside the target (path + "." + process id + ".tmp"),
// checks every write, the close and the temporary file's size, then renames it over
// the target: a crash, a kill or a full disk never leaves a half-written file under
// the target's name. A target that exists and is not a regular file (a directory, a
// device, a FIFO) is refused, never replaced.
class AtomicFileWriter : public FileWriter
{
public:
    std::optional<WriteFailure> writeWhole(const QString &path, const QByteArray &bytes) override;

protected:
    // The one place bytes go to the disk, as write(2); tests make it fail like a full disk.
    virtual ssize_t writeSome(int fd, const char *data, size_t size);

private:
    std::optional<WriteFailure> writeTemporary(const QByteArray &temporary,
                                               const QByteArray &bytes);
};

} // namespace virelai
