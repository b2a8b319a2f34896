#pragma once

#include "RtfRowDefinition.h"
#include "RtfTables.h"

#include <QTextTableCellFormat>
#include <QTextTableFormat>

namespace virelai {

// Where a cell sits in its table: the row's outer borders (\trbrdrt...) go to
// the cells on the table's edges, its inside borders (\trbrdrh, \trbrdrv)
// between cells. A cell's own border (\clbrdr*) wins.
struct CellPosition
{
    bool firstRow = false;
    bool lastRow = false;
    bool firstCell = false;
    bool lastCell = false;
};

// Padding, borders, shading and vertical alignment of a cell, in the layout's
// units (screen units, as Qt takes table lengths).
QTextTableCellFormat cellFormat(const CellDefinition &cell, const RowDefinition &row,
                                CellPosition position, const RtfColorTable &colors);

// A table that draws nothing of its own and adds no space, set spaceAbove
// twips below the text before it: the cells' formats draw the borders.
QTextTableFormat bareTableFormat(int spaceAbove);

} // namespace virelai
