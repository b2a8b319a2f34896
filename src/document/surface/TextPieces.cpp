#include "TextPieces.h"

#include "Twips.h"
#include "document/rtf/RtfPictureObjects.h"
#include "document/rtf/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextObjectInterface>
#include <QTextTable>

#include <algorithm>
#include <map>

namespace virelai {

namespace {

// A generous line height: ascent, descent and leading of any font stay below it.
constexpr double LineHeightPerPoint = 1.5 * TwipsPerPoint;

// Paragraph spacing makes Qt's layout fail sooner than text of the same height
// (measured: some 2^20 units of spacing in one document), so it weighs more.
constexpr double MarginWeight = 8.0;

// The spacing one paragraph may keep above or below it, so that a paragraph
// alone, however empty, stays within a piece.
constexpr double MaxParagraphMargin = MaxPieceHeight / (4 * MarginWeight);

// Qt takes paragraph spacing and fixed or least line heights in the screen's
// units, as it takes tab positions, and rescales them to the layout's device:
// what they weigh in layout units is this many times their value.
double lengthScale(const QTextDocument &document)
{
    const QPaintDevice *device = document.documentLayout()->paintDevice();
    const double layoutUnitsPerTwip = device ? device->logicalDpiY() / TwipsPerInch : 1.0;
    return layoutUnitsPerTwip / tabUnitsPerTwip();
}

double lineHeightBound(const QTextBlockFormat &block, const QTextCharFormat &format,
                       double defaultPointSize, double scale)
{
    const double pointSize = format.fontPointSize() > 0 ? format.fontPointSize() : defaultPointSize;
    double height = pointSize * LineHeightPerPoint;
    if (block.lineHeightType() == QTextBlockFormat::ProportionalHeight)
        height *= std::max(1.0, block.lineHeight() / 100.0);
    else if (block.lineHeightType() != QTextBlockFormat::SingleHeight)
        height += scale * std::max(0.0, block.lineHeight());
    return height;
}

// A picture in the line is as tall as it says, whatever its character's font.
double objectHeight(const QTextDocument &document, const QTextFragment &fragment)
{
    const QTextCharFormat format = fragment.charFormat();
    if (format.objectType() == QTextFormat::NoObject)
        return 0;
    QTextObjectInterface *handler
        = document.documentLayout()->handlerForObject(format.objectType());
    if (!handler)
        return 0;
    // Qt's handlers take the document as mutable; measuring changes nothing.
    auto *measured = const_cast<QTextDocument *>(&document);
    return std::max(0.0, handler->intrinsicSize(measured, fragment.position(), format).height());
}

// What a table adds to its cells' text: each cell's padding and borders, which
// also hold a row's least height, and the table's spacing.
double cellFrameBound(const QTextTableCell &cell, double scale)
{
    const QTextTableCellFormat format = cell.format().toTableCellFormat();
    return scale
        * (std::max(0.0, format.topPadding()) + std::max(0.0, format.bottomPadding())
           + std::max(0.0, format.topBorder()) + std::max(0.0, format.bottomBorder()));
}

double tableSpacingBound(const QTextTable &table, double scale)
{
    const QTextTableFormat format = table.format();
    return MarginWeight * scale
        * (std::max(0.0, format.topMargin()) + std::max(0.0, format.bottomMargin())
           + 2 * std::max(0.0, format.border()) + std::max(0.0, format.cellSpacing()));
}

// What a paragraph costs before any of its characters: its spacing and one
// line, which it takes even when empty.
double paragraphBound(const QTextBlock &block, double defaultPointSize, double scale)
{
    const QTextBlockFormat format = block.blockFormat();
    const double spacing = std::max(0.0, format.topMargin()) + std::max(0.0, format.bottomMargin());
    return MarginWeight * scale * spacing
        + lineHeightBound(format, block.charFormat(), defaultPointSize, scale);
}

// Spacing beyond any page would on its own break Qt's layout; it is cut to a
// height that still leaves the paragraph alone on many pages.
void boundParagraphMargins(QTextDocument &document, double scale)
{
    const double largest = MaxParagraphMargin / scale;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (format.topMargin() <= largest && format.bottomMargin() <= largest)
            continue;
        format.setTopMargin(std::min(format.topMargin(), largest));
        format.setBottomMargin(std::min(format.bottomMargin(), largest));
        QTextCursor(block).setBlockFormat(format);
    }
}

// A piece: document positions [start, end). A piece that ends with a paragraph
// leaves that paragraph's separator out, so that it gets no empty last line.
// A table too tall for one piece is cut between its rows: such a piece is the
// rows firstRow to lastRow of table.
struct PieceRange
{
    int start = 0;
    int end = 0;
    QTextTable *table = nullptr;
    int firstRow = 0;
    int lastRow = 0;
};

class PieceCutter
{
public:
    PieceCutter(const QTextDocument &document, double scale)
        : m_defaultPointSize(document.defaultFont().pointSizeF())
        , m_scale(scale)
    { }

