#include "MajDataGraph.h"

#include "QBColor.h"
#include "TChart.h"
#include "common/ChartPictureFile.h"
#include "common/NumericReading.h"
#include "data/DataGraph.h"
#include "files/AtomicFileWriter.h"
#include "metafile/ChartMetafile.h"

#include <QList>
#include <QStringList>

#include <cmath>

namespace virelai {

namespace {

void fillSeries(ChartSeries &series, const SerieBlock &block, int m, const DataGraph &data,
                qint16 TypeDoc)
{
    series.points.clear();
    series.Title = block.nomSerie;
    series.SeriesColor = block.couleur;
    series.Marks.Visible = m == 2;
    if (m == 2) {
        series.Marks.fontPointSize = 12;
        series.Marks.fontColor = QBColor(1);
    }
    series.Marks.ArrowLength = 5;
    if (m == 2)
        series.BarWidthPercent = TypeDoc == 10 ? 40 : 25;
    else
        series.BarWidthPercent = TypeDoc == 10 ? 80 : 95;
    const quint32 pointColor = data.nbSerie == 2 ? block.couleur : QBColor(8);
    for (std::size_t p = 0; p < block.values.size(); ++p)
        series.points.push_back({double(block.values[p]), block.labels[p], pointColor});
}

void fillChart(TChart &TChart1, const DataGraph &data, const GraphBlock &chart, qint16 TypeDoc)
{
    TChart1.series.resize(1); // only Series0 stays
    TChart1.Title = chart.titreGraph;
    for (int m = 1; m <= int(chart.series.size()); ++m) {
        if (m > 1)
            TChart1.series.emplace_back();
        fillSeries(TChart1.series[std::size_t(m - 1)], chart.series[std::size_t(m - 1)], m, data,
                   TypeDoc);
    }
}

// The maximum is set before the increment, the format before both.
void setScale(ChartAxis &axis, const QString &maximum)
{
    axis.Maximum = Val(maximum);
    axis.Increment = std::floor(Val(maximum) / 4.0);
}

void applyTypeSettings(TChart &TChart1, const ChartRequest &request, int k)
{
    const qint16 type = request.TypeDoc;
    if (type == 2 || type == 3 || type == 4) {
        TChart1.LeftAxis.AxisValuesFormat = QStringLiteral("##0.0");
        setScale(TChart1.LeftAxis, request.Param3);
        return;
    }
    TChart1.LeftAxis.AxisValuesFormat = QStringLiteral("##0");
    if (type != 10)
        return;
    TChart1.Foot = request.Param5;
    if (k == 1)
        setScale(TChart1.LeftAxis, request.Param3);
    else if (k == 2)
        setScale(TChart1.LeftAxis, request.Param4);
}

} // namespace

QString failureText(const ChartFailure &failure)
{
    if (failure.dataRefusal)
        return *failure.dataRefusal;
    const QList<PictureFailure> &failures = failure.pictures;
    QStringList causes;
    for (const PictureFailure &failure : failures)
        if (!causes.contains(failure.cause))
            causes << failure.cause;
    QStringList lines;
    for (const QString &cause : causes) {
        QStringList paths;
        for (const PictureFailure &failure : failures)
            if (failure.cause == cause)
                paths << failure.path;
        const QString line = paths.size() == 1
            ? QStringLiteral("Impossible d'écrire le graphique %1 : %2")
            : QStringLiteral("Impossible d'écrire les graphiques %1 : %2");
        lines << line.arg(paths.join(QStringLiteral(", ")), cause);
    }
    return lines.join(u'\n');
}

MajDataGraphResult MajDataGraph(const QString &clipboardText, const ChartRequest &request,
                                TChart &TChart1, const QString &picturesDirectory,
                                FileWriter &writer)
{
    MajDataGraphResult result;
    const DataGraphReading reading = readDataGraph(clipboardText);
    if (!reading) {
        result.failure = ChartFailure {refusalText(reading.failure()), {}};
        return result;
    }
    const DataGraph &data = reading.value();
    QList<PictureFailure> failures;
    for (int k = 1; k <= data.nbGraph; ++k) {
        fillChart(TChart1, data, data.charts[std::size_t(k - 1)], request.TypeDoc);
        applyTypeSettings(TChart1, request, k);
        const std::optional<QByteArray> picture = chartMetafile(TChart1);
        const QString path = chartPictureFile(picturesDirectory, k);
        const std::optional<WriteFailure> notWritten = picture
            ? writer.writeWhole(path, *picture)
            : WriteFailure {QStringLiteral("le graphique n'a pas pu être dessiné")};
        if (notWritten)
            failures.append({path, notWritten->cause});
        else
            result.writtenPictures.insert(k, *picture);
    }
    if (!failures.isEmpty())
        result.failure = ChartFailure {std::nullopt, failures};
    return result;
}

} // namespace virelai
