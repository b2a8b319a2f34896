#pragma once

#include <vector>

namespace virelai {

struct ComposedText;

// A footnote's anchor: the top of its line, and the note's number in the
// text's furniture.
struct NoteAnchor
{
    double at = 0;
    int note = 0;
};

// The lines of a composed text, from its top, all its pieces one under the other.
struct TextLines
{
    std::vector<double> cuts; // the top of every line but the first: where a page may end
    // For each cut, the bottom of the lines above it, without the spacing below them.
    std::vector<double> cutEnds;
    std::vector<double> breaks; // the tops of lines that must start a page, ascending
    double inkBottom = 0; // the bottom of the lowest line, without the spacing below it
    std::vector<NoteAnchor> notes; // by their position
};

TextLines measureLines(const ComposedText &text);

} // namespace virelai
