#include "RtfCellMargins.h"

#include <QTextTable>

#include <algorithm>
#include <map>
#include <vector>

namespace virelai {

namespace {

struct GridCell
{
    QTextTableCell cell;
    QTextTableCellFormat format;
};

// The table's cells, each once with its format read once, and which of them
// covers each place of the grid.
class CellGrid
{
public:
    explicit CellGrid(const QTextTable &table)
        : m_rows(table.rows())
        , m_columns(table.columns())
    {
        m_covering.reserve(std::size_t(m_rows * m_columns));
        for (int row = 0; row < m_rows; ++row) {
            for (int column = 0; column < m_columns; ++column) {
                const QTextTableCell cell = table.cellAt(row, column);
                if (cell.row() == row && cell.column() == column) {
                    m_covering.push_back(m_cells.size());
                    m_cells.push_back({cell, cell.format().toTableCellFormat()});
                } else {
                    m_covering.push_back(m_covering[place(cell.row(), cell.column())]);
                }
            }
        }
    }

    std::vector<GridCell> &cells() { return m_cells; }
    int rows() const { return m_rows; }

    // The width of the border Qt draws on each side of a cell: the wider of
    // its own and its neighbour's facing one.
    double leftEdge(const GridCell &at) const
    {
        const int column = at.cell.column() - 1;
        const double own = at.format.leftBorder();
        return column < 0 ? own : std::max(own, formatAt(at.cell.row(), column).rightBorder());
    }
    double rightEdge(const GridCell &at) const
    {
        const int column = at.cell.column() + at.cell.columnSpan();
        const double own = at.format.rightBorder();
        return column >= m_columns ? own
                                   : std::max(own, formatAt(at.cell.row(), column).leftBorder());
    }
    double topEdge(const GridCell &at) const
    {
        const int row = at.cell.row() - 1;
        const double own = at.format.topBorder();
        return row < 0 ? own : std::max(own, formatAt(row, at.cell.column()).bottomBorder());
    }
    double bottomEdge(const GridCell &at) const
    {
        const int row = at.cell.row() + at.cell.rowSpan();
        const double own = at.format.bottomBorder();
        return row >= m_rows ? own : std::max(own, formatAt(row, at.cell.column()).topBorder());
    }

private:
    std::size_t place(int row, int column) const { return std::size_t(row * m_columns + column); }
    const QTextTableCellFormat &formatAt(int row, int column) const
    {
        return m_cells[m_covering[place(row, column)]].format;
    }

    int m_rows;
    int m_columns;
    std::vector<GridCell> m_cells;
    std::vector<std::size_t> m_covering; // by place: index in m_cells
};

int lastRow(const QTextTableCell &cell)
{
    return cell.row() + cell.rowSpan() - 1;
}

// The new paddings are computed from the formats as read: a cell's new format
// must not change the edges of the cells after it.
std::vector<QTextTableCellFormat> placedFormats(const CellGrid &grid,
                                                const std::vector<GridCell> &cells)
{
    std::map<int, double> tops; // by the row a cell starts in
    std::map<int, double> bottoms; // by the row a cell ends in
    for (const GridCell &at : cells) {
        double &top = tops[at.cell.row()];
        top = std::max(top, at.format.topPadding() + grid.topEdge(at) / 2);
        double &bottom = bottoms[lastRow(at.cell)];
        bottom = std::max(bottom, at.format.bottomPadding() + grid.bottomEdge(at) / 2);
    }
    std::vector<QTextTableCellFormat> formats;
    formats.reserve(cells.size());
    for (const GridCell &at : cells) {
        QTextTableCellFormat format = at.format;
        format.setLeftPadding(std::max(0.0, format.leftPadding() - grid.leftEdge(at) / 2));
        format.setRightPadding(std::max(0.0, format.rightPadding() - grid.rightEdge(at) / 2));
        // Qt leaves out the space before a cell's first paragraph; word processors keep it.
        const double spaceBefore = at.cell.firstCursorPosition().blockFormat().topMargin();
        format.setTopPadding(tops[at.cell.row()] - grid.topEdge(at) / 2 + spaceBefore);
        format.setBottomPadding(bottoms[lastRow(at.cell)] - grid.bottomEdge(at) / 2);
        formats.push_back(format);
    }
    return formats;
}

} // namespace

void placeCellTexts(QTextTable &table)
{
    CellGrid grid(table);
    std::vector<GridCell> &cells = grid.cells();
    const std::vector<QTextTableCellFormat> formats = placedFormats(grid, cells);
    double widestLeft = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (cells[i].cell.column() == 0)
            widestLeft = std::max(widestLeft, cells[i].format.leftBorder());
        if (formats[i] != cells[i].format)
            cells[i].cell.setFormat(formats[i]);
    }
    QTextTableFormat format = table.format();
    if (format.alignment() & Qt::AlignLeft) {
        format.setLeftMargin(format.leftMargin() - widestLeft / 2);
        table.setFormat(format);
    }
}

} // namespace virelai
