#include "RtfFormats.h"
#include "RtfLineHeights.h"
#include "RtfPageFurniture.h"
#include "RtfReader.h"
#include "RtfTabLeaders.h"

#include <QTextOption>

#include <algorithm>

namespace virelai {

namespace {

// Percent of the font's height.
constexpr double SuperscriptRaise = 33.0;

// \sl counts twips; with \slmult1 a single line is 240.
constexpr double SingleLineTwips = 240.0;

// Qt's layout multiplies the space between paragraphs and fixed or least line
// heights by its device's resolution over the screen's, as if they were given
// in screen units like tab stops: so they are given in screen units.
double scaledByLayout(int twips)
{
    return twips * tabUnitsPerTwip();
}

} // namespace

RtfFormatter::RtfFormatter(const RtfDefaults &defaults, double unitsPerTwip,
                           const RtfFontTable &fonts, const RtfColorTable &colors)
    : m_defaults(defaults)
    , m_unitsPerTwip(unitsPerTwip)
    , m_fonts(fonts)
    , m_colors(colors)
{ }

const FontEntry *RtfFormatter::fontEntry(int font, int defaultFont) const
{
    if (font < 0)
        return m_fonts.find(defaultFont);
    return m_fonts.find(font);
}

const QTextCharFormat &RtfFormatter::charFormat(const CharProps &props, int defaultFont)
{
    for (const CharCache &cache : m_charCache) {
        if (cache.props == props && cache.defaultFont == defaultFont
            && cache.fontGeneration == m_fonts.generation()
            && cache.colorGeneration == m_colors.generation())
            return cache.format;
    }
    CharCache &cache = m_charCache[m_nextCharCache];
    m_nextCharCache = (m_nextCharCache + 1) % m_charCache.size();
    cache.props = props;
    cache.defaultFont = defaultFont;
    cache.fontGeneration = m_fonts.generation();
    cache.colorGeneration = m_colors.generation();
    cache.format = buildCharFormat(props, defaultFont);
    return cache.format;
}

QTextCharFormat RtfFormatter::buildCharFormat(const CharProps &props, int defaultFont)
{
    QTextCharFormat format;
    const FontEntry *entry = fontEntry(props.font, defaultFont);
    const QString family = (entry && !entry->name.isEmpty()) ? entry->name : m_defaults.fontFamily;
    format.setFontFamilies(QStringList {family});
    format.setFontPointSize(props.halfPoints / 2.0);
    format.setFontWeight(props.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(props.italic);
    format.setFontUnderline(props.underline);
    // Always explicit: the automatic colour is black, whatever the page's text colour.
    const QColor color = m_colors.color(props.color);
    format.setForeground(color.isValid() ? color : QColor(Qt::black));
    setLetterSpacing(format, props);
    setDecorations(format, props);
    if (props.field != 0)
        format.setProperty(FieldProperty, props.field);
    m_usesCorrectedFonts = m_usesCorrectedFonts || needsLineHeightCorrection(format.font());
    return format;
}

// Any letter spacing keeps Qt from joining letters into ligature glyphs,
// whose letters a PDF's text would lose: "ti" of "Utilisez" in Calibri.
// Spacing in percent is Qt's default type: left unset, so that every run's
// format carries one property less for Qt to copy and compare.
void RtfFormatter::setLetterSpacing(QTextCharFormat &format, const CharProps &props)
{
    if (props.spacing == 0) {
        format.setFontLetterSpacing(100);
    } else {
        format.setFontLetterSpacingType(QFont::AbsoluteSpacing);
        format.setFontLetterSpacing(scaledByLayout(props.spacing));
    }
}

void RtfFormatter::setDecorations(QTextCharFormat &format, const CharProps &props) const
{
    if (props.strike)
        format.setFontStrikeOut(true);
    // Small capitals are written as capitals in two sizes (RtfSmallCapitals).
    if (props.capitals == CharProps::Capitals::All)
        format.setFontCapitalization(QFont::AllUppercase);
    // Word processors raise a superscript by a third of the line, where Qt
    // raises it by half and makes its line taller.
    if (props.script == CharProps::Script::Super) {
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        format.setSuperScriptBaseline(SuperscriptRaise);
    } else if (props.script == CharProps::Script::Sub)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (const QColor background = backgroundOf(props); background.isValid())
        format.setBackground(background);
}

// Highlighting wins over shading, which wins over \cb.
QColor RtfFormatter::backgroundOf(const CharProps &props) const
{
    if (props.highlight > 0)
        return m_colors.color(props.highlight);
    if (props.shadingBackground >= 0 || props.shading > 0)
        return m_colors.shading(props.shadingBackground, props.shadingForeground, props.shading);
    if (props.background > 0)
        return m_colors.color(props.background);
    return {};
}

const QTextBlockFormat &RtfFormatter::blockFormat(const ParaProps &props,
                                                  const ParagraphContext &context)
{
    // Text mostly goes on in the paragraph format it was last written in.
    const BlockCache &last = m_blockCache[m_lastBlockCache];
    if (last.valid && last.context == context && last.props == props)
        return last.format;
    for (std::size_t i = 0; i < m_blockCache.size(); ++i) {
        const BlockCache &cache = m_blockCache[i];
        if (cache.valid && cache.context == context && cache.props == props) {
            m_lastBlockCache = i;
            return cache.format;
        }
    }
    m_lastBlockCache = m_nextBlockCache;
    BlockCache &cache = m_blockCache[m_nextBlockCache];
    m_nextBlockCache = (m_nextBlockCache + 1) % m_blockCache.size();
    cache.props = props;
    cache.context = context;
    cache.valid = true;
    cache.format = buildBlockFormat(props, context);
    return cache.format;
}

// The space between two paragraphs is the top margin of the lower one whole:
// Qt would take the larger of it and the upper one's bottom margin, and leaves
// out the last paragraph's bottom margin anyway.
QTextBlockFormat RtfFormatter::buildBlockFormat(const ParaProps &props,
                                                const ParagraphContext &context)
{
    QTextBlockFormat format;
    format.setAlignment(props.alignment);
    m_usesJustification = m_usesJustification || props.alignment == Qt::AlignJustify;
    format.setLeftMargin(units(props.leftIndent));
    format.setRightMargin(units(props.rightIndent));
    format.setTextIndent(units(props.firstLineIndent));
    format.setTopMargin(scaledByLayout(context.spaceAbove));
    if (context.pageBreakBefore)
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    setLineSpacing(format, props);
    format.setTabPositions(tabPositions(props));
    m_usesLeaders = setTabLeaders(format, props.tabStops, props.leftIndent + props.firstLineIndent)
        || m_usesLeaders;
    // Outside tables a shaded paragraph is a box of its own; in a cell its
    // shading fills the paragraph's width in the cell.
    if (props.inTable && props.shaded())
        format.setBackground(
            m_colors.shading(props.shadingBackground, props.shadingForeground, props.shading));
    return format;
}

void RtfFormatter::setLineSpacing(QTextBlockFormat &format, const ParaProps &props) const
{
    if (props.lineSpacing > 0 && !props.lineSpacingMultiple) {
        format.setLineHeight(scaledByLayout(props.lineSpacing), QTextBlockFormat::MinimumHeight);
    } else if (props.lineSpacing < 0) {
        format.setLineHeight(scaledByLayout(-props.lineSpacing), QTextBlockFormat::FixedHeight);
    } else {
        const double multiple = props.lineSpacing > 0 ? props.lineSpacing / SingleLineTwips : 1.0;
        format.setLineHeight(multiple * m_defaults.lineSpacingPercent,
                             QTextBlockFormat::ProportionalHeight);
    }
}

// RTF measures tab stops from the text's left margin, Qt from where a line
// starts: the first line's indent is taken off. A hanging indent also stops a
// tab at the left indent, as word processors do, so that the text after a
// bullet lines up with the lines that follow it.
// A decimal tab aligns on the comma, the decimal sign of these documents,
// whatever the desktop's locale.
QList<QTextOption::Tab> RtfFormatter::tabPositions(const ParaProps &props)
{
    const int firstLineStart = props.leftIndent + props.firstLineIndent;
    QList<TabStop> stops;
    for (TabStop stop : props.tabStops) {
        if (stop.position > firstLineStart) {
            stop.position -= firstLineStart;
            stops.append(stop);
        }
    }
    if (props.firstLineIndent < 0)
        stops.append(TabStop {-props.firstLineIndent});
    std::sort(stops.begin(), stops.end(),
              [](const TabStop &a, const TabStop &b) { return a.position < b.position; });
    QList<QTextOption::Tab> tabs;
    for (const TabStop &stop : stops) {
        const double position = stop.position * tabUnitsPerTwip();
        switch (stop.kind) {
        case TabStop::Kind::Left:
            tabs.append(QTextOption::Tab(position, QTextOption::LeftTab));
            break;
        case TabStop::Kind::Right:
            tabs.append(QTextOption::Tab(position, QTextOption::RightTab));
            break;
        case TabStop::Kind::Center:
            tabs.append(QTextOption::Tab(position, QTextOption::CenterTab));
            break;
        case TabStop::Kind::Decimal:
            tabs.append(QTextOption::Tab(position, QTextOption::DelimiterTab, QChar(u',')));
            break;
        }
    }
    return tabs;
}

} // namespace virelai
