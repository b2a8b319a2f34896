#pragma once

#include "RtfGroupState.h"
#include "RtfKeywords.h"

namespace virelai {

// Reads a paragraph's borders and shading: \brdrt, \brdrl, \brdrb, \brdrr and
// \box name the sides that the border words after them (\brdrs, \brdrw,
// \brdrcf, \brsp...) describe.
class ParagraphBorderReader
{
public:
    // False when the word is not a paragraph border or shading word, or is a
    // border word while no paragraph side is named.
    bool apply(Keyword keyword, int param, ParaProps &para);
    // A row's or a cell's border is named: the border words are its own.
    void forget() { m_target = Target::None; }

private:
    enum class Target { None, Top, Left, Bottom, Right, Box };
    bool applyShadingWord(Keyword keyword, int param, ParaProps &para) const;

    Target m_target = Target::None;
};

} // namespace virelai
