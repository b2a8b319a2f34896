#include "RtfLexer.h"

#include "RtfHex.h"
#include "RtfLimits.h"

#include <limits>

namespace virelai {

namespace {

bool isAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

bool isLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n';
}

} // namespace

RtfToken RtfLexer::next()
{
    // A loop, not recursion: hostile text can chain any number of empty escapes.
    while (!atEnd()) {
        if (std::optional<RtfToken> token = readOne())
            return *token;
    }
    return {};
}

std::optional<RtfToken> RtfLexer::readOne()
{
    if (isLineBreak(m_input[m_pos])) {
        ++m_pos;
        return std::nullopt;
    }
    const QChar c = m_input[m_pos];
    RtfToken token;
    if (c == u'{') {
        ++m_pos;
        token.kind = RtfToken::Kind::GroupOpen;
        return token;
    }
    if (c == u'}') {
        ++m_pos;
        token.kind = RtfToken::Kind::GroupClose;
        return token;
    }
    if (c == u'\\')
        return readControl();
    return readText();
}

RtfToken RtfLexer::readText()
{
    const qsizetype start = m_pos;
    while (!atEnd()) {
        const QChar c = m_input[m_pos];
        if (c == u'\\' || c == u'{' || c == u'}' || isLineBreak(c))
            break;
        ++m_pos;
    }
    RtfToken token;
    token.kind = RtfToken::Kind::Text;
    token.text = m_input.sliced(start, m_pos - start);
    return token;
}

std::optional<RtfToken> RtfLexer::readControl()
{
    ++m_pos; // the backslash
    RtfToken token;
    if (atEnd())
        return std::nullopt; // a lone backslash at the very end means nothing
    const QChar c = m_input[m_pos];
    if (isAsciiLetter(c))
        return readControlWord();
    ++m_pos;
    if (c == u'\'')
        return readHexByte();
    token.kind = RtfToken::Kind::ControlSymbol;
    // A backslash before a line break is an old spelling of \par.
    token.symbol = isLineBreak(c) ? QChar(u'\n') : c;
    return token;
}

std::optional<RtfToken> RtfLexer::readControlWord()
{
    const qsizetype start = m_pos;
    while (!atEnd() && isAsciiLetter(m_input[m_pos]))
        ++m_pos;
    const qsizetype length = m_pos - start;
    RtfToken token;
    token.kind = length > MaxControlWordLength ? RtfToken::Kind::OverlongWord
                                               : RtfToken::Kind::ControlWord;
    token.name = m_input.sliced(start, length);
    token.param = readParameter(token.hasParam);
    if (!atEnd() && m_input[m_pos] == u' ')
        ++m_pos; // exactly one delimiting space belongs to the word
    if (token.kind == RtfToken::Kind::ControlWord && token.name == u"bin") {
        skipBinary(token.hasParam ? token.param : 0);
        return std::nullopt;
    }
    return token;
}

int RtfLexer::readParameter(bool &present)
{
    qsizetype pos = m_pos;
    const bool negative = pos < m_input.size() && m_input[pos] == u'-';
    if (negative)
        ++pos;
    present = pos < m_input.size() && isAsciiDigit(m_input[pos]);
    if (!present) {
        m_pos = pos; // a sign without digits belongs to the word, not to the text
        return 0;
    }
    // Saturate rather than overflow: a 40-digit parameter reads as the int32 bound.
    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 value = 0;
    while (pos < m_input.size() && isAsciiDigit(m_input[pos])) {
        value = std::min(limit, value * 10 + (m_input[pos].unicode() - u'0'));
        ++pos;
    }
    m_pos = pos;
    if (negative)
        return int(-value);
    return int(std::min(value, limit - 1));
}

std::optional<RtfToken> RtfLexer::readHexByte()
{
    int value = 0;
    for (int digit = 0; digit < 2; ++digit) {
        const int nibble = atEnd() ? -1 : hexValue(m_input[m_pos]);
        if (nibble < 0)
            return std::nullopt; // a broken escape is dropped; what follows is read as usual
        value = value * 16 + nibble;
        ++m_pos;
    }
    RtfToken token;
    token.kind = RtfToken::Kind::HexByte;
    token.param = value;
    return token;
}

void RtfLexer::skipBinary(int count)
{
    if (count <= 0)
        return;
    const qsizetype remaining = m_input.size() - m_pos;
    if (count > remaining) {
        m_binaryRanPastEnd = true;
        m_pos = m_input.size();
        return;
    }
    m_pos += count;
}

} // namespace virelai
