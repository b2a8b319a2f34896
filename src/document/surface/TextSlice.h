#pragma once

class QPainter;
class QTextDocument;

namespace virelai {

// Draws the lines of a laid-out text whose tops lie in [sliceTop, sliceBottom),
// in the text's own coordinates, with what Qt's drawing adds around them
// (tables' borders and shading, list numbers). A text cut between its lines
// gives slices that draw each line exactly once between them.
void drawTextSlice(QPainter &painter, QTextDocument &document, double sliceTop, double sliceBottom);

} // namespace virelai
