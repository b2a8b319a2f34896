#pragma once

#include "RtfDocumentWriter.h"
#include "RtfRowDefinition.h"
#include "RtfTables.h"

#include <QTextDocument>

#include <memory>
#include <vector>

class QTextTable;

namespace virelai {

// Gathers a table as the text gives it, row after row, each cell's paragraphs
// in a document of their own, and writes it whole once its last row has
// ended: only then are all its column boundaries known. Rows whose cells end
// at different places share one grid of columns, each cell spanning the
// columns between its edges.
class RtfTableBuilder
{
public:
    explicit RtfTableBuilder(const RtfColorTable &colors);
    ~RtfTableBuilder();

    bool cellOpen() const { return m_cellOpen; }
    // Opens the next cell of the current row when none is open.
    RtfDocumentWriter &cellWriter();
    void closeCell();
    void endRow(const RowDefinition &row);
    bool hasContent() const { return !m_rows.empty() || !m_cells.empty(); }
    // Writes the table at the cursor, leaves the cursor in the paragraph after
    // it and starts a new table. spaceAbove: twips above the table.
    QTextTable *write(QTextCursor &cursor, int spaceAbove);

private:
    struct Cell
    {
        std::unique_ptr<QTextDocument> content;
        std::unique_ptr<QTextCursor> cursor;
        std::unique_ptr<RtfDocumentWriter> writer;
    };
    struct Row
    {
        RowDefinition definition;
        std::vector<Cell> cells;
    };
    struct Placement; // where a cell of the text goes in the grid

    std::vector<int> columnEdges() const;
    std::vector<Placement> placeCells(const std::vector<int> &edges) const;
    void fillCell(QTextTable &table, const Placement &placement) const;
    void giveRowsTheirHeight(QTextTable &table, const std::vector<Placement> &placements,
                             const std::vector<int> &edges) const;

    const RtfColorTable &m_colors;
    std::vector<Row> m_rows;
    std::vector<Cell> m_cells; // of the row being read
    bool m_cellOpen = false;
};

} // namespace virelai
