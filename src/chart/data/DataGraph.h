#pragma once

#include "common/Result.h"

#include <QString>
#include <QtGlobal>

#include <vector>

namespace virelai {

struct SerieBlock
{
    QString nomSerie;
    quint32 couleur = 0; // red + 256 * green + 65536 * blue
    std::vector<float> values; // nbPoint values
    std::vector<QString> labels; // nbPoint category labels
};

struct GraphBlock
{
    QString titreGraph;
    std::vector<SerieBlock> series; // nbSerie series
};

struct DataGraph
{
    qint16 nbGraph = 0;
    qint16 nbSerie = 0;
    qint16 nbPoint = 0;
    std::vector<GraphBlock> charts; // nbGraph charts
};

// Why the clipboard text gives no charts.
enum class DataGraphRefusal {
    TooLong,
    NotWhole,
    TooManyCharts,
    EmptyCharts,
    TooManySlots,
    BadColour,
};

// What the teacher is told, in French.
QString refusalText(DataGraphRefusal refusal);

using DataGraphReading = Result<DataGraph, DataGraphRefusal>;

// Limits of what the exchanged format can carry.
inline constexpr int DataGraphSlots = 50;
inline constexpr int MaxCharts = 64;
inline constexpr qsizetype MaxChartTextLength = 32765;

// Reads the chart data the host puts on the clipboard.
DataGraphReading readDataGraph(const QString &text);

} // namespace virelai
