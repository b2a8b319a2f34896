#pragma once

#include <QRectF>

#include <vector>

namespace virelai {

// What a block of a page is, as the builders name it.
enum class BlockRole {
    Text, // not named: a help file, a stored document
    Heading,
    ReadingHelp,
    Chart,
    Proposition,
    Suggestion,
    Reminder,
    Caption,
    ListHeader,
    List,
    Footer,
};

// One page's share of a block, where it was placed (twips of the paper).
struct MappedBlock
{
    BlockRole role = BlockRole::Text;
    int number = 0; // the chart's number; 0 for the other roles
    int page = 0;
    QRectF rect;
};

// Every block of a built document, page by page, in the order they were placed.
using PageMap = std::vector<MappedBlock>;

} // namespace virelai
