#include "RtfInterpreter.h"

#include "RtfCharacters.h"
#include "RtfLimits.h"
#include "RtfPictureObjects.h"
#include "RtfProperties.h"
#include "RtfSmallCapitals.h"
#include "document/surface/DocumentLimits.h"

#include <QStringDecoder>
#include <QTextTable>
#include <algorithm>
#include <cmath>

namespace virelai {

namespace {

constexpr char16_t Replacement = 0xFFFD;

CharProps defaultCharProps(const RtfDefaults &defaults)
{
    CharProps props;
    const double halfPoints
        = std::isfinite(defaults.fontPointSize) ? std::round(defaults.fontPointSize * 2.0) : 24.0;
    props.halfPoints = int(std::clamp(halfPoints, double(MinHalfPoints), double(MaxHalfPoints)));
    return props;
}

GroupState outsideState(const CharProps &chars)
{
    GroupState state;
    state.chars = chars;
    return state;
}

} // namespace

RtfInterpreter::RtfInterpreter(QStringView input, QTextCursor &cursor, const RtfDefaults &defaults,
                               double unitsPerTwip)
    : m_defaults(defaults)
    , m_defaultChars(defaultCharProps(defaults))
    , m_lexer(input)
    , m_stack(outsideState(m_defaultChars))
    , m_formatter(defaults, unitsPerTwip, m_fonts, m_colors)
    , m_writer(cursor)
    , m_document(cursor.document())
    , m_unitsPerTwip(unitsPerTwip)
{ }

void RtfInterpreter::run()
{
    for (RtfToken token = m_lexer.next(); token.kind != RtfToken::Kind::End;
         token = m_lexer.next()) {
        // Past the last paragraph or cell a text may have, only closing braces are read.
        if (token.kind != RtfToken::Kind::GroupClose && !withinLimits())
            break;
        handleToken(token);
    }
    flushText();
    flushHighSurrogate();
    while (m_side)
        endSide();
    if (m_table.hasContent())
        writeTable();
    if (m_box.isOpen())
        writeBox();
    m_writer.finish();
}

// Asked before every token: the counts alone, the reason only once they are reached.
bool RtfInterpreter::withinLimits()
{
    if (m_paragraphsEnded < MaxParagraphs && m_cellsEnded < MaxTableCells)
        return true;
    noteLeftOut();
    return false;
}

void RtfInterpreter::noteLeftOut()
{
    m_leftOut = m_paragraphsEnded >= MaxParagraphs ? causeParagraphsPastLimit()
                                                   : causeTableCellsPastLimit();
}

void RtfInterpreter::handleToken(const RtfToken &token)
{
    using Kind = RtfToken::Kind;
    // Any other token may change what the text is written with.
    if (token.kind != Kind::Text && token.kind != Kind::HexByte)
        flushText();
    if (skipsAsFallback(token) || skipsIgnorableDestination(token))
        return;
    switch (token.kind) {
    case Kind::GroupOpen:
        flushHighSurrogate();
        m_stack.open();
        break;
    case Kind::GroupClose:
        flushHighSurrogate();
        closeGroup();
        break;
    case Kind::ControlWord:
        handleWord(token);
        break;
    case Kind::ControlSymbol:
        handleSymbol(token.symbol);
        break;
    case Kind::HexByte:
        handleHexByte(token.param);
        break;
    case Kind::Text:
        handleText(token.text);
        break;
    case Kind::OverlongWord:
    case Kind::End:
        break;
    }
}

// After \uN, the next \ucN characters are the fallback for readers without
// Unicode: skipped, but never past the end of the group.
bool RtfInterpreter::skipsAsFallback(const RtfToken &token)
{
    using Kind = RtfToken::Kind;
    if (m_fallbackToSkip == 0)
        return false;
    if (token.kind == Kind::GroupOpen || token.kind == Kind::GroupClose) {
        m_fallbackToSkip = 0;
        return false;
    }
    if (token.kind != Kind::Text) {
        --m_fallbackToSkip;
        return true;
    }
    const qsizetype skipped = std::min<qsizetype>(m_fallbackToSkip, token.text.size());
    m_fallbackToSkip -= int(skipped);
    handleText(token.text.sliced(skipped));
    return true;
}

void RtfInterpreter::handleWord(const RtfToken &token)
{
    if (state().destination == Destination::Skipped)
        return;
    const Keyword keyword = lookupKeyword(token.name);
    const int param = token.param;
    if (keyword == Keyword::Unicode) {
        handleUnicode(token.hasParam ? param : 0);
        return;
    }
    if (applyTableWord(keyword, param) || applyNumberingWord(keyword, param)
        || applyStyleWord(token, keyword) || applyDestinationWord(keyword))
        return;
    if (state().destination != Destination::Text)
        return;
    if (keyword == Keyword::LegacyText) {
        m_numbering.numberShownAsText();
        return;
    }
    if (keyword == Keyword::Paragraph) {
        endParagraph();
        return;
    }
    if (keyword == Keyword::PageBreak) {
        endParagraph(true);
        return;
    }
    if (applyCharacterWord(keyword, token, m_defaultChars, state()))
        return;
    if (keyword == Keyword::ParagraphDefaults && m_side)
        m_side->paragraphDefined = true;
    if (applyParagraphWord(keyword, param, state().para)) {
        paragraphPropertiesChanged();
        return;
    }
    // Words of sections, tables, borders and page furniture come after the frequent ones.
    if (applySectionWord(keyword) || applyTableFlowWord(keyword) || applyBorderWord(keyword, param)
        || applyFurnitureWord(keyword, param))
        return;
    if (const std::optional<QChar> character = specialCharacter(keyword))
        emitCharacter(*character);
    else
        applyDocumentWord(keyword, param);
}

void RtfInterpreter::handleSymbol(QChar symbol)
{
    if (state().destination == Destination::Skipped)
        return;
    switch (symbol.unicode()) {
    case u'*':
        // An ignorable destination: shown only when this reader knows it.
        m_ignorablePending = m_stack.depth() > 0;
        break;
    case u'\\':
    case u'{':
    case u'}':
        emitCharacter(symbol);
        break;
    case u'~':
        emitCharacter(QChar::Nbsp);
        break;
    case u'-':
        emitCharacter(QChar::SoftHyphen);
        break;
    case u'_':
        emitCharacter(u'\u2011');
        break;
    case u'\n':
        if (state().destination == Destination::Text)
            endParagraph();
        break;
    default:
        break;
    }
}

void RtfInterpreter::handleHexByte(int byte)
{
    if (state().destination == Destination::Skipped)
        return;
    flushHighSurrogate();
    if (state().destination == Destination::LevelText && byte < 0x20) {
        // A level text's length and its level placeholders are bytes, not characters.
        const QChar raw(byte);
        flushText();
        m_numbering.addText(Destination::LevelText, QStringView(&raw, 1));
        return;
    }
    // Already in the font's encoding: no second Symbol mapping.
    appendShownText(m_bytes.decode(uchar(byte), currentCodePage()), false, queueToAppend());
}

void RtfInterpreter::handleUnicode(int param)
{
    m_fallbackToSkip = state().unicodeSkip;
    if (param < -32768 || param > 0xFFFF) {
        flushHighSurrogate();
        emitCharacter(Replacement);
        return;
    }
    const char16_t unit = char16_t(param < 0 ? param + 0x10000 : param);
    if (QChar::isLowSurrogate(unit) && m_highSurrogate != 0) {
        const QChar pair[2] = {QChar(m_highSurrogate), QChar(unit)};
        m_highSurrogate = 0;
        emitText(QStringView(pair, 2));
        return;
    }
    flushHighSurrogate();
    if (QChar::isHighSurrogate(unit))
        m_highSurrogate = unit;
    else if (QChar::isLowSurrogate(unit))
        emitCharacter(Replacement);
    else if (unit >= 0x20 || unit == u'\t')
        emitCharacter(shownCodeUnit(unit, inSymbolFont()));
}

void RtfInterpreter::handleText(QStringView text)
{
    if (text.isEmpty() || state().destination == Destination::Skipped)
        return;
    flushHighSurrogate();
    const bool symbolFont = inSymbolFont();
    if (symbolFont || !isPlainText(text))
        appendShownText(text, symbolFont, queueToAppend());
    else if (m_queuedText.isEmpty() && m_queuedInput.isEmpty())
        m_queuedInput = text; // the input outlives the read: no copy needed
    else
        queueToAppend().append(text);
}

QString &RtfInterpreter::queueToAppend()
{
    m_queuedText.append(m_queuedInput);
    m_queuedInput = {};
    return m_queuedText;
}

// Text and bytes in a row share one state: written as one piece, they cost
// the checks and format look-ups of a single text.
void RtfInterpreter::flushText()
{
    if (!m_queuedInput.isEmpty()) {
        emitText(m_queuedInput);
        m_queuedInput = {};
    } else if (!m_queuedText.isEmpty()) {
        emitText(m_queuedText);
        m_queuedText.resize(0); // keeps its buffer for the next piece
    }
}

void RtfInterpreter::emitText(QStringView text)
{
    GroupState &current = state();
    switch (current.destination) {
    case Destination::Text:
        if (current.chars.hidden)
            break;
        followTable();
        showNumber();
        showPendingNoteNumber();
        writeText(text, current.chars);
        break;
    case Destination::FontTable:
        m_fonts.addText(text);
        break;
    case Destination::ColorTable:
        m_colors.addText(text);
        break;
    case Destination::Skipped:
    case Destination::StyleSheet:
        break;
    case Destination::Picture:
        m_pictures.addHexText(text);
        break;
    case Destination::FieldInstruction:
        if (m_fieldInstruction.size() < MaxNumberTextLength)
            m_fieldInstruction += text;
        break;
    default:
        m_numbering.addText(current.destination, text);
        break;
    }
}

void RtfInterpreter::writeText(QStringView text, const CharProps &chars)
{
    const QTextCharFormat &format = m_formatter.charFormat(chars, m_defaultFont);
    if (chars.capitals != CharProps::Capitals::Small) {
        writer().appendText(text, format, currentBlockFormat());
        return;
    }
    writeSmallCapitals(text, format, [this](QStringView run, const QTextCharFormat &runFormat) {
        writer().appendText(run, runFormat, currentBlockFormat());
    });
}

// Before a numbered paragraph's first text, in its number's font if it has one.
void RtfInterpreter::showNumber()
{
    // Asked before every text: answered here for all but a paragraph's first.
    if (m_numbering.numberTaken())
        return;
    const GroupState &current = state();
    const std::optional<RtfNumbering::Number> number = m_numbering.takeNumber(current.para);
    if (!number || number->text.isEmpty())
        return;
    CharProps chars = current.chars;
    if (number->font >= 0)
        chars.font = number->font;
    const bool symbol = isSymbolFont(chars.font);
    QString shown;
    for (const QChar c : number->text)
        shown += shownCodeUnit(c.unicode(), symbol);
    writer().appendText(shown, m_formatter.charFormat(chars, m_defaultFont), currentBlockFormat());
}

// \cell and \row; a table inside a cell is read as paragraphs of that cell.
bool RtfInterpreter::applyTableFlowWord(Keyword keyword)
{
    switch (keyword) {
    case Keyword::Cell:
        endCell();
        return true;
    case Keyword::Row:
        m_table.endRow(m_rowDefinition.row());
        return true;
    case Keyword::NestedCell:
    case Keyword::NestedRow:
        endParagraph();
        return true;
    default:
        return false;
    }
}

// A paragraph in a table goes to its cell; the first one after a table writes
// the table before it.
void RtfInterpreter::followTable()
{
    if (m_sectionEnded)
        startSection();
    if (state().para.inTable) {
        if (m_box.isOpen())
            writeBox();
        if (!m_table.hasContent()) {
            m_spaceAboveTable = m_paragraphs.contextFor(ParaProps {}).spaceAbove;
            m_paragraphs.startCell();
            paragraphChanged();
        }
        m_table.cellWriter();
        return;
    }
    if (m_table.hasContent())
        writeTable();
    followBox();
}

// A bordered or shaded paragraph goes to its box, the box before it is
// written when the paragraph has other borders or none.
void RtfInterpreter::followBox()
{
    const ParaProps &props = state().para;
    const bool boxed = RtfParagraphBox::isBoxed(props);
    if (m_box.isOpen() && !(boxed && m_box.holds(props))) {
        writeBox();
        paragraphChanged();
    }
    if (boxed && !m_box.isOpen()) {
        m_box.open(props, m_paragraphs.contextFor(props).spaceAbove);
        paragraphChanged();
    }
}

void RtfInterpreter::writeBox()
{
    m_writer.insertFrame(
        [this](QTextCursor &cursor) -> QTextFrame * { return m_box.write(cursor); });
    paragraphChanged();
}

void RtfInterpreter::endCell()
{
    ++m_cellsEnded;
    flushHighSurrogate();
    const bool wasInTable = state().para.inTable;
    state().para.inTable = true;
    followTable();
    state().para.inTable = wasInTable;
    m_numbering.paragraphEnded(state().para);
    m_paragraphs.paragraphEnded(state().para, false);
    m_paragraphs.startCell();
    paragraphChanged();
    m_table.closeCell();
}

void RtfInterpreter::writeTable()
{
    flowWriter().insertFrame([this](QTextCursor &cursor) -> QTextFrame * {
        return m_table.write(cursor, m_spaceAboveTable);
    });
    // Below a table, a paragraph's space before is its own.
    m_paragraphs.paragraphEnded(ParaProps {}, false);
    paragraphChanged();
}

// At the end of its {\pict}, in the line, as tall and wide as the RTF says.
// Pictures belong to the document being read, also those of a table's cells.
void RtfInterpreter::showPicture()
{
    const RtfPictureReader::Picture picture = m_pictures.finish();
    QTextDocument *document = flowDocument();
    if (state().destination != Destination::Text || state().chars.hidden || !document
        || picture.twips.isEmpty())
        return;
    followTable();
    showNumber();
    const QTextCharFormat format
        = RtfPictureObjects::of(*document).add(picture.picture, picture.twips * m_unitsPerTwip);
    const QChar object(QChar::ObjectReplacementCharacter);
    writer().appendText(QStringView(&object, 1), format, currentBlockFormat());
}

RtfDocumentWriter &RtfInterpreter::writer()
{
    if (m_table.cellOpen())
        return m_table.cellWriter();
    return m_box.isOpen() ? m_box.writer() : flowWriter();
}

RtfDocumentWriter &RtfInterpreter::flowWriter()
{
    return m_side ? m_side->document.writer() : m_writer;
}

// Pictures belong to the document they are drawn with, also those of a table's cells.
QTextDocument *RtfInterpreter::flowDocument()
{
    return m_side ? &m_side->document.document() : m_document;
}

void RtfInterpreter::flushHighSurrogate()
{
    if (m_highSurrogate == 0)
        return;
    m_highSurrogate = 0;
    flushText();
    emitCharacter(Replacement);
}

void RtfInterpreter::endParagraph(bool pageBreakAfter)
{
    ++m_paragraphsEnded;
    flushHighSurrogate();
    followTable();
    const GroupState &current = state();
    m_numbering.paragraphEnded(current.para);
    const QTextBlockFormat ended = currentBlockFormat();
    m_paragraphs.paragraphEnded(current.para, pageBreakAfter);
    if (m_box.isOpen()) {
        m_box.paragraphEnded();
        paragraphChanged();
    } else {
        m_blockContextStale = true;
    }
    writer().endParagraph(m_formatter.charFormat(current.chars, m_defaultFont), ended,
                          currentBlockFormat());
}

const QTextBlockFormat &RtfInterpreter::currentBlockFormat()
{
    // After a paragraph's end the next one mostly has the same properties and
    // spacing: comparing its spacing is cheaper than looking its format up.
    if (m_blockContextStale && !m_blockFormatStale
        && !(m_paragraphs.contextFor(state().para) == m_blockContext))
        m_blockFormatStale = true;
    if (m_blockFormatStale)
        m_blockFormat = blockFormatNow();
    m_blockFormatStale = m_blockContextStale = false;
    return m_blockFormat;
}

// Every change to a group's paragraph properties is told here, so that the
// group's end can tell whether it gives back other properties.
void RtfInterpreter::paragraphPropertiesChanged()
{
    paragraphChanged();
    state().paragraphRevision = ++m_paragraphRevisions;
}

QTextBlockFormat RtfInterpreter::blockFormatNow()
{
    const ParaProps &props = state().para;
    m_blockContext = m_paragraphs.contextFor(props);
    if (!m_box.isOpen() || !RtfParagraphBox::isBoxed(props))
        return m_formatter.blockFormat(props, m_blockContext);
    // The space above the box's first paragraph is the box's own.
    ParagraphContext context = m_blockContext;
    if (m_box.atFirstParagraph())
        context.spaceAbove = 0;
    return m_formatter.blockFormat(RtfParagraphBox::inside(props), context);
}

// Font and colour tables are read in the document's code page, not in a font's.
bool RtfInterpreter::inSymbolFont() const
{
    const GroupState &current = m_stack.current();
    if (current.destination != Destination::Text)
        return false;
    return isSymbolFont(current.chars.font);
}

bool RtfInterpreter::isSymbolFont(int font) const
{
    const FontEntry *entry = m_formatter.fontEntry(font, m_defaultFont);
    return entry && codePageForCharset(entry->charset, m_ansiCodePage) == SymbolCodePage;
}

int RtfInterpreter::currentCodePage() const
{
    const GroupState &current = m_stack.current();
    if (current.destination != Destination::Text)
        return m_ansiCodePage;
    const FontEntry *entry = m_formatter.fontEntry(current.chars.font, m_defaultFont);
    return entry ? codePageForCharset(entry->charset, m_ansiCodePage) : m_ansiCodePage;
}

} // namespace virelai
