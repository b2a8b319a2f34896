#include "RtfCellFormat.h"

#include "RtfReader.h"

namespace virelai {

namespace {

constexpr std::size_t InsideHorizontal = 4;
constexpr std::size_t InsideVertical = 5;

double layoutUnits(int twips)
{
    return twips * tabUnitsPerTwip();
}

std::size_t index(Side side)
{
    return std::size_t(side);
}

int padding(const CellDefinition &cell, const RowDefinition &row, Side side)
{
    if (cell.padding[index(side)] >= 0)
        return cell.padding[index(side)];
    if (row.padding[index(side)] >= 0)
        return row.padding[index(side)];
    return side == Side::Left || side == Side::Right ? row.gap : 0;
}

Border borderOf(const CellDefinition &cell, const RowDefinition &row, CellPosition position,
                Side side)
{
    if (cell.borders[index(side)].set)
        return cell.borders[index(side)];
    switch (side) {
    case Side::Top:
        return position.firstRow ? row.borders[index(Side::Top)] : row.borders[InsideHorizontal];
    case Side::Bottom:
        return position.lastRow ? row.borders[index(Side::Bottom)] : row.borders[InsideHorizontal];
    case Side::Left:
        return position.firstCell ? row.borders[index(Side::Left)] : row.borders[InsideVertical];
    case Side::Right:
        return position.lastCell ? row.borders[index(Side::Right)] : row.borders[InsideVertical];
    }
    return {};
}

QTextFrameFormat::BorderStyle qtStyle(BorderStyle style)
{
    switch (style) {
    case BorderStyle::Single:
        return QTextFrameFormat::BorderStyle_Solid;
    case BorderStyle::Double:
        return QTextFrameFormat::BorderStyle_Double;
    case BorderStyle::Dotted:
        return QTextFrameFormat::BorderStyle_Dotted;
    case BorderStyle::Dashed:
        return QTextFrameFormat::BorderStyle_Dashed;
    case BorderStyle::None:
        break;
    }
    return QTextFrameFormat::BorderStyle_None;
}

QColor colorOr(const RtfColorTable &colors, int index, QColor fallback)
{
    const QColor color = index >= 0 ? colors.color(index) : QColor();
    return color.isValid() ? color : fallback;
}

void setBorder(QTextTableCellFormat &format, Side side, const Border &border,
               const RtfColorTable &colors)
{
    const bool drawn = border.style != BorderStyle::None;
    const double width = drawn ? layoutUnits(border.drawnWidth()) : 0.0;
    const QTextFrameFormat::BorderStyle style = qtStyle(border.style);
    const QBrush brush(colorOr(colors, border.color, Qt::black));
    switch (side) {
    case Side::Top:
        format.setTopBorder(width);
        format.setTopBorderStyle(style);
        format.setTopBorderBrush(brush);
        break;
    case Side::Left:
        format.setLeftBorder(width);
        format.setLeftBorderStyle(style);
        format.setLeftBorderBrush(brush);
        break;
    case Side::Bottom:
        format.setBottomBorder(width);
        format.setBottomBorderStyle(style);
        format.setBottomBorderBrush(brush);
        break;
    case Side::Right:
        format.setRightBorder(width);
        format.setRightBorderStyle(style);
        format.setRightBorderBrush(brush);
        break;
    }
}

QTextCharFormat::VerticalAlignment qtVerticalAlignment(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignVCenter)
        return QTextCharFormat::AlignMiddle;
    if (alignment & Qt::AlignBottom)
        return QTextCharFormat::AlignBottom;
    return QTextCharFormat::AlignTop;
}

} // namespace

QTextTableCellFormat cellFormat(const CellDefinition &cell, const RowDefinition &row,
                                CellPosition position, const RtfColorTable &colors)
{
    QTextTableCellFormat format;
    format.setLeftPadding(layoutUnits(padding(cell, row, Side::Left)));
    format.setRightPadding(layoutUnits(padding(cell, row, Side::Right)));
    format.setTopPadding(layoutUnits(padding(cell, row, Side::Top)));
    format.setBottomPadding(layoutUnits(padding(cell, row, Side::Bottom)));
    for (const Side side : {Side::Top, Side::Left, Side::Bottom, Side::Right})
        setBorder(format, side, borderOf(cell, row, position, side), colors);
    if (cell.background >= 0 || cell.shading > 0)
        format.setBackground(colors.shading(cell.background, cell.foreground, cell.shading));
    format.setVerticalAlignment(qtVerticalAlignment(cell.verticalAlignment));
    return format;
}

QTextTableFormat bareTableFormat(int spaceAbove)
{
    QTextTableFormat format;
    format.setBorderCollapse(true);
    format.setBorder(0);
    format.setCellSpacing(0);
    format.setCellPadding(0);
    format.setMargin(0);
    format.setTopMargin(layoutUnits(spaceAbove));
    return format;
}

} // namespace virelai
