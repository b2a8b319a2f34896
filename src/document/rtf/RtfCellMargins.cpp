#include "RtfCellMargins.h"

#include <QTextTable>

#include <algorithm>
#include <map>

namespace virelai::rtf {

namespace {

QTextTableCellFormat formatOf(const QTextTableCell &cell)
{
    return cell.format().toTableCellFormat();
}

// The width of the border Qt draws on each side of a cell: the wider of its
// own and its neighbour's facing one.
double leftEdge(const QTextTable &table, const QTextTableCell &cell)
{
    const double own = formatOf(cell).leftBorder();
    if (cell.column() == 0)
        return own;
    return std::max(own, formatOf(table.cellAt(cell.row(), cell.column() - 1)).rightBorder());
}

double rightEdge(const QTextTable &table, const QTextTableCell &cell)
{
    const double own = formatOf(cell).rightBorder();
    const int next = cell.column() + cell.columnSpan();
    if (next >= table.columns())
        return own;
    return std::max(own, formatOf(table.cellAt(cell.row(), next)).leftBorder());
}

double topEdge(const QTextTable &table, const QTextTableCell &cell)
{
    const double own = formatOf(cell).topBorder();
    if (cell.row() == 0)
        return own;
    return std::max(own, formatOf(table.cellAt(cell.row() - 1, cell.column())).bottomBorder());
}

double bottomEdge(const QTextTable &table, const QTextTableCell &cell)
{
    const double own = formatOf(cell).bottomBorder();
    const int next = cell.row() + cell.rowSpan();
    if (next >= table.rows())
        return own;
    return std::max(own, formatOf(table.cellAt(next, cell.column())).topBorder());
}

// Each cell once, by the top left of its merged area.
std::vector<QTextTableCell> cellsOf(const QTextTable &table)
{
    std::vector<QTextTableCell> cells;
    for (int row = 0; row < table.rows(); ++row) {
        for (int column = 0; column < table.columns(); ++column) {
            const QTextTableCell cell = table.cellAt(row, column);
            if (cell.row() == row && cell.column() == column)
                cells.push_back(cell);
        }
    }
    return cells;
}

// Formats are written after every edge has been measured: a cell's new format
// must not change the edges of the cells after it.
void setFormats(std::vector<QTextTableCell> &cells,
                const std::vector<QTextTableCellFormat> &formats)
{
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i].setFormat(formats[i]);
}

} // namespace

void keepTextOffSideBorders(QTextTable &table)
{
    std::vector<QTextTableCell> cells = cellsOf(table);
    std::vector<QTextTableCellFormat> formats;
    for (const QTextTableCell &cell : cells) {
        QTextTableCellFormat format = formatOf(cell);
        format.setLeftPadding(std::max(0.0, format.leftPadding() - leftEdge(table, cell) / 2));
        format.setRightPadding(std::max(0.0, format.rightPadding() - rightEdge(table, cell) / 2));
        formats.push_back(format);
    }
    setFormats(cells, formats);
    double widestLeft = 0;
    for (int row = 0; row < table.rows(); ++row)
        widestLeft = std::max(widestLeft, formatOf(table.cellAt(row, 0)).leftBorder());
    QTextTableFormat format = table.format();
    if (format.alignment() & Qt::AlignLeft) {
        format.setLeftMargin(format.leftMargin() - widestLeft / 2);
        table.setFormat(format);
    }
}

void shareRowMargins(QTextTable &table)
{
    std::vector<QTextTableCell> cells = cellsOf(table);
    std::map<int, double> tops; // by the row a cell starts in
    std::map<int, double> bottoms; // by the row a cell ends in
    for (const QTextTableCell &cell : cells) {
        const QTextTableCellFormat format = formatOf(cell);
        double &top = tops[cell.row()];
        top = std::max(top, format.topPadding() + topEdge(table, cell) / 2);
        double &bottom = bottoms[cell.row() + cell.rowSpan() - 1];
        bottom = std::max(bottom, format.bottomPadding() + bottomEdge(table, cell) / 2);
    }
    std::vector<QTextTableCellFormat> formats;
    for (const QTextTableCell &cell : cells) {
        QTextTableCellFormat format = formatOf(cell);
        format.setTopPadding(tops[cell.row()] - topEdge(table, cell) / 2);
        format.setBottomPadding(bottoms[cell.row() + cell.rowSpan() - 1]
                                - bottomEdge(table, cell) / 2);
        formats.push_back(format);
    }
    setFormats(cells, formats);
}

} // namespace virelai::rtf
