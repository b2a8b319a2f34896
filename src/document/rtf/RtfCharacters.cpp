#include "RtfCharacters.h"

#include "RtfCodePage.h"

namespace virelai {

namespace {

constexpr char16_t Replacement = 0xFFFD;

bool isDroppedControl(char16_t c)
{
    return (c < 0x20 && c != u'\t') || c == 0x7F;
}

} // namespace

bool isPlainText(QStringView text)
{
    // Every text is asked and nearly all of it is plain: a loop without an
    // early exit, which the compiler runs over several characters at once.
    unsigned shown = 1;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        shown &= unsigned(u >= 0x20 || u == u'\t') & unsigned(u != 0x7F)
            & unsigned((u & 0xF800) != 0xD800);
    }
    return shown != 0;
}

void appendShownText(QStringView text, bool symbolFont, QString &out)
{
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (isDroppedControl(c.unicode()))
            continue;
        if (c.isHighSurrogate() && i + 1 < size && text[i + 1].isLowSurrogate()) {
            out.append(c);
            out.append(text[++i]);
        } else if (c.isSurrogate()) {
            out.append(QChar(Replacement));
        } else if (symbolFont && c.unicode() < 0x100) {
            out.append(symbolToUnicode(uchar(c.unicode())));
        } else {
            out.append(c);
        }
    }
}

QChar shownCodeUnit(char16_t unit, bool symbolFont)
{
    if (unit == 0xFFFE || unit == 0xFFFF)
        return QChar(Replacement);
    if (symbolFont && unit >= 0xF020 && unit <= 0xF0FF)
        return symbolToUnicode(uchar(unit - 0xF000));
    return QChar(unit);
}

} // namespace virelai
