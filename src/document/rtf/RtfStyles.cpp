#include "RtfInterpreter.h"

#include "RtfProperties.h"

// The style sheet, sections and paragraph borders: words whose effect reaches
// past the group they are in.
namespace virelai {

// In the style sheet, words are kept for the style they define; in the text,
// \s and \cs give the style's words again.
bool RtfInterpreter::applyStyleWord(const RtfToken &token, Keyword keyword)
{
    const Destination destination = state().destination;
    if (destination == Destination::StyleSheet) {
        if (keyword == Keyword::SkippedDestination || keyword == Keyword::StyleSheet)
            return false;
        m_styles.addWord(keyword, token.param, token.hasParam);
        return true;
    }
    if (destination != Destination::Text)
        return false;
    if (keyword == Keyword::ParagraphStyle) {
        paragraphPropertiesChanged();
        state().para.style = token.param;
        applyStyle(false, token.param);
        return true;
    }
    if (keyword == Keyword::CharacterStyle) {
        applyStyle(true, token.param);
        return true;
    }
    return false;
}

// A paragraph style sets paragraph and character formats, a character style
// only the latter.
void RtfInterpreter::applyStyle(bool character, int number)
{
    ParagraphBorderReader borders;
    GroupState &current = state();
    m_styles.forEachWord(character, number, [&](const RtfStyleSheet::Word &word) {
        if (!character
            && (borders.apply(word.keyword, word.param, current.para)
                || applyParagraphWord(word.keyword, word.param, current.para)))
            return;
        RtfToken token;
        token.kind = RtfToken::Kind::ControlWord;
        token.param = word.param;
        token.hasParam = word.hasParam;
        applyCharacterWord(word.keyword, token, m_defaultChars, current);
    });
}

// Border words go to the paragraph's side or to the row's border named last.
bool RtfInterpreter::applyBorderWord(Keyword keyword, int param)
{
    if (keyword >= Keyword::ParagraphBorderTop && keyword <= Keyword::ParagraphBox)
        m_rowDefinition.forgetBorder();
    else if ((keyword >= Keyword::RowBorderTop && keyword <= Keyword::RowBorderVertical)
             || (keyword >= Keyword::CellBorderTop && keyword <= Keyword::CellBorderRight)
             || keyword == Keyword::RowDefaults)
        m_paragraphBorders.forget();
    if (m_paragraphBorders.apply(keyword, param, state().para)) {
        paragraphPropertiesChanged();
        return true;
    }
    return m_rowDefinition.apply(keyword, param);
}

// A document of one column: a section starts on a new page unless it says
// \sbknone. Its break words come after the \sect that ends the section before.
bool RtfInterpreter::applySectionWord(Keyword keyword)
{
    switch (keyword) {
    case Keyword::SectionBreak:
        endParagraph();
        m_sectionEnded = true;
        return true;
    case Keyword::SectionDefaults:
    case Keyword::SectionBreakPage:
        m_sectionBreaksPage = true;
        return true;
    case Keyword::SectionBreakNone:
        m_sectionBreaksPage = false;
        return true;
    default:
        return false;
    }
}

// At the first text or paragraph after a section has ended.
void RtfInterpreter::startSection()
{
    m_sectionEnded = false;
    if (m_sectionBreaksPage) {
        m_paragraphs.breakPageBeforeNext();
        paragraphChanged();
    }
}

} // namespace virelai
