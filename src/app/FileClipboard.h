#pragma once

#include "common/ClipboardSource.h"
#include "common/Result.h"

#include <QByteArrayView>

namespace virelai {

// Clipboard bytes as text: UTF-8, invalid sequences become U+FFFD, a leading
// byte-order mark is dropped, line ends stay as they are (a CR LF between chart
// blocks matters).
QString decodeClipboardBytes(QByteArrayView bytes);

class FileClipboard;

// Why a --data file gives no clipboard text.
struct DataFileRefusal
{
    QString message; // in French
};

// The clipboard text taken from a file (--data FILE), read once.
class FileClipboard : public ClipboardSource
{
public:
    explicit FileClipboard(QString text)
        : contents(std::move(text))
    { }

    // The file's text, or why it is refused. Only a regular file of reasonable
    // size is read.
    static Result<FileClipboard, DataFileRefusal> load(const QString &path);

    QString text() const override { return contents; }

private:
    QString contents;
};

} // namespace virelai
