#pragma once

#include "RtfGroupState.h"
#include "RtfKeywords.h"

#include <QHash>

#include <vector>

namespace virelai {

// \stylesheet: each style keeps the words that define it, and gives them again
// wherever a paragraph (\s) or a run of text (\cs) takes the style, after
// those of the style it is based on (\sbasedon), which may come later in the
// sheet. The words given after the style's number in the text override it.
class RtfStyleSheet
{
public:
    struct Word
    {
        Keyword keyword = Keyword::Unknown;
        int param = 0;
        bool hasParam = false;
    };
    // Words of the entry being read; the first style number names it.
    void addWord(Keyword keyword, int param, bool hasParam);
    // The end of an entry's group stores it.
    void endEntry();

    // Gives apply the words of paragraph style (\s) or character style (\cs) number.
    template<typename Function>
    void forEachWord(bool character, int number, Function &&apply) const
    {
        visit(character, number, 0, apply);
    }

private:
    struct Style
    {
        int basedOn = -1;
        std::vector<Word> words;
    };
    enum class Kind { None, Paragraph, Character, Other };

    template<typename Function>
    void visit(bool character, int number, int depth, Function &apply) const
    {
        const QHash<int, Style> &styles = character ? m_characterStyles : m_paragraphStyles;
        const auto found = styles.constFind(number);
        if (found == styles.cend() || depth > MaxBasedOnDepth)
            return;
        if (found->basedOn >= 0 && found->basedOn != number)
            visit(character, found->basedOn, depth + 1, apply);
        for (const Word &word : found->words)
            apply(word);
    }

    // Chains of styles based on one another are followed this far, so a loop ends.
    static constexpr int MaxBasedOnDepth = 16;

    QHash<int, Style> m_paragraphStyles;
    QHash<int, Style> m_characterStyles;
    Style m_entry;
    Kind m_entryKind = Kind::None;
    int m_entryNumber = 0;
};

} // namespace virelai
