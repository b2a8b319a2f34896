#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace virelai {

// Puts a whole file in place or leaves the previous one untouched. Tests replace it
// to simulate a full disk or a directory that cannot be written.
class PictureFileWriter
{
public:
    virtual ~PictureFileWriter() = default;
    // Returns an empty text on success, else a French description of the failure.
    virtual QString writeWhole(const QString &path, const QByteArray &bytes) = 0;
};

// Writes into a temporary file of the same directory, checks that every byte was
// written, then renames it over the target: a crash or a full disk never leaves a
// half-written picture under the target's name.
class AtomicFileWriter : public PictureFileWriter
{
public:
    QString writeWhole(const QString &path, const QByteArray &bytes) override;

protected:
    // The one place bytes go to the disk; tests make it fall short like a full disk.
    virtual qint64 writeBytes(QIODevice &file, const QByteArray &bytes);
};

} // namespace virelai
