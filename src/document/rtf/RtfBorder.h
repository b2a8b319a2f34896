#pragma once

#include "RtfKeywords.h"

#include <algorithm>

namespace virelai {

enum class BorderStyle { None, Single, Double, Dotted, Dashed };

// One side of a cell, a row or a paragraph: \brdrs, \brdrw, \brdrcf...
struct Border
{
    BorderStyle style = BorderStyle::None;
    int width = 0; // twips
    int color = 0; // colour table index; 0 automatic (black)
    bool thick = false; // \brdrth: twice \brdrw
    bool set = false; // named at all, if only as \brdrnone
    int space = 0; // \brsp: twips between a paragraph's border and its text
    // A hairline, or a line without \brdrw, is drawn a quarter point wide.
    int drawnWidth() const { return std::max(thick ? 2 * width : width, 5); }
    bool drawn() const { return style != BorderStyle::None; }
    bool operator==(const Border &) const = default;
};

enum class Side { Top = 0, Left, Bottom, Right };

// A border word (\brdrs, \brdrw, \brdrcf, \brsp...) applied to the border
// named last; false when the word is not one.
bool applyBorderWord(Keyword keyword, int param, Border &border);

} // namespace virelai
