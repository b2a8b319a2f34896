#include "ChartPainter.h"

#include "CategoryLabels.h"
#include "ChartGeometry.h"
#include "NumberFormat.h"
#include "chart/QBColor.h"
#include "chart/TChart.h"
#include "common/BgrColor.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace virelai {

namespace {

constexpr double MarginX = ChartSize.width() / 100.0; // the control's 1 % margins
constexpr double MarginY = ChartSize.height() / 100.0;
constexpr double TickLength = 4.0;
constexpr double Gap = 4.0;
constexpr int LegendColorWidth = 17;
const QColor WallColor = colorFromBgr(0x80FFFF);
const QColor GridColor(192, 192, 192);

QFont arialBold(int pixelSize)
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(pixelSize);
    return font;
}

const QFont &titleFont()
{
    static const QFont font = arialBold(19);
    return font;
}

const QFont &smallFont() // footer, legend and category labels
{
    static const QFont font = arialBold(13);
    return font;
}

const QFont &axisFont()
{
    static const QFont font = arialBold(19);
    return font;
}

// Takes a band of the given height off the top or the bottom of the free area.
QRectF takeTop(QRectF &free, double height)
{
    const QRectF band(free.left(), free.top(), free.width(), height);
    free.setTop(free.top() + height);
    return band;
}

QRectF takeBottom(QRectF &free, double height)
{
    const QRectF band(free.left(), free.bottom() - height, free.width(), height);
    free.setBottom(free.bottom() - height);
    return band;
}

void drawCentredText(QPainter &painter, const QRectF &band, const QFont &font, QColor color,
                     const QString &text)
{
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(band, Qt::AlignCenter, text);
}

void drawLegend(QPainter &painter, const TChart &chart, const QRectF &band)
{
    painter.setFont(smallFont());
    const QFontMetricsF metrics(smallFont(), painter.device());
    double width = 0.0;
    for (const ChartSeries &series : chart.series)
        width += LegendColorWidth + Gap + metrics.horizontalAdvance(series.Title) + 2 * Gap;
    double x = band.center().x() - width / 2.0;
    const double boxHeight = metrics.ascent() * 0.7;
    for (const ChartSeries &series : chart.series) {
        painter.setPen(Qt::black);
        painter.setBrush(colorFromBgr(series.SeriesColor));
        painter.drawRect(
            QRectF(x + Gap, band.center().y() - boxHeight / 2.0, LegendColorWidth, boxHeight));
        x += Gap + LegendColorWidth + Gap;
        const double textWidth = metrics.horizontalAdvance(series.Title);
        painter.drawText(QRectF(x, band.top(), textWidth + Gap, band.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, series.Title);
        x += textWidth + Gap;
    }
}

double axisLabelWidth(const QPainter &painter, const AxisTicks &ticks, const QString &format)
{
    const QFontMetricsF metrics(axisFont(), painter.device());
    double widest = 0.0;
    for (double value : ticks.values)
        widest = std::max(widest, metrics.horizontalAdvance(formatNumber(value, format)));
    return widest;
}

void drawValueAxis(QPainter &painter, const QRectF &plot, const AxisTicks &ticks,
                   const QString &format)
{
    painter.setFont(axisFont());
    const QFontMetricsF metrics(axisFont(), painter.device());
    for (double value : ticks.values) {
        const double y = valueToY(value, ticks.top, plot);
        painter.setPen(GridColor);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Qt::black);
        painter.drawLine(QPointF(plot.left() - TickLength, y), QPointF(plot.left(), y));
        const QRectF label(0.0, y - metrics.height() / 2.0, plot.left() - TickLength - 1.0,
                           metrics.height());
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, formatNumber(value, format));
    }
}

// The first series' point labels under the centres of their slots.
std::vector<CategoryLabel> categoryLabels(const QPainter &painter, const TChart &chart,
                                          const QRectF &slots)
{
    const std::vector<ChartPoint> &points = chart.series.front().points;
    QStringList texts;
    std::vector<double> centres;
    const double slot = slots.width() / double(std::max<std::size_t>(points.size(), 1));
    for (std::size_t i = 0; i < points.size(); ++i) {
        texts << points[i].label;
        centres.push_back(slots.left() + slot * (double(i) + 0.5));
    }
    const QFontMetricsF metrics(smallFont(), painter.device());
    return layOutCategoryLabels(
        texts, centres, chart.BottomAxis.LabelsSeparation,
        [&](const QString &text) { return metrics.horizontalAdvance(text); });
}

void drawCategoryLabels(QPainter &painter, const std::vector<CategoryLabel> &labels,
                        const QRectF &band)
{
    painter.setFont(smallFont());
    painter.setPen(Qt::black);
    const double lineHeight = QFontMetricsF(smallFont(), painter.device()).height();
    for (const CategoryLabel &label : labels) {
        for (qsizetype line = 0; line < label.lines.size(); ++line) {
            const QRectF rect(label.left, band.top() + double(line) * lineHeight, label.width,
                              lineHeight);
            painter.drawText(rect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip,
                             label.lines[line]);
        }
    }
}

