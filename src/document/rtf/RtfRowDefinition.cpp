#include "RtfRowDefinition.h"

#include "RtfLimits.h"

#include <algorithm>

namespace virelai {

namespace {

int twips(int param)
{
    return std::clamp(param, -MaxTwips, MaxTwips);
}

std::size_t index(Side side)
{
    return std::size_t(side);
}

} // namespace

bool RowDefinitionReader::apply(Keyword keyword, int param)
{
    return applyRowWord(keyword, param) || applyCellWord(keyword, param)
        || applyBorderWord(keyword, param);
}

bool RowDefinitionReader::applyRowWord(Keyword keyword, int param)
{
    switch (keyword) {
    case Keyword::RowDefaults:
        m_row = {};
        m_cell = {};
        m_border = nullptr;
        return true;
    case Keyword::RowGap:
        m_row.gap = std::clamp(param, 0, MaxTwips);
        return true;
    case Keyword::RowLeft:
        m_row.left = twips(param);
        return true;
    case Keyword::RowAlignLeft:
        m_row.alignment = Qt::AlignLeft;
        return true;
    case Keyword::RowAlignCenter:
        m_row.alignment = Qt::AlignHCenter;
        return true;
    case Keyword::RowAlignRight:
        m_row.alignment = Qt::AlignRight;
        return true;
    case Keyword::RowPaddingLeft:
        m_row.padding[index(Side::Left)] = std::clamp(param, 0, MaxTwips);
        return true;
    case Keyword::RowPaddingTop:
        m_row.padding[index(Side::Top)] = std::clamp(param, 0, MaxTwips);
        return true;
    case Keyword::RowPaddingRight:
        m_row.padding[index(Side::Right)] = std::clamp(param, 0, MaxTwips);
        return true;
    case Keyword::RowPaddingBottom:
        m_row.padding[index(Side::Bottom)] = std::clamp(param, 0, MaxTwips);
        return true;
    case Keyword::RowBorderTop:
    case Keyword::RowBorderLeft:
    case Keyword::RowBorderBottom:
    case Keyword::RowBorderRight:
    case Keyword::RowBorderHorizontal:
    case Keyword::RowBorderVertical:
        m_border = &m_row.borders[std::size_t(int(keyword) - int(Keyword::RowBorderTop))];
        *m_border = Border {};
        m_border->set = true;
        return true;
    default:
        return false;
    }
}

// Word reads \clpadl as the top padding and \clpadt as the left one, and
// writes them so; LibreOffice follows it.
bool RowDefinitionReader::applyCellWord(Keyword keyword, int param)
{
    switch (keyword) {
    case Keyword::CellRight:
        if (int(m_row.cells.size()) < MaxTableColumns) {
            m_cell.right = twips(param);
            m_row.cells.push_back(m_cell);
        }
        m_cell = {};
        m_border = nullptr;
        return true;
    case Keyword::CellBorderTop:
    case Keyword::CellBorderLeft:
    case Keyword::CellBorderBottom:
    case Keyword::CellBorderRight:
        m_border = &m_cell.borders[std::size_t(int(keyword) - int(Keyword::CellBorderTop))];
        *m_border = Border {};
        m_border->set = true;
        return true;
    case Keyword::CellBackground:
        m_cell.background = std::max(param, 0);
        return true;
    case Keyword::CellForeground:
        m_cell.foreground = std::max(param, 0);
        return true;
    case Keyword::CellShading:
        m_cell.shading = std::clamp(param, 0, FullShading);
        return true;
    case Keyword::CellVerticalMergeFirst:
        m_cell.verticalMerge = Merge::First;
        return true;
    case Keyword::CellVerticalMergeContinued:
        m_cell.verticalMerge = Merge::Continued;
        return true;
    case Keyword::CellMergeFirst:
        m_cell.horizontalMerge = Merge::First;
        return true;
    case Keyword::CellMergeContinued:
        m_cell.horizontalMerge = Merge::Continued;
        return true;
    case Keyword::CellAlignTop:
        m_cell.verticalAlignment = Qt::AlignTop;
        return true;
    case Keyword::CellAlignCenter:
        m_cell.verticalAlignment = Qt::AlignVCenter;
        return true;
    case Keyword::CellAlignBottom:
        m_cell.verticalAlignment = Qt::AlignBottom;
        return true;
    case Keyword::CellPaddingLeft:
        m_cell.padding[index(Side::Top)] = std::clamp(param, 0, MaxTwips);
        return true;
    case Keyword::CellPaddingTop:
        m_cell.padding[index(Side::Left)] = std::clamp(param, 0, MaxTwips);
        return true;
    case Keyword::CellPaddingRight:
        m_cell.padding[index(Side::Right)] = std::clamp(param, 0, MaxTwips);
        return true;
    case Keyword::CellPaddingBottom:
        m_cell.padding[index(Side::Bottom)] = std::clamp(param, 0, MaxTwips);
        return true;
    default:
        return false;
    }
}

bool RowDefinitionReader::applyBorderWord(Keyword keyword, int param)
{
    if (keyword == Keyword::RowHeight) {
        m_row.height = twips(param);
        return true;
    }
    Border ignored;
    return virelai::applyBorderWord(keyword, param, m_border ? *m_border : ignored);
}

} // namespace virelai
