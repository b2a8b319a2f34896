#pragma once

#include "RtfGroupState.h"

namespace virelai {

// What a paragraph takes from the paragraphs before it.
struct ParagraphContext
{
    int spaceAbove = 0; // twips between the paragraph above and this one
    bool pageBreakBefore = false; // \page before it, or its own \pagebb
    bool operator==(const ParagraphContext &) const = default;
};

// Follows the paragraphs of a text in order. Word processors add a
// paragraph's space before to the space after of the one above it, where Qt
// would take the larger of the two, and leave both out between paragraphs of
// one style that ask for contextual spacing.
class ParagraphSequence
{
public:
    ParagraphContext contextFor(const ParaProps &props) const;
    // pageBreakAfter (\page): the paragraph that follows starts a new page.
    void paragraphEnded(const ParaProps &props, bool pageBreakAfter);
    // A table cell starts: its first paragraph follows none.
    void startCell() { m_first = true; }
    // A new section that starts a page: the next paragraph starts it.
    void breakPageBeforeNext() { m_pageBreakPending = true; }

private:
    bool sharesStyleWithPrevious(const ParaProps &props) const;

    // Of the paragraph before: only what the next one's spacing depends on,
    // kept at every paragraph's end.
    struct Previous
    {
        int style = 0;
        int spaceAfter = 0;
        bool contextualSpacing = false;
    };

    bool m_first = true;
    Previous m_previous;
    bool m_pageBreakPending = false;
};

} // namespace virelai
