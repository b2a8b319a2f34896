#include "TextPieces.h"

#include "Twips.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <algorithm>

namespace virelai {

namespace {

// A generous line height: ascent, descent and leading of any font stay below it.
constexpr double LineHeightPerPoint = 1.5 * TwipsPerPoint;

// Paragraph spacing makes Qt's layout fail sooner than text of the same height
// (measured: some 2^20 units of spacing in one document), so it weighs more.
constexpr double MarginWeight = 8.0;

double lineHeightBound(const QTextBlockFormat &block, const QTextCharFormat &format,
                       double defaultPointSize)
{
    const double pointSize = format.fontPointSize() > 0 ? format.fontPointSize() : defaultPointSize;
    double height = pointSize * LineHeightPerPoint;
    if (block.lineHeightType() == QTextBlockFormat::ProportionalHeight)
        height *= std::max(1.0, block.lineHeight() / 100.0);
    else if (block.lineHeightType() != QTextBlockFormat::SingleHeight)
        height += std::max(0.0, block.lineHeight());
    return height;
}

// Where pieces end (document positions), so that each stays within the bound.
std::vector<int> pieceEnds(const QTextDocument &document)
{
    std::vector<int> ends;
    const double defaultPointSize = document.defaultFont().pointSizeF();
    double used = 0;
    int pieceStart = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat format = block.blockFormat();
        const int blockStart = block.position();
        double blockUsed = MarginWeight
                * (std::max(0.0, format.topMargin()) + std::max(0.0, format.bottomMargin()))
            + lineHeightBound(format, block.charFormat(), defaultPointSize);
        used += blockUsed;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const double perCharacter
                = lineHeightBound(format, fragment.charFormat(), defaultPointSize);
            int position = fragment.position();
            const int end = position + fragment.length();
            while (position < end) {
                const int fitting = int(std::clamp((MaxPieceHeight - used) / perCharacter, 0.0,
                                                   double(end - position)));
                used += fitting * perCharacter;
                blockUsed += fitting * perCharacter;
                position += fitting;
                if (position == end)
                    break;
                if (blockStart > pieceStart) {
                    // The piece ends before this paragraph, which starts the next.
                    ends.push_back(blockStart);
                    pieceStart = blockStart;
                    used = blockUsed;
                    continue;
                }
                // One paragraph alone is too tall: cut inside it, always moving on.
                const int cut = std::max(position, pieceStart + 1);
                ends.push_back(cut);
                pieceStart = cut;
                position = cut;
                used = 0;
                blockUsed = 0;
            }
        }
    }
    return ends;
}

std::shared_ptr<QTextDocument> copyRange(const QTextDocument &source, int start, int end,
                                         const std::shared_ptr<QTextDocument> &target)
{
    QTextCursor selection(const_cast<QTextDocument *>(&source));
    selection.setPosition(start);
    selection.setPosition(end, QTextCursor::KeepAnchor);
    QTextCursor cursor(target.get());
    cursor.setBlockFormat(source.findBlock(start).blockFormat());
    cursor.insertFragment(selection.selection());
    return target;
}

} // namespace

std::vector<std::shared_ptr<QTextDocument>>
splitIntoPieces(const std::shared_ptr<QTextDocument> &document,
                const std::function<std::shared_ptr<QTextDocument>()> &makeEmpty)
{
    std::vector<int> ends = pieceEnds(*document);
    if (ends.empty())
        return {document};
    ends.push_back(document->characterCount() - 1);
    std::vector<std::shared_ptr<QTextDocument>> pieces;
    int start = 0;
    for (const int end : ends) {
        if (end > start)
            pieces.push_back(copyRange(*document, start, end, makeEmpty()));
        start = end;
    }
    return pieces;
}

} // namespace virelai
