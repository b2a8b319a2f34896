#include "PageComposition.h"

#include "BlockPlacement.h"
#include "DocumentFurniture.h"
#include "Footnotes.h"
#include "SurfaceDocument.h"
#include "TextLines.h"
#include "document/rtf/RtfPageFurniture.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>

#include <algorithm>
#include <limits>

namespace virelai {

namespace {

constexpr int SingleSpacing = 100;
constexpr int TighteningStep = 10;

// The text's footnotes, each as high as it is at the page's text width.
std::vector<FootNote> notesOf(const PendingBlock &block, const std::vector<NoteAnchor> &anchors,
                              double noteWidth)
{
    std::vector<FootNote> notes;
    if (anchors.empty())
        return notes;
    const auto &footnotes = block.text.furniture->footnotes;
    for (const NoteAnchor &anchor : anchors) {
        if (anchor.note >= 0 && size_t(anchor.note) < footnotes.size())
            notes.push_back(
                {anchor.at, layOutAside(*footnotes[size_t(anchor.note)], noteWidth), anchor.note});
    }
    return notes;
}

BlockRequest requestOf(const PendingBlock &block, double noteWidth)
{
    BlockRequest request;
    request.left = block.topLeft.x();
    request.top = block.topLeft.y();
    request.width = block.width;
    request.flows = block.flows;
    switch (block.kind) {
    case PendingBlock::Kind::Picture:
        request.content = request.advance = block.pictureHeight;
        break;
    case PendingBlock::Kind::Box: {
        TextLines lines = measureLines(block.text);
        request.padding = block.inset;
        request.content = request.advance = block.boxHeight() - 2 * block.inset;
        request.cuts = std::move(lines.cuts);
        request.breaks = std::move(lines.breaks);
        request.notes = notesOf(block, lines.notes, noteWidth);
        break;
    }
    case PendingBlock::Kind::Text: {
        TextLines lines = measureLines(block.text);
        request.content = lines.inkBottom;
        request.advance = block.text.height;
        request.cuts = std::move(lines.cuts);
        request.cutEnds = std::move(lines.cutEnds);
        request.breaks = std::move(lines.breaks);
        request.notes = notesOf(block, lines.notes, noteWidth);
        break;
    }
    }
    return request;
}

// A block asked for above the text's top (inside a help document's header)
// starts below it.
std::vector<BlockRequest> requestsOf(const std::vector<PendingBlock> &blocks, double noteWidth,
                                     double textTop)
{
    std::vector<BlockRequest> requests;
    requests.reserve(blocks.size());
    for (const PendingBlock &block : blocks) {
        requests.push_back(requestOf(block, noteWidth));
        requests.back().top = std::max(requests.back().top, textTop);
    }
    return requests;
}

PageFrame frameOf(const PageGeometry &geometry, double lowestBottom,
                  const DocumentFurniture *furniture)
{
    PageFrame frame {geometry.margins.top(), lowestBottom};
    frame.noteGap = FootnoteGap;
    if (furniture) {
        frame.top = furniture->bodyTop(1);
        frame.bottom = std::min(lowestBottom, furniture->bodyBottom(1));
        frame.firstTop = furniture->bodyTop(0);
        frame.firstBottom = std::min(lowestBottom, furniture->bodyBottom(0));
    }
    return frame;
}

bool isTightenable(const PendingBlock &block)
{
    return block.kind == PendingBlock::Kind::Box
        && block.request.lineSpacingPercent > SingleSpacing;
}

// Lays the widened boxes out again, step tens of points tighter than asked;
// false when none can be tightened further.
bool tighten(std::vector<PendingBlock> &blocks, int step)
{
    bool tightened = false;
    for (PendingBlock &block : blocks) {
        if (!isTightenable(block))
            continue;
        TextRequest request = block.request;
        const int previous
            = std::max(SingleSpacing, request.lineSpacingPercent - (step - 1) * TighteningStep);
        request.lineSpacingPercent = std::max(SingleSpacing, previous - TighteningStep);
        if (request.lineSpacingPercent == previous)
            continue;
        block.text = composeText(request);
        tightened = true;
    }
    return tightened;
}

// Where each piece of a text starts in its content, and where the last ends.
std::vector<double> pieceTops(const ComposedText &text)
{
    std::vector<double> tops {0};
    for (const auto &piece : text.pieces)
        tops.push_back(tops.back() + piece->documentLayout()->documentSize().height());
    return tops;
}

// The text of content [from, to) with its top at textTop: each piece draws the
// lines it holds in that range. A part of a long text meets only the pieces of
// its own page.
void drawText(SurfaceDocument &document, int page, const ComposedText &text,
              const std::vector<double> &tops, double left, double textTop, double from, double to)
{
    const auto first = std::upper_bound(tops.begin(), tops.end() - 1, from);
    for (auto top = first == tops.begin() ? first : first - 1; top + 1 < tops.end(); ++top) {
        const double offset = *top;
        if (offset >= to)
            break;
        const double sliceTop = std::max(from - offset, 0.0);
        const double sliceBottom = std::min(to, *(top + 1)) - offset;
        if (sliceBottom > sliceTop)
            document.addItem(
                page,
                std::make_shared<TextItem>(text.pieces[size_t(top - tops.begin())],
                                           QPointF(left, textTop + offset + sliceTop - from),
                                           sliceTop, sliceBottom));
    }
}

void drawPart(SurfaceDocument &document, const PendingBlock &block, const std::vector<double> &tops,
              const BlockPart &part)
{
    const QRectF rect(part.left, part.top, part.width, part.height);
    switch (block.kind) {
    case PendingBlock::Kind::Picture:
        document.addItem(part.page, std::make_shared<PictureItem>(block.picture, rect));
        break;
    case PendingBlock::Kind::Box:
        if (block.shaded)
            document.addItem(part.page,
                             std::make_shared<BoxItem>(rect, block.brushColor, block.penStyle));
        drawText(document, part.page, block.text, tops, part.left + block.indent,
                 part.top + block.inset, part.from, part.to);
        break;
    case PendingBlock::Kind::Text:
        drawText(document, part.page, block.text, tops, part.left, part.top, part.from, part.to);
        break;
    }
    document.addToMap({block.role, block.number, part.page, rect});
}

// Each page's notes in the order of their anchors, under the page's text.
void drawFootnotes(SurfaceDocument &document, const std::vector<PendingBlock> &blocks,
                   const std::vector<BlockRequest> &requests, const Placement &placement,
                   const PageFrame &frame)
{
    std::vector<std::vector<std::shared_ptr<QTextDocument>>> notes(size_t(placement.pageCount));
    for (size_t i = 0; i < blocks.size(); ++i) {
        for (const BlockPart &part : placement.blocks[i]) {
            for (size_t note = part.notesFrom; note < part.notesTo; ++note)
                notes[size_t(part.page)].push_back(
                    blocks[i].text.furniture->footnotes[size_t(requests[i].notes[note].note)]);
        }
    }
    for (int page = 0; page < placement.pageCount; ++page) {
        if (!notes[size_t(page)].empty())
            addFootnotes(document, page, frame.bottomOf(page), notes[size_t(page)]);
    }
}

} // namespace

double PendingBlock::boxHeight() const
{
    return std::max(leastHeight, text.height + 2 * inset);
}

ComposedPages composePages(std::vector<PendingBlock> blocks, const PageGeometry &geometry,
                           double lowestBottom, const DocumentFurniture *furniture)
{
    const PageFrame frame = frameOf(geometry, lowestBottom, furniture);
    const double noteWidth = geometry.printableWidth();
    // Builders may ask for blocks above the top margin; only a header moves them.
    const double textTop = furniture ? frame.topOf(0) : -std::numeric_limits<double>::infinity();
    std::vector<BlockRequest> requests = requestsOf(blocks, noteWidth, textTop);
    Placement placement = placeBlocks(frame, requests);
    for (int step = 1; placement.pageCount > 1 && tighten(blocks, step); ++step) {
        requests = requestsOf(blocks, noteWidth, textTop);
        placement = placeBlocks(frame, requests);
    }

    auto document = std::make_shared<SurfaceDocument>();
    for (int page = 0; page < placement.pageCount; ++page)
        document->addPage(geometry);
    for (size_t i = 0; i < blocks.size(); ++i) {
        const std::vector<double> tops = pieceTops(blocks[i].text);
        for (const BlockPart &part : placement.blocks[i])
            drawPart(*document, blocks[i], tops, part);
    }
    drawFootnotes(*document, blocks, requests, placement, frame);
    if (furniture) {
        for (int page = 0; page < placement.pageCount; ++page)
            furniture->addHeaderAndFooter(*document, page);
    }
    return {std::move(document), placement.cut};
}

} // namespace virelai
