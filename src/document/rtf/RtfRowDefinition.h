#pragma once

#include "RtfKeywords.h"

#include <Qt>

#include <algorithm>
#include <array>
#include <vector>

namespace virelai::rtf {

enum class BorderStyle { None, Single, Double, Dotted, Dashed };

// One side of a cell (or of a row): \brdrs, \brdrw, \brdrcf...
struct Border
{
    BorderStyle style = BorderStyle::None;
    int width = 0; // twips
    int color = 0; // colour table index; 0 automatic (black)
    bool thick = false; // \brdrth: twice \brdrw
    bool set = false; // named at all, if only as \brdrnone
    // A hairline, or a line without \brdrw, is drawn a quarter point wide.
    int drawnWidth() const { return std::max(thick ? 2 * width : width, 5); }
};

enum class Side { Top = 0, Left, Bottom, Right };
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

private:
    bool applyRowWord(Keyword keyword, int param);
    bool applyCellWord(Keyword keyword, int param);
    bool applyBorderWord(Keyword keyword, int param);

    RowDefinition m_row;
    CellDefinition m_cell; // the cell whose \cellx has not come yet
    Border *m_border = nullptr;
};

} // namespace virelai::rtf
