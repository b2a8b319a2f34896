// Feeds arbitrary bytes to the RTF reader. The first byte chooses how the rest
// becomes text: Windows-1252 as help files are read, UTF-8 as the catalogue is
// held, or raw UTF-16 so that unpaired surrogates and NULs reach the reader too.
#include "document/rtf/RtfReader.h"

#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

namespace {

QString decodeInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data + 1, qsizetype(size - 1));
    if (data[0] < 85)
        return virelai::decodeWindows1252(bytes);
    if (data[0] < 170)
        return QString::fromUtf8(bytes);
    return QString(reinterpret_cast<const QChar *>(bytes.data()), bytes.size() / 2);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QString text = decodeInput(data, size);
    QTextDocument document;
    QTextCursor cursor(&document);
    virelai::readRtf(text, cursor);
    return 0;
}
