#pragma once

#include <QString>
#include <QtGlobal>

namespace virelai {

// What one document may hold, whatever its texts: far more than any advice,
// class list or help file needs, little enough for the longest text to be read,
// composed, shown and written in a few seconds. What lies past either limit is
// left out, and said.

// Pages of one document.
inline constexpr int MaxPages = 500;
// Paragraphs (lines of a plain text) of one text: a 100-page help file has a
// few thousand, a whole school's pupil list one or two thousand.
inline constexpr int MaxParagraphs = 100000;
// Table cells of one text: a help file's tables hold a few hundred. A cell
// costs far more than a paragraph, and the more the larger its table.
inline constexpr int MaxTableCells = 5000;

// Digits grouped as French writes them ("65 536"), whatever the desktop's language.
QString groupedInFrench(qint64 number);

// Why text is missing, in French, for the message that says so.
QString causeTextPastLastPage();
QString causeParagraphsPastLimit();
QString causeTableCellsPastLimit();

} // namespace virelai
