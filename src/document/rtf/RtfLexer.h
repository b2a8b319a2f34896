#pragma once

#include <QStringView>

#include <optional>

namespace virelai {

struct RtfToken
{
    enum class Kind {
        End,
        GroupOpen,
        GroupClose,
        ControlWord, // name, and param when hasParam
        ControlSymbol, // symbol: the character after the backslash
        HexByte, // param: the byte of \'hh
        Text, // text: a run of plain characters, line breaks removed
        OverlongWord // a control word longer than the limit: to be ignored
    };
    Kind kind = Kind::End;
    QStringView name;
    QStringView text;
    QChar symbol;
    bool hasParam = false;
    int param = 0;
};

// Splits already-decoded RTF text into tokens. Works on a view of the caller's
// text: no token owns memory. \binN data is skipped here, so that it is never
// read as text whatever the destination.
class RtfLexer
{
public:
    explicit RtfLexer(QStringView input)
        : m_input(input)
    { }

    RtfToken next();
    // True once a \bin claimed more characters than the text holds.
    bool binaryRanPastEnd() const { return m_binaryRanPastEnd; }

private:
    // Each reader returns nothing when what it consumed yields no token.
    std::optional<RtfToken> readOne();
    std::optional<RtfToken> readControl();
    std::optional<RtfToken> readControlWord();
    std::optional<RtfToken> readHexByte();
    RtfToken readText();
    int readParameter(bool &present);
    void skipBinary(int count);
    bool atEnd() const { return m_pos >= m_input.size(); }

    QStringView m_input;
    qsizetype m_pos = 0;
    bool m_binaryRanPastEnd = false;
};

} // namespace virelai
