#pragma once

#include "common/Windows1252.h"

#include <QString>
#include <QStringDecoder>

#include <map>

namespace virelai {

constexpr int Windows1252 = 1252;
// Windows' own number for the Symbol font's private encoding.
constexpr int SymbolCodePage = 42;

// The code page of a font's \fcharset; charsets that name none use the document's \ansicpg.
int codePageForCharset(int charset, int ansiCodePage);

// Code pages a document may name with \ansicpg; others are ignored, so that
// hostile text cannot make the reader open converters without end.
bool isKnownCodePage(int codePage);

QChar symbolToUnicode(uchar byte);

// Decodes the bytes of \'hh escapes through a code page. Double-byte pages keep
// a lead byte until its trail byte arrives; pages the system cannot decode fall
// back to Windows-1252.
class ByteDecoder
{
public:
    QString decode(uchar byte, int codePage);

private:
    QStringDecoder *decoderFor(int codePage);

    std::map<int, QStringDecoder> m_decoders;
};

} // namespace virelai
