#include "TextLines.h"

#include "TextComposer.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>

#include <algorithm>

namespace virelai {

namespace {

class LineCollector
{
public:
    explicit LineCollector(TextLines &lines)
        : m_lines(lines)
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
            if (top > 0) {
                m_lines.cuts.push_back(top);
                // The new page starts below the line before, so that the
                // paragraph keeps its space before.
                if (breakBefore && i == 0)
                    m_lines.breaks.push_back(std::min(m_previousBottom, top));
            }
            m_previousBottom = top + line.height();
            m_lines.inkBottom = std::max(m_lines.inkBottom, m_previousBottom);
        }
    }

    TextLines &m_lines;
    double m_offset = 0;
    double m_previousBottom = 0;
};

void sortUnique(std::vector<double> &positions)
{
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
}

} // namespace

TextLines measureLines(const ComposedText &text)
{
    TextLines lines;
    LineCollector collector(lines);
    double offset = 0;
    for (const auto &piece : text.pieces) {
        collector.addPiece(*piece, offset);
        offset += piece->documentLayout()->documentSize().height();
    }
    // Cells of one table row hold lines side by side, not in order.
    sortUnique(lines.cuts);
    sortUnique(lines.breaks);
    return lines;
}

} // namespace virelai
