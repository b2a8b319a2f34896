#include "RtfInterpreter.h"

#include "RtfProperties.h"

// Which words open which destination, and what the words inside each do.
namespace virelai {

// A destination's end hands what it read to the group around it.
void RtfInterpreter::closeGroup()
{
    const Destination closing = state().destination;
    // Most groups only style characters: the paragraph's format still holds.
    if (m_stack.closeRestoresOtherParagraph())
        paragraphChanged();
    if (closing == Destination::StyleSheet)
        m_styles.endEntry();
    if (closing == Destination::FontTable)
        m_fonts.endGroup();
    if (!m_stack.close())
        return;
    if (m_side && m_stack.depth() < m_side->depth)
        endSide();
    if (state().destination == closing)
        return;
    if (closing == Destination::LevelText)
        m_numbering.endLevelText();
    else if (closing == Destination::Picture)
        showPicture();
    else if (closing == Destination::LegacyNumber) {
        state().para.legacyNumber = m_numbering.legacyNumber();
        paragraphPropertiesChanged();
    }
}

// After "\*" the group is skipped unless a destination this reader knows follows.
bool RtfInterpreter::skipsIgnorableDestination(const RtfToken &token)
{
    if (!m_ignorablePending)
        return false;
    m_ignorablePending = false;
    if (token.kind == RtfToken::Kind::ControlWord) {
        const Keyword keyword = lookupKeyword(token.name);
        if (keyword == Keyword::ListTable || keyword == Keyword::ListOverrideTable
            || keyword == Keyword::LegacyNumber || keyword == Keyword::ShapePicture
            || keyword == Keyword::FieldInstruction || keyword == Keyword::Footnote
            || keyword == Keyword::CharacterStyle)
            return false;
    }
    state().destination = Destination::Skipped;
    // Braces still open and close groups; the rest of the group is not read.
    return token.kind != RtfToken::Kind::GroupOpen && token.kind != RtfToken::Kind::GroupClose;
}

// Outside every group there is no destination to change: text there stays
// text, so that a stray word cannot hide the rest of the document.
bool RtfInterpreter::applyDestinationWord(Keyword keyword)
{
    if (m_stack.depth() == 0)
        return false;
    Destination &destination = state().destination;
    switch (keyword) {
    case Keyword::FontTable:
        destination = Destination::FontTable;
        return true;
    case Keyword::ColorTable:
        destination = Destination::ColorTable;
        return true;
    case Keyword::StyleSheet:
        destination = Destination::StyleSheet;
        return true;
    case Keyword::SkippedDestination:
        destination = Destination::Skipped;
        return true;
    case Keyword::ListTable:
    case Keyword::ListOverrideTable:
        destination = Destination::ListTable;
        return true;
    case Keyword::LevelText:
        destination = Destination::LevelText;
        return true;
    case Keyword::ListText:
        destination = Destination::ListText;
        return true;
    case Keyword::LegacyNumber:
        m_numbering.beginLegacyNumber();
        destination = Destination::LegacyNumber;
        return true;
    case Keyword::LegacyTextBefore:
        destination = Destination::LegacyTextBefore;
        return true;
    case Keyword::LegacyTextAfter:
        destination = Destination::LegacyTextAfter;
        return true;
    case Keyword::Picture:
        m_pictures.begin();
        destination = Destination::Picture;
        return true;
    case Keyword::FieldInstruction:
        m_fieldInstruction.clear();
        destination = Destination::FieldInstruction;
        return true;
    case Keyword::ShapePicture:
        // {\*\shppict} only wraps the picture to show.
        return true;
    default:
        return false;
    }
}

// Words inside the lists' destinations; those that open a destination of
// their own are left to applyDestinationWord.
bool RtfInterpreter::applyNumberingWord(Keyword keyword, int param)
{
    switch (state().destination) {
    case Destination::ListTable:
        if (keyword == Keyword::LevelText || keyword == Keyword::SkippedDestination)
            return false;
        m_numbering.applyListTableWord(keyword, param);
        return true;
    case Destination::LegacyNumber:
        if (keyword == Keyword::LegacyTextBefore || keyword == Keyword::LegacyTextAfter
            || keyword == Keyword::SkippedDestination)
            return false;
        m_numbering.applyLegacyWord(keyword, param);
        return true;
    case Destination::Picture:
        if (keyword == Keyword::SkippedDestination)
            return false;
        m_pictures.applyWord(keyword, param);
        return true;
    case Destination::LevelText:
    case Destination::ListText:
    case Destination::LegacyTextBefore:
    case Destination::LegacyTextAfter:
        if (keyword == Keyword::SkippedDestination)
            return false;
        if (const std::optional<QChar> character = specialCharacter(keyword))
            emitCharacter(*character);
        return true;
    default:
        return false;
    }
}

bool RtfInterpreter::applyTableWord(Keyword keyword, int param)
{
    const Destination destination = state().destination;
    if (destination == Destination::FontTable) {
        if (keyword == Keyword::Font)
            m_fonts.setNumber(param);
        else if (keyword == Keyword::FontCharset)
            m_fonts.setCharset(param);
        return keyword != Keyword::FontTable && keyword != Keyword::SkippedDestination;
    }
    if (destination == Destination::ColorTable) {
        if (keyword == Keyword::Red)
            m_colors.setRed(param);
        else if (keyword == Keyword::Green)
            m_colors.setGreen(param);
        else if (keyword == Keyword::Blue)
            m_colors.setBlue(param);
        return keyword != Keyword::SkippedDestination;
    }
    return false;
}

void RtfInterpreter::applyDocumentWord(Keyword keyword, int param)
{
    if (keyword == Keyword::AnsiCodePage && isKnownCodePage(param))
        m_ansiCodePage = param;
    else if (keyword == Keyword::DefaultFont)
        m_defaultFont = param;
}

} // namespace virelai
