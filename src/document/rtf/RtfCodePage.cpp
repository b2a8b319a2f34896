#include "RtfCodePage.h"

#include "RtfReader.h"

#include <array>

namespace virelai {

namespace {

// The Symbol font from 0x20 on. Positions with no standard character keep the
// private-use code Windows gives them (U+F000 + byte).
constexpr std::array<char16_t, 224> SymbolFromSpace = {
    // 0x20
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B, 0x0028, 0x0029, 0x2217, 0x002B,
    0x002C, 0x2212, 0x002E, 0x002F, 0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037,
    0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F,
    // 0x40
    0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399, 0x03D1, 0x039A,
    0x039B, 0x039C, 0x039D, 0x039F, 0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9,
    0x039E, 0x03A8, 0x0396, 0x005B, 0x2234, 0x005D, 0x22A5, 0x005F,
    // 0x60
    0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, 0x03B7, 0x03B9, 0x03D5, 0x03BA,
    0x03BB, 0x03BC, 0x03BD, 0x03BF, 0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9,
    0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D, 0x223C, 0xF07F,
    // 0x80
    0xF080, 0xF081, 0xF082, 0xF083, 0xF084, 0xF085, 0xF086, 0xF087, 0xF088, 0xF089, 0xF08A, 0xF08B,
    0xF08C, 0xF08D, 0xF08E, 0xF08F, 0xF090, 0xF091, 0xF092, 0xF093, 0xF094, 0xF095, 0xF096, 0xF097,
    0xF098, 0xF099, 0xF09A, 0xF09B, 0xF09C, 0xF09D, 0xF09E, 0xF09F,
    // 0xA0
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663, 0x2666, 0x2665, 0x2660, 0x2194,
    0x2190, 0x2191, 0x2192, 0x2193, 0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022,
    0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5,
    // 0xC0
    0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229, 0x222A, 0x2283, 0x2287, 0x2284,
    0x2282, 0x2286, 0x2208, 0x2209, 0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5,
    0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0, 0x21D1, 0x21D2, 0x21D3,
    // 0xE0
    0x25CA, 0x2329, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C, 0x239D, 0x23A1, 0x23A2, 0x23A3,
    0x23A7, 0x23A8, 0x23A9, 0x23AA, 0xF0F0, 0x232A, 0x222B, 0x2320, 0x23AE, 0x2321, 0x239E, 0x239F,
    0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC, 0x23AD, 0xF0FF};

struct CharsetCodePage
{
    int charset;
    int codePage;
};

constexpr std::array<CharsetCodePage, 17> CharsetCodePages = {{{2, SymbolCodePage},
                                                               {77, 10000},
                                                               {128, 932},
                                                               {129, 949},
                                                               {130, 1361},
                                                               {134, 936},
                                                               {136, 950},
                                                               {161, 1253},
                                                               {162, 1254},
                                                               {163, 1258},
                                                               {177, 1255},
                                                               {178, 1256},
                                                               {186, 1257},
                                                               {204, 1251},
                                                               {222, 874},
                                                               {238, 1250},
                                                               {255, 437}}};

QByteArray decoderName(int codePage)
{
    switch (codePage) {
    case 10000:
        return "macintosh";
    case 437:
        return "IBM437";
    default:
        return "windows-" + QByteArray::number(codePage);
    }
}

} // namespace

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes)
        *out++ = windows1252ToUnicode(uchar(byte));
    return text;
}

int codePageForCharset(int charset, int ansiCodePage)
{
    for (const CharsetCodePage &entry : CharsetCodePages) {
        if (entry.charset == charset)
            return entry.codePage;
    }
    return ansiCodePage;
}

bool isKnownCodePage(int codePage)
{
    if (codePage == Windows1252)
        return true;
    for (const CharsetCodePage &entry : CharsetCodePages) {
        if (entry.codePage == codePage && codePage != SymbolCodePage)
            return true;
    }
    return false;
}

QChar symbolToUnicode(uchar byte)
{
    if (byte < 0x20)
        return QChar(byte);
    return QChar(SymbolFromSpace[byte - 0x20]);
}

QString ByteDecoder::decode(uchar byte, int codePage)
{
    if (codePage == SymbolCodePage)
        return QString(symbolToUnicode(byte));
    if (codePage != Windows1252) {
        if (QStringDecoder *decoder = decoderFor(codePage)) {
            const char raw = char(byte);
            return (*decoder)(QByteArrayView(&raw, 1));
        }
    }
    return QString(windows1252ToUnicode(byte));
}

QStringDecoder *ByteDecoder::decoderFor(int codePage)
{
    auto found = m_decoders.find(codePage);
    if (found == m_decoders.end()) {
        // Only the pages of isKnownCodePage ever get here, so the map stays small.
        found
            = m_decoders.emplace(codePage, QStringDecoder(decoderName(codePage).constData())).first;
    }
    return found->second.isValid() ? &found->second : nullptr;
}

} // namespace virelai
