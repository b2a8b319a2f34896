#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace virelai {

// Puts a whole file in place or leaves the previous one untouched. Tests replace it
// to simulate a full disk or a directory that cannot be written.
class FileWriter
{
public:
    virtual ~FileWriter() = default;
    // Returns an empty text on success, else the cause of the failure in French.
    virtual QString writeWhole(const QString &path, const QByteArray &bytes) = 0;
};

// Writes into a temporary file beside the target (path + "." + process id + ".tmp"),
// checks every write, the close and the temporary file's size, then renames it over
// the target: a crash, a kill or a full disk never leaves a half-written file under
// the target's name. A target that exists and is not a regular file (a directory, a
// device, a FIFO) is refused, never replaced.
class AtomicFileWriter : public FileWriter
{
public:
    QString writeWhole(const QString &path, const QByteArray &bytes) override;

protected:
    // The one place bytes go to the disk, as write(2); tests make it fail like a full disk.
    virtual ssize_t writeSome(int fd, const char *data, size_t size);

private:
    QString writeTemporary(const QByteArray &temporary, const QByteArray &bytes);
};

} // namespace virelai