    // A table stays whole in one piece when it fits in one.
    std::vector<PieceRange> cut(QTextDocument &document)
    {
        std::map<int, QTextTable *> tables;
        for (QTextFrame *frame : document.rootFrame()->childFrames()) {
            if (auto *table = qobject_cast<QTextTable *>(frame))
                tables.emplace(table->firstPosition(), table);
        }
        for (QTextBlock block = document.begin(); block.isValid();) {
            const auto table = tables.find(block.position());
            if (table == tables.end()) {
                addParagraph(block);
                block = block.next();
                continue;
            }
            addTable(*table->second);
            block = document.findBlock(table->second->lastPosition() + 1);
        }
        m_pieces.push_back({m_pieceStart, document.characterCount() - 1});
        return m_pieces;
    }

private:
    double rowsBound(const QTextTable &table, int firstRow, int lastRow)
    {
        double bound = tableSpacingBound(table, m_scale);
        for (int row = firstRow; row <= lastRow; ++row) {
            for (int column = 0; column < table.columns(); ++column) {
                const QTextTableCell cell = table.cellAt(row, column);
                if (cell.row() != row || cell.column() != column)
                    continue; // merged into a cell counted already
                bound += cellFrameBound(cell, m_scale) + cellTextBound(cell);
            }
        }
        return bound;
    }

    double cellTextBound(const QTextTableCell &cell)
    {
        double bound = 0;
        QTextDocument &document = *cell.firstCursorPosition().document();
        for (QTextBlock block = document.findBlock(cell.firstPosition());
             block.isValid() && block.position() <= cell.lastPosition(); block = block.next()) {
            bound += paragraphBound(block, m_defaultPointSize, m_scale);
            for (auto it = block.begin(); !it.atEnd(); ++it)
                bound += it.fragment().length() * characterBound(block, it.fragment());
        }
        return bound;
    }

    void addTable(QTextTable &table)
    {
        const double whole = rowsBound(table, 0, table.rows() - 1);
        if (m_used + whole > MaxPieceHeight)
            endBeforeTable(table);
        if (whole <= MaxPieceHeight) {
            m_used += whole;
            return;
        }
        int first = 0;
        double used = 0;
        for (int row = 0; row < table.rows(); ++row) {
            const double bound = rowsBound(table, row, row);
            if (row > first && used + bound > MaxPieceHeight) {
                m_pieces.push_back({0, 0, &table, first, row - 1});
                first = row;
                used = 0;
            }
            if (bound > MaxPieceHeight) {
                addRowAsText(table, row);
                first = row + 1;
                continue;
            }
            used += bound;
        }
        if (first < table.rows())
            m_pieces.push_back({0, 0, &table, first, table.rows() - 1});
        m_pieceStart = table.lastPosition() + 1;
        m_used = 0;
        m_paragraphUsed = 0;
    }

    // A row too tall for a piece of its own: its cells' texts are cut into
    // pieces as paragraphs are, without the row around them.
    void addRowAsText(const QTextTable &table, int row)
    {
        for (int column = 0; column < table.columns(); ++column) {
            const QTextTableCell cell = table.cellAt(row, column);
            if (cell.row() != row || cell.column() != column)
                continue;
            m_pieceStart = cell.firstPosition();
            m_used = 0;
            const QTextDocument &document = *table.document();
            for (QTextBlock block = document.findBlock(cell.firstPosition());
                 block.isValid() && block.position() <= cell.lastPosition(); block = block.next())
                addParagraph(block);
            m_pieces.push_back({m_pieceStart, cell.lastPosition()});
        }
    }

    double characterBound(const QTextBlock &block, const QTextFragment &fragment) const
    {
        return std::max(lineHeightBound(block.blockFormat(), fragment.charFormat(),
                                        m_defaultPointSize, m_scale),
                        objectHeight(*block.document(), fragment));
    }

