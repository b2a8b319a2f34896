#include "RtfParagraphBox.h"

#include "RtfCellFormat.h"
#include "RtfReader.h"

#include <QTextDocumentFragment>
#include <QTextTable>

namespace virelai {

namespace {

double layoutUnits(int twips)
{
    return twips * tabUnitsPerTwip();
}

// The box as a cell: a border's spacing is padding on its side.
CellDefinition boxCell(const ParaProps &props)
{
    CellDefinition cell;
    for (std::size_t side = 0; side < props.borders.size(); ++side) {
        const Border &border = props.borders[side];
        cell.borders[side] = border;
        cell.borders[side].set = true;
        cell.padding[side] = border.drawn() ? border.space : 0;
    }
    cell.background = props.shadingBackground;
    cell.foreground = props.shadingForeground;
    cell.shading = props.shading;
    return cell;
}

} // namespace

RtfParagraphBox::RtfParagraphBox(const RtfColorTable &colors)
    : m_colors(colors)
{ }

RtfParagraphBox::~RtfParagraphBox() = default;

bool RtfParagraphBox::holds(const ParaProps &props) const
{
    return isOpen() && props.borders == m_props.borders
        && props.shadingBackground == m_props.shadingBackground
        && props.shadingForeground == m_props.shadingForeground && props.shading == m_props.shading
        && props.leftIndent == m_props.leftIndent && props.rightIndent == m_props.rightIndent;
}

void RtfParagraphBox::open(const ParaProps &props, int spaceAbove)
{
    m_props = props;
    m_spaceAbove = spaceAbove;
    m_firstParagraph = true;
    m_content = std::make_unique<QTextDocument>();
    m_cursor = std::make_unique<QTextCursor>(m_content.get());
    m_writer = std::make_unique<RtfDocumentWriter>(*m_cursor);
}

// Tab stops count from the page's text margin, the paragraph's text from the box.
ParaProps RtfParagraphBox::inside(const ParaProps &props)
{
    ParaProps within = props;
    for (TabStop &stop : within.tabStops)
        stop.position = std::max(0, stop.position - props.leftIndent);
    within.leftIndent = 0;
    within.rightIndent = 0;
    within.borders = {};
    within.shadingBackground = -1;
    within.shadingForeground = -1;
    within.shading = 0;
    return within;
}

QTextTable *RtfParagraphBox::write(QTextCursor &cursor)
{
    // The last paragraph's "\par" opened no paragraph in the box.
    if (m_writer->paragraphPending())
        m_writer->finish();
    QTextTableFormat format = bareTableFormat(m_spaceAbove);
    format.setLeftMargin(layoutUnits(m_props.leftIndent));
    format.setRightMargin(layoutUnits(m_props.rightIndent));
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QTextTable *table = cursor.insertTable(1, 1, format);
    QTextTableCell cell = table->cellAt(0, 0);
    QTextCursor cellCursor = cell.firstCursorPosition();
    cellCursor.setBlockFormat(m_content->begin().blockFormat());
    cellCursor.insertFragment(QTextDocumentFragment(m_content.get()));
    // The cell's format is also its first paragraph's mark: one format holds both.
    QTextCharFormat cellFormat = m_content->begin().charFormat();
    cellFormat.merge(virelai::cellFormat(boxCell(m_props), RowDefinition {}, {}, m_colors));
    cell.setFormat(cellFormat);
    cursor = table->lastCursorPosition();
    cursor.movePosition(QTextCursor::NextBlock);
    m_writer.reset();
    m_cursor.reset();
    m_content.reset();
    return table;
}

} // namespace virelai
