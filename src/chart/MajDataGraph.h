#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QtGlobal>

#include <optional>

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

// A chart picture this build could not write.
struct PictureFailure
{
    QString path;
    QString cause; // in French
};

// Why charts are missing from the page: the data refused, else the pictures
// that could not be written.
struct ChartFailure
{
    std::optional<QString> dataRefusal; // in French; nothing when the data was read
    QList<PictureFailure> pictures;
};

// What the teacher is told: the data's refusal, or one line per cause naming
// every picture it struck (a folder that cannot be written is told once, not
// once per chart).
QString failureText(const ChartFailure &failure);

struct MajDataGraphResult
{
    // The bytes of each chart whose picture this build wrote. The page plays these,
    // not the file read back: another copy of the program started at the same
    // moment may have written its own chart under the same name since.
    ChartPictures writtenPictures;
    std::optional<ChartFailure> failure; // nothing when every chart was written
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
