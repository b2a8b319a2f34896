#pragma once

#include "DocumentLimits.h"

#include <optional>
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
//   whole; a text's last line on a page may have its spacing below run past
//   the bottom); the blocks after it in its column follow there; a block also
//   continues on the next page at each of its page breaks;
// - a block's footnotes go to the bottom of the page that holds their anchors,
//   one under the other below a gap: the blocks of that page end above them,
//   so a line and its notes move on to the next page together;
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
    // The first page's band when it differs (a title page without the header
    // or footer of the others).
    std::optional<double> firstTop = std::nullopt;
    std::optional<double> firstBottom = std::nullopt;
    double noteGap = 0; // above the footnotes of a page

    double topOf(int page) const { return page == 0 && firstTop ? *firstTop : top; }
    double bottomOf(int page) const { return page == 0 && firstBottom ? *firstBottom : bottom; }
};

// A footnote: it goes to the page that holds content position `at` (the top of
// its anchor's line).
struct FootNote
{
    double at = 0;
    double height = 0;
    int note = 0; // which note it is, for the caller
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
    // For each cut, where the content above it ends when that is higher (the
    // spacing below a text's lines): it is that which must fit on the page.
    // Empty: at the cuts.
    std::vector<double> cutEnds;
    std::vector<double> breaks; // content positions where a page must end, ascending
    std::vector<FootNote> notes; // ascending
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
    // The request's notes whose anchors the part holds: [notesFrom, notesTo).
    size_t notesFrom = 0;
    size_t notesTo = 0;

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
