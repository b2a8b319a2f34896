#include "RtfJustifiedBreaks.h"

#include "RtfBlockLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>
#include <vector>

namespace virelai {

namespace {

// Qt measures advances in 64ths of a unit: shares rounded down so that the
// stretched line still fits and does not wrap again.
constexpr double AdvanceSteps = 64.0;

struct SpaceRun
{
    int start; // in the block
    int length;
};

struct Stretch
{
    std::vector<SpaceRun> runs;
    double share = 0; // added to each run
};

bool isStretched(const QTextBlock &block)
{
    return (block.blockFormat().alignment() & Qt::AlignHorizontal_Mask) == Qt::AlignJustify
        && block.text().contains(QChar(QChar::LineSeparator));
}

// The runs of spaces between the words of a line that ends at `end` (its
// break excluded). Qt widens a run of spaces once, as it justifies.
std::vector<SpaceRun> innerSpaces(const QString &text, int start, int end)
{
    while (end > start && text[end - 1] == u' ')
        --end;
    std::vector<SpaceRun> runs;
    for (int i = start; i < end; ++i) {
        if (text[i] != u' ')
            continue;
        if (!runs.empty() && runs.back().start + runs.back().length == i)
            ++runs.back().length;
        else
            runs.push_back({i, 1});
    }
    return runs;
}

std::vector<Stretch> stretchesOf(const QTextBlock &block, double width, QPaintDevice *device,
                                 const QTextOption &documentOption)
{
    const std::unique_ptr<QTextLayout> layout = layOutAlone(block, width, device, documentOption);
    const QString text = block.text();
    std::vector<Stretch> stretches;
    for (int i = 0; i < layout->lineCount() - 1; ++i) {
        const QTextLine line = layout->lineAt(i);
        const int end = line.textStart() + line.textLength() - 1;
        if (end < 0 || text[end] != QChar(QChar::LineSeparator))
            continue;
        Stretch stretch {innerSpaces(text, line.textStart(), end), 0};
        const double room = line.width() - line.naturalTextWidth();
        if (stretch.runs.empty() || room <= 0)
            continue;
        stretch.share
            = std::floor(room / double(stretch.runs.size()) * AdvanceSteps - 1) / AdvanceSteps;
        if (stretch.share > 0)
            stretches.push_back(std::move(stretch));
    }
    return stretches;
}

void widenSpaces(const QTextBlock &block, const Stretch &stretch)
{
    QTextCharFormat widened;
    widened.setFontWordSpacing(stretch.share);
    QTextCursor cursor(block);
    for (const SpaceRun &run : stretch.runs) {
        cursor.setPosition(block.position() + run.start);
        cursor.setPosition(block.position() + run.start + run.length, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(widened);
    }
}

} // namespace

void stretchLinesEndedByBreaks(QTextDocument &document, int from, int to, double textWidth)
{
    if (textWidth <= 0)
        return;
    QPaintDevice *device = document.documentLayout()->paintDevice();
    const QTextBlock last = document.findBlock(to);
    for (QTextBlock block = document.findBlock(from); block.isValid(); block = block.next()) {
        if (isStretched(block) && document.rootFrame() == QTextCursor(block).currentFrame()) {
            for (const Stretch &stretch :
                 stretchesOf(block, textWidth, device, document.defaultTextOption()))
                widenSpaces(block, stretch);
        }
        if (block == last)
            break;
    }
}

} // namespace virelai
