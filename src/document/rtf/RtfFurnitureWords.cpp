#include "RtfInterpreter.h"

#include "RtfLimits.h"

#include <algorithm>

// Headers, footers, footnotes and the fields whose text changes with the page.
namespace virelai {

namespace {

PageField pageFieldOf(const QString &instruction)
{
    const QString name = instruction.trimmed().section(u' ', 0, 0).toUpper();
    if (name == u"PAGE")
        return PageField::Page;
    if (name == u"NUMPAGES" || name == u"SECTIONPAGES")
        return PageField::PageCount;
    return PageField::None;
}

// Number the footnotes can take, from what \chftn writes.
QString footnoteNumber(int index)
{
    return QString::number(index + 1);
}

} // namespace

bool RtfInterpreter::applyFurnitureWord(Keyword keyword, int param)
{
    switch (keyword) {
    case Keyword::Header:
    case Keyword::HeaderFirst:
    case Keyword::Footer:
    case Keyword::FooterFirst:
    case Keyword::Footnote:
        beginSide(keyword);
        return true;
    case Keyword::FootnoteNumber:
        showFootnoteNumber();
        return true;
    case Keyword::TitlePage:
        pageFurnitureFor(*m_document).titlePage = true;
        return true;
    case Keyword::HeaderDistance:
        pageFurnitureFor(*m_document).headerY = std::clamp(param, 0, MaxTwips);
        return true;
    case Keyword::FooterDistance:
        pageFurnitureFor(*m_document).footerY = std::clamp(param, 0, MaxTwips);
        return true;
    case Keyword::Field:
        m_fieldInstruction.clear();
        return true;
    case Keyword::FieldResult:
        state().chars.field = int(pageFieldOf(m_fieldInstruction));
        return true;
    default:
        return false;
    }
}

// A header, footer or footnote inside another one is not read. Footnotes
// beyond the limit stay in the text where they stand.
void RtfInterpreter::beginSide(Keyword keyword)
{
    if (keyword == Keyword::Footnote && m_footnotes >= MaxFootnotes && !m_side)
        return;
    if (m_side || m_stack.depth() == 0 || !m_document) {
        if (m_stack.depth() > 0)
            state().destination = Destination::Skipped;
        return;
    }
    if (keyword == Keyword::Footnote && !m_footnoteAnchored)
        anchorFootnote();
    m_footnoteAnchored = false;
    m_side = std::make_unique<Side>(
        Side {keyword, m_stack.depth(), RtfSideDocument(*m_document), m_paragraphs});
    m_paragraphs = ParagraphSequence();
    paragraphChanged();
}

void RtfInterpreter::endSide()
{
    if (m_table.hasContent())
        writeTable();
    std::shared_ptr<QTextDocument> document
        = m_side->document.finish(m_side->kind == Keyword::Footnote);
    PageFurniture &furniture = pageFurnitureFor(*m_document);
    switch (m_side->kind) {
    case Keyword::Header:
        furniture.header = std::move(document);
        break;
    case Keyword::HeaderFirst:
        furniture.headerFirst = std::move(document);
        break;
    case Keyword::Footer:
        furniture.footer = std::move(document);
        break;
    case Keyword::FooterFirst:
        furniture.footerFirst = std::move(document);
        break;
    default:
        furniture.footnotes.push_back(std::move(document));
        ++m_footnotes;
        break;
    }
    m_paragraphs = m_side->flowParagraphs;
    paragraphChanged();
    m_side.reset();
}

// In the flow, the number of the footnote that follows, which anchors it; in a
// footnote, its own number. Written before the note's first \pard, the number
// stands in no paragraph yet and still carries the anchor's formatting: word
// processors show it in the formatting of the note's text, which it then takes.
void RtfInterpreter::showFootnoteNumber()
{
    const bool inFootnote = m_side && m_side->kind == Keyword::Footnote;
    if (!inFootnote) {
        anchorFootnote();
        m_footnoteAnchored = true;
        return;
    }
    if (m_side->paragraphDefined)
        emitText(footnoteNumber(m_footnotes));
    else
        m_side->numberPending = true;
}

void RtfInterpreter::showPendingNoteNumber()
{
    if (!m_side || !m_side->numberPending)
        return;
    m_side->numberPending = false;
    writer().appendText(footnoteNumber(m_footnotes),
                        m_formatter.charFormat(state().chars, m_defaultFont), currentBlockFormat());
}

void RtfInterpreter::anchorFootnote()
{
    const GroupState &current = state();
    if (current.destination != Destination::Text)
        return;
    followTable();
    QTextCharFormat format = m_formatter.charFormat(current.chars, m_defaultFont);
    format.setProperty(FootnoteAnchorProperty, m_footnotes);
    writer().appendText(footnoteNumber(m_footnotes), format, currentBlockFormat());
}

} // namespace virelai
