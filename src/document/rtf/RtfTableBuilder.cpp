#include "RtfTableBuilder.h"

#include "RtfCellFormat.h"
#include "RtfCellMargins.h"
#include "RtfLimits.h"
#include "RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QTextDocumentFragment>
#include <QTextTable>

#include <algorithm>
#include <map>

namespace virelai {

namespace {

// The width a cell gets when the row definition names fewer cells than the row holds.
constexpr int DefaultCellTwips = 1440;

double layoutUnits(int twips)
{
    return twips * tabUnitsPerTwip();
}

} // namespace

struct RtfTableBuilder::Placement
{
    int row = 0;
    int column = 0;
    int rowSpan = 1;
    int columnSpan = 1;
    CellDefinition definition;
    const RowDefinition *rowDefinition = nullptr;
    CellPosition position;
    std::vector<QTextDocument *> contents;
};

RtfTableBuilder::RtfTableBuilder(const RtfColorTable &colors)
    : m_colors(colors)
{ }

RtfTableBuilder::~RtfTableBuilder() = default;

RtfDocumentWriter &RtfTableBuilder::cellWriter()
{
    if (!m_cellOpen) {
        Cell cell;
        cell.content = std::make_unique<QTextDocument>();
        cell.cursor = std::make_unique<QTextCursor>(cell.content.get());
        cell.writer = std::make_unique<RtfDocumentWriter>(*cell.cursor);
        m_cells.push_back(std::move(cell));
        m_cellOpen = true;
    }
    return *m_cells.back().writer;
}

void RtfTableBuilder::closeCell()
{
    cellWriter().finish();
    m_cellOpen = false;
}

void RtfTableBuilder::endRow(const RowDefinition &row)
{
    if (m_cellOpen)
        closeCell();
    m_rows.push_back({row, std::move(m_cells)});
    m_cells.clear();
}

namespace {

// The row's edges from its left edge to each cell's right edge, always rising.
std::vector<int> rowEdges(const RowDefinition &definition, std::size_t cellCount)
{
    std::vector<int> edges {definition.left};
    const std::size_t count = std::max(cellCount, definition.cells.size());
    for (std::size_t i = 0; i < count; ++i) {
        const int right = i < definition.cells.size() ? definition.cells[i].right
                                                      : edges.back() + DefaultCellTwips;
        edges.push_back(std::max(right, edges.back() + 1));
    }
    return edges;
}

// Layout units of the document per twip: its device's, or the screen's.
double deviceUnitsPerTwip(const QTextDocument &document)
{
    const QPaintDevice *device = document.documentLayout()->paintDevice();
    return device ? device->logicalDpiY() / 1440.0 : tabUnitsPerTwip();
}

// Twips a cell's texts take laid out at its width, with its padding and borders.
double cellHeight(const std::vector<QTextDocument *> &contents, const QTextTableCellFormat &format,
                  int widthTwips, QPaintDevice *device, double unitsPerTwip)
{
    const double frame = (format.topPadding() + format.bottomPadding() + format.topBorder()
                          + format.bottomBorder())
        / tabUnitsPerTwip();
    const double sides = (format.leftPadding() + format.rightPadding() + format.leftBorder()
                          + format.rightBorder())
        / tabUnitsPerTwip();
    double height = frame;
    for (QTextDocument *content : contents) {
        content->documentLayout()->setPaintDevice(device);
        content->setDocumentMargin(0);
        content->setTextWidth(std::max(1.0, (widthTwips - sides) * unitsPerTwip));
        height += content->documentLayout()->documentSize().height() / unitsPerTwip;
    }
    return height;
}

int columnOf(const std::vector<int> &edges, int x)
{
    const auto found = std::lower_bound(edges.begin(), edges.end(), x);
    return int(std::min(found - edges.begin(), std::ptrdiff_t(edges.size()) - 1));
}

} // namespace

std::vector<int> RtfTableBuilder::columnEdges() const
{
    std::vector<int> edges;
    for (const Row &row : m_rows) {
        const std::vector<int> own = rowEdges(row.definition, row.cells.size());
        edges.insert(edges.end(), own.begin(), own.end());
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    // More columns than a table may have: the last ones are joined.
    if (edges.size() > std::size_t(MaxTableColumns) + 1)
        edges.erase(edges.begin() + MaxTableColumns, edges.end() - 1);
    return edges;
}

std::vector<RtfTableBuilder::Placement>
RtfTableBuilder::placeCells(const std::vector<int> &edges) const
{
    std::vector<Placement> placements;
    std::map<int, std::size_t> mergingDown; // first column -> placement continued below
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        const Row &row = m_rows[r];
        const std::vector<int> own = rowEdges(row.definition, row.cells.size());
        const std::size_t cellCount = own.size() - 1;
        std::map<int, std::size_t> stillMerging;
        for (std::size_t c = 0; c < cellCount; ++c) {
            const CellDefinition definition
                = c < row.definition.cells.size() ? row.definition.cells[c] : CellDefinition {};
            QTextDocument *content = c < row.cells.size() ? row.cells[c].content.get() : nullptr;
            const int columns = int(edges.size()) - 1;
            const int first = std::min(columnOf(edges, own[c]), columns - 1);
            const int last = std::clamp(columnOf(edges, own[c + 1]), first + 1, columns);
            const auto above = mergingDown.find(first);
            const bool sameRowBefore = !placements.empty() && placements.back().row == int(r);
            // Cells past the joined last columns land in a column already taken: they join it.
            const bool columnTaken
                = sameRowBefore && first < placements.back().column + placements.back().columnSpan;
            const bool joinsLeft = sameRowBefore
                && (columnTaken || (definition.horizontalMerge == Merge::Continued && c > 0));
            const bool joinsAbove
                = definition.verticalMerge == Merge::Continued && above != mergingDown.end();
            Placement *joined = joinsLeft ? &placements.back()
                : joinsAbove              ? &placements[above->second]
                                          : nullptr;
            if (joined) {
                if (joinsLeft)
                    joined->columnSpan = std::max(joined->columnSpan, last - joined->column);
                else {
                    joined->rowSpan = int(r) - joined->row + 1;
                    stillMerging[first] = above->second;
                }
                // A merged cell's own text, which word processors leave empty, is kept.
                if (content && !content->isEmpty())
                    joined->contents.push_back(content);
                continue;
            }
            Placement placement;
            placement.row = int(r);
            placement.column = first;
            placement.columnSpan = last - first;
            placement.definition = definition;
            placement.rowDefinition = &row.definition;
            placement.position = {r == 0, r + 1 == m_rows.size(), c == 0, c + 1 == cellCount};
            if (content)
                placement.contents.push_back(content);
            placements.push_back(std::move(placement));
            if (definition.verticalMerge == Merge::First)
                stillMerging[first] = placements.size() - 1;
        }
        mergingDown = std::move(stillMerging);
    }
    return placements;
}

QTextTable *RtfTableBuilder::write(QTextCursor &cursor, int spaceAbove)
{
    if (!m_cells.empty())
        endRow(m_rows.empty() ? RowDefinition {} : m_rows.back().definition);
    const std::vector<int> edges = columnEdges();
    const int columns = int(edges.size()) - 1;
    if (columns < 1 || m_rows.empty()) {
        m_rows.clear();
        return nullptr;
    }
    QTextTableFormat format = bareTableFormat(spaceAbove);
    const Qt::Alignment alignment = m_rows.front().definition.alignment;
    format.setAlignment(alignment);
    if (alignment == Qt::AlignLeft)
        format.setLeftMargin(layoutUnits(edges.front()));
    QList<QTextLength> widths;
    for (int c = 0; c < columns; ++c)
        widths.append(QTextLength(QTextLength::FixedLength, layoutUnits(edges[c + 1] - edges[c])));
    format.setColumnWidthConstraints(widths);
    QTextTable *table = cursor.insertTable(int(m_rows.size()), columns, format);
    const std::vector<Placement> placements = placeCells(edges);
    for (const Placement &placement : placements)
        fillCell(*table, placement);
    for (const Placement &placement : placements) {
        if (placement.rowSpan > 1 || placement.columnSpan > 1)
            table->mergeCells(placement.row, placement.column, placement.rowSpan,
                              placement.columnSpan);
    }
    placeCellTexts(*table);
    giveRowsTheirHeight(*table, placements, edges);
    cursor = table->lastCursorPosition();
    cursor.movePosition(QTextCursor::NextBlock);
    m_rows.clear();
    return table;
}

void RtfTableBuilder::fillCell(QTextTable &table, const Placement &placement) const
{
    QTextTableCell cell = table.cellAt(placement.row, placement.column);
    QTextCursor cursor = cell.firstCursorPosition();
    bool first = true;
    for (const QTextDocument *content : placement.contents) {
        if (!first)
            cursor.insertBlock(content->begin().blockFormat(), content->begin().charFormat());
        else
            cursor.setBlockFormat(content->begin().blockFormat());
        cursor.insertFragment(QTextDocumentFragment(content));
        first = false;
    }
    // The cell's format is also its first paragraph's mark: one format holds both.
    QTextCharFormat format = placement.contents.empty()
        ? QTextCharFormat()
        : placement.contents.front()->begin().charFormat();
    format.merge(
        cellFormat(placement.definition, *placement.rowDefinition, placement.position, m_colors));
    cell.setFormat(format);
}

// \trrh: a row at least as tall as it says. Its tallest cell takes the
// missing height below its text; the others align in the row as they say. An
// exact height is kept as a least one: word processors cut off the text that
// overflows it, which this reader never loses.
void RtfTableBuilder::giveRowsTheirHeight(QTextTable &table,
                                          const std::vector<Placement> &placements,
                                          const std::vector<int> &edges) const
{
    QTextDocument &document = *table.document();
    QPaintDevice *device = document.documentLayout()->paintDevice();
    const double unitsPerTwip = deviceUnitsPerTwip(document);
    std::map<int, std::pair<double, const Placement *>> tallest; // by row
    for (const Placement &placement : placements) {
        if (placement.rowSpan != 1 || placement.rowDefinition->height == 0)
            continue;
        const QTextTableCellFormat format
            = table.cellAt(placement.row, placement.column).format().toTableCellFormat();
        const int width = edges[std::size_t(placement.column + placement.columnSpan)]
            - edges[std::size_t(placement.column)];
        const double height = cellHeight(placement.contents, format, width, device, unitsPerTwip);
        auto &row = tallest[placement.row];
        if (!row.second || height > row.first)
            row = {height, &placement};
    }
    for (const auto &[row, cell] : tallest) {
        const double missing = std::abs(cell.second->rowDefinition->height) - cell.first;
        if (missing <= 0)
            continue;
        QTextTableCell tableCell = table.cellAt(row, cell.second->column);
        QTextTableCellFormat format = tableCell.format().toTableCellFormat();
        format.setBottomPadding(format.bottomPadding() + missing * tabUnitsPerTwip());
        tableCell.setFormat(format);
    }
}

} // namespace virelai
