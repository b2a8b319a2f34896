#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

namespace virelai {

struct TChart;
class PictureFileWriter;

// The parts of the request that shape the charts.
struct ChartRequest
{
    qint16 TypeDoc = 0;
    QString Param3;
    QString Param4;
    QString Param5;
};

struct MajDataGraphResult
{
    QList<int> writtenCharts; // chart numbers whose picture this build wrote
    QString erreur; // one French message; empty when all went well
    bool hasError() const { return !erreur.isEmpty(); }
};

// Reads the chart data of the clipboard text, fills TChart1 chart by chart and
// writes chart k to chartPictureFile(picturesDirectory, k). Data the format cannot
// carry writes no picture at all; a failed write keeps the previous picture, stops
// the build and is reported once.
MajDataGraphResult MajDataGraph(const QString &clipboardText, const ChartRequest &request,
                                TChart &TChart1, const QString &picturesDirectory,
                                PictureFileWriter &writer);

} // namespace virelai
