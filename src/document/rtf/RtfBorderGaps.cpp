#include "RtfBorderGaps.h"

#include <QTextTable>

#include <algorithm>

namespace virelai::rtf {

namespace {

QTextTableCellFormat formatOf(const QTextTableCell &cell)
{
    return cell.format().toTableCellFormat();
}

// The width of the border Qt draws on a cell's left side: the wider of its own
// and its left neighbour's right one.
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

// Paddings are written after every edge has been measured: a cell's new
// format must not change the edges of the cells after it.
struct SidePaddings
{
    QTextTableCell cell;
    double left = 0;
    double right = 0;
};

} // namespace

void keepTextOffSideBorders(QTextTable &table)
{
    std::vector<SidePaddings> paddings;
    double widestLeft = 0;
    for (int row = 0; row < table.rows(); ++row) {
        widestLeft = std::max(widestLeft, formatOf(table.cellAt(row, 0)).leftBorder());
        for (int column = 0; column < table.columns(); ++column) {
            const QTextTableCell cell = table.cellAt(row, column);
            if (cell.row() != row || cell.column() != column)
                continue;
            const QTextTableCellFormat format = formatOf(cell);
            paddings.push_back({cell,
                                std::max(0.0, format.leftPadding() - leftEdge(table, cell) / 2),
                                std::max(0.0, format.rightPadding() - rightEdge(table, cell) / 2)});
        }
    }
    for (SidePaddings &side : paddings) {
        QTextTableCellFormat format = formatOf(side.cell);
        format.setLeftPadding(side.left);
        format.setRightPadding(side.right);
        side.cell.setFormat(format);
    }
    QTextTableFormat format = table.format();
    if (format.alignment() & Qt::AlignLeft) {
        format.setLeftMargin(format.leftMargin() - widestLeft / 2);
        table.setFormat(format);
    }
}

} // namespace virelai::rtf
