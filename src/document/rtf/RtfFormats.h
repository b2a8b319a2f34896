#pragma once

#include "RtfGroupState.h"
#include "RtfParagraphSequence.h"
#include "RtfReader.h"
#include "RtfTables.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextOption>

#include <array>

namespace virelai {

// Turns RTF properties into Qt formats. The last format of each kind is kept,
// so runs of text in one style share one format object.
class RtfFormatter
{
public:
    // unitsPerTwip: layout units of the target document per twip.
    RtfFormatter(const RtfDefaults &defaults, double unitsPerTwip, const RtfFontTable &fonts,
                 const RtfColorTable &colors);

    const QTextCharFormat &charFormat(const CharProps &props, int defaultFont);
    const QTextBlockFormat &blockFormat(const ParaProps &props, const ParagraphContext &context);
    // The font entry the properties name, or the default font's, or none.
    const FontEntry *fontEntry(int font, int defaultFont) const;
    // Whether a format written so far uses a font whose lines need correcting,
    // a tab stop with a leader, or justified lines.
    bool usesCorrectedFonts() const { return m_usesCorrectedFonts; }
    bool usesLeaders() const { return m_usesLeaders; }
    bool usesJustification() const { return m_usesJustification; }

private:
    QTextCharFormat buildCharFormat(const CharProps &props, int defaultFont);
    static void setLetterSpacing(QTextCharFormat &format, const CharProps &props);
    void setDecorations(QTextCharFormat &format, const CharProps &props) const;
    QColor backgroundOf(const CharProps &props) const;
    QTextBlockFormat buildBlockFormat(const ParaProps &props, const ParagraphContext &context);
    void setLineSpacing(QTextBlockFormat &format, const ParaProps &props) const;
    double units(int twips) const { return twips * m_unitsPerTwip; }
    static QList<QTextOption::Tab> tabPositions(const ParaProps &props);

    const RtfDefaults &m_defaults;
    double m_unitsPerTwip;
    const RtfFontTable &m_fonts;
    const RtfColorTable &m_colors;
    bool m_usesCorrectedFonts = false;
    bool m_usesLeaders = false;
    bool m_usesJustification = false;

    struct CharCache
    {
        CharProps props;
        int defaultFont = 0;
        int fontGeneration = -1;
        int colorGeneration = -1;
        QTextCharFormat format;
    };
    // A few recent styles: text goes back and forth between plain and a
    // heading's or an emphasis's style.
    std::array<CharCache, 8> m_charCache;
    std::size_t m_nextCharCache = 0;
    struct BlockCache
    {
        ParaProps props;
        ParagraphContext context;
        bool valid = false;
        QTextBlockFormat format;
    };
    // Likewise for paragraphs: headings, body text and indented items alternate.
    std::array<BlockCache, 8> m_blockCache;
    std::size_t m_nextBlockCache = 0;
    std::size_t m_lastBlockCache = 0;
};

} // namespace virelai
