#pragma once

class QTextTable;

namespace virelai {

// Puts the cells' texts where word processors put them, on a table whose cells
// are merged and whose formats hold the RTF's paddings and borders:
// - side borders lie in the space between the cells' texts, centred on the
//   cells' edges: a text starts its padding away from its edge whatever the
//   borders' width;
// - the texts of a row's cells start at one height, below the widest of their
//   top borders and paddings, and end above the widest bottom ones;
// - a cell's first paragraph keeps its space before.
// Qt's collapsed borders add half of each border to the cell's padding and
// set the table in by half of its widest left border: this takes that back.
void placeCellTexts(QTextTable &table);

} // namespace virelai
