#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QtGlobal>

namespace virelai {

struct TChart;
class FileWriter;

// The parts of the request that shape the charts.
struct ChartRequest
{
    qint16 TypeDoc = 0;
    QString Param3;
    QString Param4;
    QString Param5;
};

// The metafile of each chart, by chart number.
using ChartPictures = QMap<int, QByteArray>;

struct MajDataGraphResult
{
    // The bytes of each chart whose picture this build wrote. The page plays these,
    // not the file read back: another copy of the program started at the same
    // moment may have written its own chart under the same name since.
    ChartPictures writtenPictures;
    QString erreur; // French, one line per cause; empty when all went well
    bool hasError() const { return !erreur.isEmpty(); }
};

// Reads the chart data of the clipboard text, fills TChart1 chart by chart and
// writes chart k to chartPictureFile(picturesDirectory, k). Data the format cannot
// carry writes no picture at all. Each chart is written on its own: a failed write
// keeps that chart's previous file, the other charts are still written, and the
// failures are reported together, one line per cause.
MajDataGraphResult MajDataGraph(const QString &clipboardText, const ChartRequest &request,
                                TChart &TChart1, const QString &picturesDirectory,
                                FileWriter &writer);

} // namespace virelai
