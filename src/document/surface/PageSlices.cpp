#include "PageSlices.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>

#include <algorithm>

namespace virelai {

namespace {

class Slicer
{
public:
    Slicer(double firstHeight, double pageHeight)
        : m_available(firstHeight)
        , m_pageHeight(pageHeight)
    { }

    // startsPage: the line must begin a page (a page break before its
    // paragraph); the page then starts below the line before, so that the
    // paragraph keeps its space before.
    void addLine(double lineTop, double lineBottom, bool startsPage)
    {
        const bool overflows = lineBottom - m_current.top > m_available;
        const bool sliceHasLines = lineTop > m_current.top;
        if (startsPage && m_linesInSlice > 0)
            cutAt(std::min(m_previousBottom, lineTop));
        else if (overflows && (sliceHasLines || m_slices.empty()))
            cutAt(lineTop);
        ++m_linesInSlice;
        m_previousBottom = lineBottom;
    }

    std::vector<TextSlice> finish(double documentBottom)
    {
        m_current.bottom = documentBottom;
        m_slices.push_back(m_current);
        return m_slices;
    }

private:
    void cutAt(double y)
    {
        m_current.bottom = y;
        m_slices.push_back(m_current);
        m_current.top = y;
        m_available = m_pageHeight;
        m_linesInSlice = 0;
    }

    double m_available;
    double m_pageHeight;
    TextSlice m_current;
    int m_linesInSlice = 0;
    double m_previousBottom = 0;
    std::vector<TextSlice> m_slices;
};

void addBlock(Slicer &slicer, const QTextBlock &block, double blockTop)
{
    const QTextLayout *layout = block.layout();
    const bool breakBefore
        = block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
    for (int i = 0; i < layout->lineCount(); ++i) {
        const QTextLine line = layout->lineAt(i);
        slicer.addLine(blockTop + line.y(), blockTop + line.y() + line.height(),
                       breakBefore && i == 0);
    }
}

// The paragraphs of the document's own flow are placed where their layouts
// say; those in a table's cells are placed relative to their cell, and the
// document's layout gives their place on the page.
void addFrame(Slicer &slicer, const QTextDocument &document, const QTextFrame &frame)
{
    const bool ownFlow = &frame == document.rootFrame();
    for (auto it = frame.begin(); !it.atEnd(); ++it) {
        if (const QTextFrame *child = it.currentFrame()) {
            addFrame(slicer, document, *child);
            continue;
        }
        const QTextBlock block = it.currentBlock();
        const double top = ownFlow ? block.layout()->position().y()
                                   : document.documentLayout()->blockBoundingRect(block).top();
        addBlock(slicer, block, top);
    }
}

} // namespace

std::vector<TextSlice> sliceIntoPages(const QTextDocument &document, double firstHeight,
                                      double pageHeight)
{
    Slicer slicer(firstHeight, pageHeight);
    addFrame(slicer, document, *document.rootFrame());
    return slicer.finish(document.documentLayout()->documentSize().height());
}

} // namespace virelai
