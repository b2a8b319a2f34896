#include "RtfStyleSheet.h"

#include "RtfLimits.h"

namespace virelai {

void RtfStyleSheet::addWord(Keyword keyword, int param, bool hasParam)
{
    switch (keyword) {
    case Keyword::ParagraphStyle:
    case Keyword::CharacterStyle:
    case Keyword::OtherStyle:
        if (m_entryKind == Kind::None) {
            m_entryKind = keyword == Keyword::ParagraphStyle ? Kind::Paragraph
                : keyword == Keyword::CharacterStyle         ? Kind::Character
                                                             : Kind::Other;
            m_entryNumber = param;
        }
        return;
    case Keyword::StyleBasedOn:
        m_entry.basedOn = param;
        return;
    default:
        break;
    }
    if (m_entry.words.size() < std::size_t(MaxStyleWords))
        m_entry.words.push_back({keyword, param, hasParam});
}

// An entry without a style number is the paragraph style 0, "Normal".
void RtfStyleSheet::endEntry()
{
    QHash<int, Style> &styles
        = m_entryKind == Kind::Character ? m_characterStyles : m_paragraphStyles;
    const bool stored = m_entryKind != Kind::Other
        && (!m_entry.words.empty() || m_entry.basedOn >= 0)
        && (styles.size() < MaxStyles || styles.contains(m_entryNumber));
    if (stored)
        styles.insert(m_entryNumber, std::move(m_entry));
    m_entry = {};
    m_entryKind = Kind::None;
    m_entryNumber = 0;
}

} // namespace virelai
