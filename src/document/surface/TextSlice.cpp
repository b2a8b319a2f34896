#include "TextSlice.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <vector>

namespace virelai {

namespace {

// The layout's positions and the cuts taken from them agree to a fraction of a twip.
constexpr double Tolerance = 0.5;

// A paragraph whose first lines lie above the slice and the others in it.
struct ContinuedBlock
{
    QTextBlock block;
    QPointF origin; // where its lines are measured from
};

QPointF linesOrigin(const QTextDocument &document, const QTextBlock &block)
{
    return document.documentLayout()->blockBoundingRect(block).topLeft()
        - block.layout()->boundingRect().topLeft();
}

bool startsAboveAndContinues(const QTextLayout &layout, double top, double sliceTop)
{
    return layout.lineCount() > 1 && top + layout.lineAt(0).y() < sliceTop - Tolerance
        && top + layout.lineAt(layout.lineCount() - 1).y() >= sliceTop - Tolerance;
}

std::vector<ContinuedBlock> blocksContinuedInto(const QTextDocument &document, double sliceTop)
{
    std::vector<ContinuedBlock> continued;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!block.isVisible())
            continue;
        const QPointF origin = linesOrigin(document, block);
        if (startsAboveAndContinues(*block.layout(), origin.y(), sliceTop))
            continued.push_back({block, origin});
    }
    return continued;
}

void drawLinesOf(QPainter &painter, const ContinuedBlock &continued, double sliceTop,
                 double sliceBottom)
{
    const QTextLayout *layout = continued.block.layout();
    for (int i = 0; i < layout->lineCount(); ++i) {
        const QTextLine line = layout->lineAt(i);
        const double top = continued.origin.y() + line.y();
        if (top >= sliceTop - Tolerance && top < sliceBottom - Tolerance)
            line.draw(&painter, continued.origin);
    }
}

} // namespace

void drawTextSlice(QPainter &painter, QTextDocument &document, double sliceTop, double sliceBottom)
{
    // Qt draws the lines that touch its clip, and also, in a paragraph that
    // starts above the clip, the last line wholly above it: a PDF keeps that
    // text even where the painter clips it. Such paragraphs are left out of
    // Qt's drawing and their lines in the slice drawn one by one. The clip
    // stops short of the slice's edges, so that the lines ending where it
    // starts, and starting where it ends, stay out.
    std::vector<ContinuedBlock> continued = blocksContinuedInto(document, sliceTop);
    for (ContinuedBlock &paragraph : continued)
        paragraph.block.setVisible(false);
    constexpr double wide = 1.0e7;
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    context.clip = QRectF(-wide, sliceTop + Tolerance, 2 * wide,
                          qMax(0.0, sliceBottom - sliceTop - 2 * Tolerance));
    document.documentLayout()->draw(&painter, context);
    for (ContinuedBlock &paragraph : continued) {
        paragraph.block.setVisible(true);
        drawLinesOf(painter, paragraph, sliceTop, sliceBottom);
    }
}

} // namespace virelai
