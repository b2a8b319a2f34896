#pragma once

#include <vector>

class QTextDocument;

namespace virelai {

struct TextSlice
{
    double top = 0;
    double bottom = 0;
};

// Cuts a laid-out text between its lines into slices: the first at most
// firstHeight high, the others at most pageHeight. A line never splits; a line
// taller than a whole page stands alone on its page. The first slice is empty
// when not even the first line fits in firstHeight.
std::vector<TextSlice> sliceIntoPages(const QTextDocument &document, double firstHeight,
                                      double pageHeight);

} // namespace virelai
