#pragma once

#include <vector>

namespace virelai {

struct ComposedText;

// The lines of a composed text, from its top, all its pieces one under the other.
struct TextLines
{
    std::vector<double> cuts; // the top of every line but the first: where a page may end
    std::vector<double> breaks; // the tops of lines that must start a page, ascending
    double inkBottom = 0; // the bottom of the lowest line, without the spacing below it
};

TextLines measureLines(const ComposedText &text);

} // namespace virelai