void drawMark(QPainter &painter, const ChartSeries &series, const QRectF &bar, double value)
{
    QFont font = arialBold(16);
    font.setPointSize(series.Marks.fontPointSize);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const QString text = formatNumber(value, QStringLiteral("##0.0#"));
    const double arrowTop = bar.top() - series.Marks.ArrowLength;
    painter.setPen(Qt::black);
    painter.drawLine(QPointF(bar.center().x(), bar.top()), QPointF(bar.center().x(), arrowTop));
    const double width = metrics.horizontalAdvance(text) + 4.0;
    const QRectF box(bar.center().x() - width / 2.0, arrowTop - metrics.height(), width,
                     metrics.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(box);
    painter.setPen(colorFromBgr(series.Marks.fontColor));
    painter.drawText(box, Qt::AlignCenter, text);
}

void drawSeries(QPainter &painter, const ChartSeries &series, const QRectF &plot,
                const QRectF &slots, double axisTop)
{
    const int count = int(series.points.size());
    for (int i = 0; i < count; ++i) {
        const ChartPoint &point = series.points[std::size_t(i)];
        const QRectF bar
            = barRect(plot, slots, {count, i, series.BarWidthPercent, series.OffsetPercent},
                      point.value, axisTop);
        painter.setPen(Qt::black);
        painter.setBrush(colorFromBgr(point.color));
        if (bar.width() > 0.0 && bar.height() > 0.0)
            painter.drawRect(bar);
        if (series.Marks.Visible)
            drawMark(painter, series, bar, point.value);
    }
}

// The series' bars share the category slots; the one reaching farthest from a
// slot's centre decides how much room the outer slots need.
double widestBarExtent(const TChart &chart)
{
    double extent = 0.0;
    for (const ChartSeries &series : chart.series)
        extent = std::max(extent, barHalfExtent(series.BarWidthPercent, series.OffsetPercent));
    return extent;
}

} // namespace

void drawChart(QPainter &painter, const TChart &chart)
{
    painter.save();
    const QRectF whole(QPointF(0, 0), QSizeF(ChartSize));
    painter.fillRect(whole, Qt::white);
    QRectF free = whole.adjusted(MarginX, MarginY, -MarginX, -MarginY);

    const double titleHeight = QFontMetricsF(titleFont(), painter.device()).height() + Gap;
    const double smallHeight = QFontMetricsF(smallFont(), painter.device()).height() + Gap;
    drawCentredText(painter, takeTop(free, titleHeight), titleFont(), Qt::blue, chart.Title);
    if (!chart.Foot.isEmpty())
        drawCentredText(painter, takeBottom(free, smallHeight), smallFont(), Qt::blue, chart.Foot);
    drawLegend(painter, chart, takeBottom(free, smallHeight + Gap));

    const AxisTicks ticks = axisTicks(chart.LeftAxis.Maximum, chart.LeftAxis.Increment);
    const double labelWidth = axisLabelWidth(painter, ticks, chart.LeftAxis.AxisValuesFormat);
    // The plot's width places the categories, whose labels then say how much
    // height they need under it.
    const double plotLeft = free.left() + labelWidth + TickLength + 2.0;
    const double plotRight = free.right() - Gap;
    const int pointCount = int(chart.series.front().points.size());
    const QRectF slotsAcross = categorySlots(QRectF(plotLeft, 0, plotRight - plotLeft, 1),
                                             pointCount, widestBarExtent(chart));
    const std::vector<CategoryLabel> labels = categoryLabels(painter, chart, slotsAcross);
    const double lineHeight = QFontMetricsF(smallFont(), painter.device()).height();
    const QRectF categoryBand = takeBottom(free, categoryLabelLines(labels) * lineHeight + Gap);
    // Room above the plot for the top tick's label and the marks of full bars.
    const double headroom = QFontMetricsF(axisFont(), painter.device()).height() / 2.0;
    const QRectF plot(QPointF(plotLeft, free.top() + headroom), QPointF(plotRight, free.bottom()));

    painter.setPen(Qt::NoPen);
    painter.fillRect(plot, WallColor);
    drawValueAxis(painter, plot, ticks, chart.LeftAxis.AxisValuesFormat);
    const QRectF slots = categorySlots(plot, pointCount, widestBarExtent(chart));
    drawCategoryLabels(painter, labels, categoryBand);
    for (const ChartSeries &series : chart.series)
        drawSeries(painter, series, plot, slots, ticks.top);
    painter.setPen(Qt::black);
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.restore();
}

} // namespace virelai
