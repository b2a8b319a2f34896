#include "TextLines.h"

#include "TextComposer.h"
#include "document/rtf/RtfPageFurniture.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>

#include <algorithm>

namespace virelai {

namespace {

struct LineSpan
{
    double top;
    double bottom;
};

class LineCollector
{
public:
    LineCollector(TextLines &lines, std::vector<LineSpan> &spans, bool withNotes)
        : m_lines(lines)
        , m_spans(spans)
        , m_withNotes(withNotes)
    { }

    void addPiece(const QTextDocument &piece, double offset)
    {
        m_offset = offset;
        addFrame(piece, *piece.rootFrame());
    }

private:
    // The paragraphs of the document's own flow are placed where their layouts
    // say; those in a table's cells are placed relative to their cell, and the
    // document's layout gives their place on the page.
    void addFrame(const QTextDocument &piece, const QTextFrame &frame)
    {
        const bool ownFlow = &frame == piece.rootFrame();
        for (auto it = frame.begin(); !it.atEnd(); ++it) {
            if (const QTextFrame *child = it.currentFrame()) {
                addFrame(piece, *child);
                continue;
            }
            const QTextBlock block = it.currentBlock();
            const double top = ownFlow ? block.layout()->position().y()
                                       : piece.documentLayout()->blockBoundingRect(block).top();
            addBlock(block, m_offset + top);
        }
    }

    void addBlock(const QTextBlock &block, double blockTop)
    {
        const QTextLayout *layout = block.layout();
        const bool breakBefore
            = block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const double top = blockTop + line.y();
            // The new page starts below the line before, so that the
            // paragraph keeps its space before.
            if (top > 0 && breakBefore && i == 0)
                m_lines.breaks.push_back(std::min(m_previousBottom, top));
            m_spans.push_back({top, top + line.height()});
            m_previousBottom = top + line.height();
            m_lines.inkBottom = std::max(m_lines.inkBottom, m_previousBottom);
        }
        if (m_withNotes)
            addNotes(block, blockTop);
    }

    void addNotes(const QTextBlock &block, double blockTop)
    {
        const QTextLayout *layout = block.layout();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (!format.hasProperty(FootnoteAnchorProperty))
                continue;
            const QTextLine line
                = layout->lineForTextPosition(fragment.position() - block.position());
            if (line.isValid())
                m_lines.notes.push_back(
                    {blockTop + line.y(), format.intProperty(FootnoteAnchorProperty)});
        }
    }

    TextLines &m_lines;
    std::vector<LineSpan> &m_spans;
    bool m_withNotes;
    double m_offset = 0;
    double m_previousBottom = 0;
};

// Cells of one table row hold lines side by side, not in order: each distinct
// line top is a cut, and what lies above it ends at the lowest bottom of the
// lines that start higher.
void setCuts(TextLines &lines, std::vector<LineSpan> &spans)
{
    std::sort(spans.begin(), spans.end(),
              [](const auto &a, const auto &b) { return a.top < b.top; });
    lines.cuts.reserve(spans.size());
    lines.cutEnds.reserve(spans.size());
    double above = 0;
    for (const auto &span : spans) {
        if (span.top > 0 && (lines.cuts.empty() || lines.cuts.back() < span.top)) {
            lines.cuts.push_back(span.top);
            lines.cutEnds.push_back(above);
        }
        above = std::max(above, span.bottom);
    }
}

void sortUnique(std::vector<double> &positions)
{
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
}

} // namespace

TextLines measureLines(const ComposedText &text)
{
    TextLines lines;
    std::vector<LineSpan> spans;
    LineCollector collector(lines, spans, text.furniture && !text.furniture->footnotes.empty());
    double offset = 0;
    for (const auto &piece : text.pieces) {
        collector.addPiece(*piece, offset);
        offset += piece->documentLayout()->documentSize().height();
    }
    setCuts(lines, spans);
    sortUnique(lines.breaks);
    std::stable_sort(lines.notes.begin(), lines.notes.end(),
                     [](const NoteAnchor &a, const NoteAnchor &b) { return a.at < b.at; });
    return lines;
}

} // namespace virelai