    void addParagraph(const QTextBlock &block)
    {
        const double bound = paragraphBound(block, m_defaultPointSize, m_scale);
        m_paragraphUsed = 0;
        // Checked for every paragraph, empty ones too: their heights add up.
        if (m_used + bound > MaxPieceHeight)
            endBefore(block.position());
        m_used += bound;
        m_paragraphUsed = bound;
        for (auto it = block.begin(); !it.atEnd(); ++it)
            addFragment(block, it.fragment());
    }

    void addFragment(const QTextBlock &block, const QTextFragment &fragment)
    {
        const double perCharacter = characterBound(block, fragment);
        int position = fragment.position();
        const int end = position + fragment.length();
        while (position < end) {
            const int fitting = int(
                std::clamp((MaxPieceHeight - m_used) / perCharacter, 0.0, double(end - position)));
            m_used += fitting * perCharacter;
            m_paragraphUsed += fitting * perCharacter;
            position += fitting;
            if (position == end)
                break;
            if (!endBefore(block.position())) {
                // One paragraph alone is too tall: cut inside it, always moving on.
                const int cut = std::max(position, m_pieceStart + 1);
                m_pieces.push_back({m_pieceStart, cut});
                m_pieceStart = cut;
                position = cut;
                m_used = 0;
                m_paragraphUsed = 0;
            }
        }
    }

    // The table's start marker ends the paragraph before it: the next piece
    // starts with the marker, so that it holds the whole table.
    void endBeforeTable(const QTextTable &table)
    {
        const int marker = table.firstPosition() - 1;
        if (marker <= m_pieceStart)
            return;
        m_pieces.push_back({m_pieceStart, marker});
        m_pieceStart = marker;
        m_used = 0;
        m_paragraphUsed = 0;
    }

    // Ends the piece before the paragraph starting at blockStart, which then
    // starts the next one; false when that paragraph already starts this piece.
    bool endBefore(int blockStart)
    {
        if (blockStart <= m_pieceStart)
            return false;
        m_pieces.push_back({m_pieceStart, blockStart - 1});
        m_pieceStart = blockStart;
        m_used = m_paragraphUsed;
        return true;
    }

    double m_defaultPointSize;
    double m_scale;
    double m_used = 0;
    double m_paragraphUsed = 0;
    int m_pieceStart = 0;
    std::vector<PieceRange> m_pieces;
};

// Qt copies a table's rows without its column widths and spacing: the copy
// takes the table's format again.
void copyRows(const PieceRange &range, QTextDocument &target)
{
    const QTextTable &table = *range.table;
    QTextCursor selection = table.cellAt(range.firstRow, 0).firstCursorPosition();
    selection.setPosition(table.cellAt(range.lastRow, table.columns() - 1).lastPosition(),
                          QTextCursor::KeepAnchor);
    QTextCursor cursor(&target);
    cursor.insertFragment(selection.selection());
    for (QTextFrame *frame : target.rootFrame()->childFrames()) {
        if (auto *copy = qobject_cast<QTextTable *>(frame);
            copy && copy->columns() == table.columns())
            copy->setFormat(table.format());
    }
}

// The pictures of the text go with each piece.
std::shared_ptr<QTextDocument> copyRange(const QTextDocument &source, const PieceRange &range,
                                         const std::shared_ptr<QTextDocument> &target)
{
    RtfPictureObjects::shareWith(source, *target);
    if (range.table) {
        copyRows(range, *target);
        return target;
    }
    QTextCursor selection(const_cast<QTextDocument *>(&source));
    selection.setPosition(range.start);
    selection.setPosition(range.end, QTextCursor::KeepAnchor);
    QTextCursor cursor(target.get());
    cursor.setBlockFormat(source.findBlock(range.start).blockFormat());
    cursor.insertFragment(selection.selection());
    return target;
}

} // namespace

std::vector<std::shared_ptr<QTextDocument>>
splitIntoPieces(const std::shared_ptr<QTextDocument> &document,
                const std::function<std::shared_ptr<QTextDocument>()> &makeEmpty,
                const std::function<bool(QTextDocument &)> &wantsMore)
{
    const double scale = lengthScale(*document);
    boundParagraphMargins(*document, scale);
    const std::vector<PieceRange> ranges = PieceCutter(*document, scale).cut(*document);
    if (ranges.size() == 1)
        return {document};
    std::vector<std::shared_ptr<QTextDocument>> pieces;
    for (const PieceRange &range : ranges) {
        if (!pieces.empty() && wantsMore && !wantsMore(*pieces.back()))
            break;
        pieces.push_back(copyRange(*document, range, makeEmpty()));
    }
    return pieces;
}

} // namespace virelai
