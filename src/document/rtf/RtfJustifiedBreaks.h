#pragma once

class QTextDocument;

namespace virelai {

// Word processors stretch a line of a justified paragraph that a line break
// (\line) ends, as they stretch its wrapped lines; Qt leaves it ragged. Once
// the width of the text is known, the paragraphs between the two positions are
// laid out line by line, and the spaces of each such line widen by an equal
// share of the room left on it. Paragraphs in tables are left as they are.
void stretchLinesEndedByBreaks(QTextDocument &document, int from, int to, double textWidth);

} // namespace virelai
