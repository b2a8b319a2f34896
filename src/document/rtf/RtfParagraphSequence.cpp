#include "RtfParagraphSequence.h"

namespace virelai {

namespace {

// The spacing word processors give \sbauto1 and \saauto1: 14 pt.
constexpr int AutoSpacingTwips = 280;

int spaceBefore(const ParaProps &props)
{
    return props.spaceBeforeAuto ? AutoSpacingTwips : props.spaceBefore;
}

int spaceAfter(const ParaProps &props)
{
    return props.spaceAfterAuto ? AutoSpacingTwips : props.spaceAfter;
}

} // namespace

ParagraphContext ParagraphSequence::contextFor(const ParaProps &props) const
{
    ParagraphContext context;
    context.pageBreakBefore = m_pageBreakPending || props.pageBreakBefore;
    const bool sameStyle = sharesStyleWithPrevious(props);
    if (!(sameStyle && props.contextualSpacing))
        context.spaceAbove += spaceBefore(props);
    // On a new page the space after the paragraph on the page before is gone.
    if (!m_first && !context.pageBreakBefore && !(sameStyle && m_previous.contextualSpacing))
        context.spaceAbove += m_previous.spaceAfter;
    return context;
}

void ParagraphSequence::paragraphEnded(const ParaProps &props, bool pageBreakAfter)
{
    m_first = false;
    m_previous = {props.style, spaceAfter(props), props.contextualSpacing};
    m_pageBreakPending = pageBreakAfter;
}

bool ParagraphSequence::sharesStyleWithPrevious(const ParaProps &props) const
{
    return !m_first && props.style == m_previous.style;
}

} // namespace virelai
