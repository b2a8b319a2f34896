#pragma once

#include "RtfBorder.h"
#include "RtfKeywords.h"

#include <Qt>

#include <algorithm>
#include <array>
#include <vector>

namespace virelai {

enum class Merge { None, First, Continued };

// A cell of a row definition: what comes before its \cellx.
struct CellDefinition
{
    int right = 0; // \cellx: twips from the left margin
    std::array<Border, 4> borders; // by Side
    int background = -1; // \clcbpat: colour index; -1 none
    int foreground = -1; // \clcfpat
    int shading = 0; // \clshdng: hundredths of a percent of the foreground
    Merge verticalMerge = Merge::None;
    Merge horizontalMerge = Merge::None;
    Qt::Alignment verticalAlignment = Qt::AlignTop;
    std::array<int, 4> padding {-1, -1, -1, -1}; // by Side; -1: the row's
};

// \trowd ... \cellx ...: the row's layout, and its cells from left to right.
struct RowDefinition
{
    int gap = 0; // \trgaph: half the space between two cells' texts
    int left = 0; // \trleft: the row's left edge from the left margin
    Qt::Alignment alignment = Qt::AlignLeft;
    std::array<Border, 6> borders; // by Side, then inside horizontal, inside vertical
    std::array<int, 4> padding {-1, -1, -1, -1}; // \trpadd*: -1 none
    int height = 0; // \trrh: > 0 at least, < 0 exactly
    std::vector<CellDefinition> cells;
};

// Reads the words of row definitions. Border words go to the border named last
// (\clbrdrb, \trbrdrt...).
class RowDefinitionReader
{
public:
    // False when the word is not a row or cell word.
    bool apply(Keyword keyword, int param);
    const RowDefinition &row() const { return m_row; }
    // A paragraph's border is named: the border words are no longer the row's.
    void forgetBorder() { m_border = nullptr; }

private:
    bool applyRowWord(Keyword keyword, int param);
    bool applyCellWord(Keyword keyword, int param);
    bool applyBorderWord(Keyword keyword, int param);

    RowDefinition m_row;
    CellDefinition m_cell; // the cell whose \cellx has not come yet
    Border *m_border = nullptr;
};

} // namespace virelai
