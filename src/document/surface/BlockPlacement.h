#pragma once

#include "DocumentLimits.h"

#include <vector>

namespace virelai {

// Where the blocks of a page go once their heights are known. A page asks for
// each block at a fixed position, or right after the block before it; the
// rules keep those positions whenever nothing is in the way:
// - a block whose position lies inside a block above it in its column starts
//   BlockGap below that block instead; a column is the blocks that share some
//   of the page's width, so a block across the page waits below every column;
// - a block that reaches past the bottom continues on the next page, in its
//   column, from the top (cut between lines; a block that cannot be cut moves
//   whole); the blocks after it in its column follow there; a block also
//   continues on the next page at each of its page breaks;
// - nothing goes past the last page a document may have: what would is left
//   out, so that no text, however long, costs more pages than MaxPages.
// All values are twips of the page.

inline constexpr double BlockGap = 100;

// The band every page gives to blocks.
struct PageFrame
{
    double top = 0;
    double bottom = 0; // the lowest a block may reach
    int pageLimit = MaxPages;
};

struct BlockRequest
{
    double left = 0;
    double width = 0;
    double top = 0; // on the first page; unused when the block flows
    bool flows = false; // starts where the block before it in the list ends
    double padding = 0; // above and below the content, in every part of the block
    double content = 0; // the height that nothing may overlap
    double advance = 0; // where in the content a flowing block after it starts
    std::vector<double> cuts; // content positions where a page may end, ascending
    std::vector<double> breaks; // content positions where a page must end, ascending
};

// One page's share of a block: its rectangle holds the padding around content
// [from, to).
struct BlockPart
{
    int page = 0;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double from = 0;
    double to = 0;

    double bottom() const { return top + height; }
};

struct Placement
{
    std::vector<std::vector<BlockPart>> blocks; // in the order of the requests
    int pageCount = 1;
    bool cut = false; // some content would have gone past the page limit and was left out
};

Placement placeBlocks(const PageFrame &frame, const std::vector<BlockRequest> &requests);

} // namespace virelai
