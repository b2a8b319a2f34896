#include "document/metafile/WmfTextCodec.h"

#include "document/rtf/RtfCodePage.h"

namespace virelai {

QString decodeWmfText(const QByteArray &bytes, quint8 charset)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto value = quint8(byte);
        text.append(charset == symbolCharset ? symbolToUnicode(value)
                                             : windows1252ToUnicode(value));
    }
    return text;
}

} // namespace virelai
