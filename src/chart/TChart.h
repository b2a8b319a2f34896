#pragma once

#include <QString>
#include <QtGlobal>

#include <vector>

namespace virelai {

// One bar of a series: its value, its category label and its own colour (0x00BBGGRR).
struct ChartPoint
{
    double value = 0.0;
    QString label;
    quint32 color = 0;
};

struct ChartMarks
{
    bool Visible = true;
    int ArrowLength = 5;
    int fontPointSize = 12; // Arial bold; the form's 16-pixel height at 96 dpi
    quint32 fontColor = 0x000000;
};

// A bar series as the chart control holds it. A new series starts with these settings.
struct ChartSeries
{
    QString Title;
    quint32 SeriesColor = 0x0000FF; // clRed
    int BarWidthPercent = 90;
    int OffsetPercent = 0;
    ChartMarks Marks;
    std::vector<ChartPoint> points;
};

struct ChartAxis
{
    double Maximum = 4.0;
    double Increment = 1.0;
    QString AxisValuesFormat = QStringLiteral("##0.0");
};

// The category axis under the bars. A label that would come closer than
// LabelsSeparation percent of its own width to its neighbour is wrapped onto two
// lines, and left out when that is not enough.
struct ChartCategoryAxis
{
    int LabelsSeparation = 20;
};

// The persistent settings of the chart control TChart1. It is never reset: an axis
// maximum set for one chart stays for the next unless that chart sets its own.
struct TChart
{
    TChart();

    QString Title = QStringLiteral("TeeChart");
    QString Foot;
    ChartAxis LeftAxis;
    ChartCategoryAxis BottomAxis;
    std::vector<ChartSeries> series; // series[0] is Series0, never removed
};

} // namespace virelai
