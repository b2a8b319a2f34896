#pragma once

#include "common/ClipboardSource.h"

#include <QByteArrayView>
#include <optional>

namespace virelai {

// Clipboard bytes as text: UTF-8, invalid sequences become U+FFFD, a leading
// byte-order mark is dropped, line ends stay as they are (a CR LF between chart
// blocks matters).
QString decodeClipboardBytes(QByteArrayView bytes);

// The clipboard text taken from a file (--data FILE), read once.
class FileClipboard : public ClipboardSource
{
public:
    explicit FileClipboard(QString text)
        : contents(std::move(text))
    { }

    // The file's text, or nothing with a French reason in `erreur`. Only a
    // regular file of reasonable size is read.
    static std::optional<FileClipboard> load(const QString &path, QString &erreur);

    QString text() const override { return contents; }

private:
    QString contents;
};

} // namespace virelai
