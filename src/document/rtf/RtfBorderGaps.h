#pragma once

class QTextTable;

namespace virelai::rtf {

// Word processors draw a table's side borders centred on the cells' edges, in
// the space between the cells' texts: a cell's text starts its padding away
// from its edge whatever the borders' width. Qt's collapsed borders push the
// text in by half of each border and set the table in by half of its widest
// left border; this takes both back. Call once the cells are merged.
void keepTextOffSideBorders(QTextTable &table);

} // namespace virelai::rtf
