#pragma once

class QTextTable;

namespace virelai::rtf {

// Where word processors put a cell's text, on a table whose cells are merged
// and whose formats hold the RTF's paddings and borders. Qt's collapsed
// borders add half of each border to the cell's padding and set the table in
// by half of its widest outer border; these functions take that into account.

// Side borders lie in the space between the cells' texts, centred on the
// cells' edges: a cell's text starts its padding away from its edge whatever
// the borders' width.
void keepTextOffSideBorders(QTextTable &table);

// The texts of a row's cells start at one height, below the widest of their
// top borders and paddings, and end above the widest bottom ones.
void shareRowMargins(QTextTable &table);

} // namespace virelai::rtf
