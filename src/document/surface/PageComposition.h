#pragma once

#include "PageMap.h"
#include "PagePicture.h"
#include "TextComposer.h"

#include <QPointF>

#include <memory>
#include <vector>

namespace virelai {

class DocumentFurniture;
class SurfaceDocument;
struct PageGeometry;

// A block as a builder asked for it, waiting for its place on the pages.
struct PendingBlock
{
    enum class Kind { Text, Box, Picture };
    Kind kind = Kind::Text;
    BlockRole role = BlockRole::Text;
    int number = 0;
    QPointF topLeft; // where it was asked for
    double width = 0;
    bool flows = false; // starts where the block before it ends

    // Text and boxes: the text laid out, and how to lay it out again.
    TextRequest request;
    ComposedText text;

    // Boxes: the text sits indent from the sides and inset from the top and bottom.
    double indent = 0;
    double inset = 0;
    double leastHeight = 0;
    quint32 brushColor = 0xFFFFFF;
    int penStyle = 0;
    bool shaded = true;

    std::shared_ptr<const PagePicture> picture;
    double pictureHeight = 0;

    // A box as high as its text, or as asked when that is more.
    double boxHeight() const;
};

struct ComposedPages
{
    std::shared_ptr<SurfaceDocument> document;
    bool cut = false; // what would have gone past MaxPages is left out
};

// The pages of a document: its blocks placed by the page's rules, nothing below
// lowestBottom on any page. When they run past the first page, the boxes with
// widened line spacing are tightened first, ten points at a time down to single
// spacing; what still does not fit continues on further pages, up to MaxPages.
// The footnotes of the texts go to the bottom of their pages; a help document's
// header and footer (furniture, when given) take their room on every page.
ComposedPages composePages(std::vector<PendingBlock> blocks, const PageGeometry &geometry,
                           double lowestBottom, const DocumentFurniture *furniture = nullptr);

} // namespace virelai
