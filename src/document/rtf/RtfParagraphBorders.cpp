#include "RtfParagraphBorders.h"

#include "RtfLimits.h"

#include <algorithm>

namespace virelai {

namespace {

std::size_t index(Side side)
{
    return std::size_t(side);
}

} // namespace

bool ParagraphBorderReader::apply(Keyword keyword, int param, ParaProps &para)
{
    const Border named {.set = true};
    switch (keyword) {
    case Keyword::ParagraphBox:
        m_target = Target::Box;
        para.borders.fill(named);
        return true;
    case Keyword::ParagraphBorderTop:
        m_target = Target::Top;
        para.borders[index(Side::Top)] = named;
        return true;
    case Keyword::ParagraphBorderLeft:
        m_target = Target::Left;
        para.borders[index(Side::Left)] = named;
        return true;
    case Keyword::ParagraphBorderBottom:
        m_target = Target::Bottom;
        para.borders[index(Side::Bottom)] = named;
        return true;
    case Keyword::ParagraphBorderRight:
        m_target = Target::Right;
        para.borders[index(Side::Right)] = named;
        return true;
    default:
        break;
    }
    if (applyShadingWord(keyword, param, para))
        return true;
    if (m_target == Target::None)
        return false;
    if (m_target == Target::Box) {
        bool applied = false;
        for (Border &border : para.borders)
            applied = applyBorderWord(keyword, param, border);
        return applied;
    }
    return applyBorderWord(keyword, param, para.borders[std::size_t(int(m_target) - 1)]);
}

bool ParagraphBorderReader::applyShadingWord(Keyword keyword, int param, ParaProps &para) const
{
    switch (keyword) {
    case Keyword::ParagraphShading:
        para.shading = std::clamp(param, 0, FullShading);
        return true;
    case Keyword::ParagraphBackground:
        para.shadingBackground = std::max(param, 0);
        return true;
    case Keyword::ParagraphForeground:
        para.shadingForeground = std::max(param, 0);
        return true;
    default:
        return false;
    }
}

} // namespace virelai
