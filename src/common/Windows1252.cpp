#include "Windows1252.h"

#include <array>

namespace virelai {

namespace {

// 0x80..0x9F; the unassigned bytes hold the C1 control of their own number.
constexpr std::array<char16_t, 32> HighBlock
    = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
       0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
       0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char16_t FirstHigh = 0x80;
constexpr char16_t FirstAfterHigh = 0xA0;

char toByte(char16_t c)
{
    if ((c > 0 && c < FirstHigh) || (c >= FirstAfterHigh && c <= 0xFF))
        return char(c);
    // Only characters beyond Latin-1 live in the high block; a C1 control found
    // there marks an unassigned byte and is not written.
    if (c <= 0xFF)
        return '?';
    for (std::size_t i = 0; i < HighBlock.size(); ++i) {
        if (HighBlock[i] == c)
            return char(FirstHigh + i);
    }
    return '?';
}

} // namespace

QChar windows1252ToUnicode(uchar byte)
{
    if (byte >= FirstHigh && byte < FirstAfterHigh)
        return QChar(HighBlock[byte - FirstHigh]);
    return QChar(byte);
}

QByteArray toWindows1252(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text)
        bytes.append(toByte(c.unicode()));
    return bytes;
}

} // namespace virelai
