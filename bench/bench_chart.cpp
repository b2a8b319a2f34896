#include "chart/MajDataGraph.h"
#include "chart/TChart.h"
#include "chart/data/DataGraph.h"
#include "chart/drawing/ChartPainter.h"
#include "chart/files/AtomicFileWriter.h"
#include "chart/metafile/ChartMetafile.h"
#include "document/metafile/MetafilePicture.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

namespace {

const QString TypeOneData = QStringLiteral(
    "3|2|3{Moyenne de la classe}{Classe}{2.5,3.1,1.8}{0,0,255}{Lecture,Compréhension,Vitesse}"
    "{Moyenne nationale}{2.9,2.7,2.2}{255,0,0}{Lecture,Compréhension,Vitesse}"
    "{Élèves}{Classe}{1,2,3}{0,128,0}{a,b,c}{Nationale}{3,2,1}{128,0,0}{a,b,c}"
    "{Troisième}{Classe}{4,4,4}{0,0,0}{x,y,z}{Nationale}{1,1,1}{255,255,255}{x,y,z}");

virelai::TChart typeOneChart()
{
    virelai::TChart chart;
    class Discard : public virelai::FileWriter
    {
        std::optional<virelai::WriteFailure> writeWhole(const QString &,
                                                        const QByteArray &) override
        {
            return std::nullopt;
        }
    } discard;
    virelai::MajDataGraph(TypeOneData, {1, "", "", ""}, chart, "/x/", discard);
    return chart;
}

} // namespace

static void BM_ReadDataGraph(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(virelai::readDataGraph(TypeOneData));
}
BENCHMARK(BM_ReadDataGraph);

static void BM_DrawChartToImage(benchmark::State &state)
{
    const virelai::TChart chart = typeOneChart();
    QImage image(virelai::ChartSize, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        virelai::drawChart(painter, chart);
    }
}
BENCHMARK(BM_DrawChartToImage);

static void BM_ChartMetafile(benchmark::State &state)
{
    const virelai::TChart chart = typeOneChart();
    for (auto _ : state)
        benchmark::DoNotOptimize(virelai::chartMetafile(chart));
}
BENCHMARK(BM_ChartMetafile);

// The whole build of a type-1 document's charts: read, draw, record, write three files.
static void BM_MajDataGraphThreeFiles(benchmark::State &state)
{
    QTemporaryDir directory;
    virelai::AtomicFileWriter writer;
    virelai::TChart chart;
    for (auto _ : state)
        virelai::MajDataGraph(TypeOneData, {1, "", "", ""}, chart, directory.path() + u'/', writer);
}
BENCHMARK(BM_MajDataGraphThreeFiles)->Unit(benchmark::kMillisecond);

// One chart as a build handles it: recorded as a metafile, put in place on disk,
// then loaded back for the page.
static void BM_ChartWriteAndReadBack(benchmark::State &state)
{
    const virelai::TChart chart = typeOneChart();
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("mychart1.wmf"));
    virelai::AtomicFileWriter writer;
    for (auto _ : state) {
        if (const auto failure = writer.writeWhole(path, *virelai::chartMetafile(chart))) {
            state.SkipWithError(qPrintable(failure->cause));
            break;
        }
        benchmark::DoNotOptimize(virelai::loadMetafilePicture(path));
    }
}
BENCHMARK(BM_ChartWriteAndReadBack)->Unit(benchmark::kMillisecond);

// Putting the bytes of one chart in place, alone.
static void BM_ChartFileWrite(benchmark::State &state)
{
    const QByteArray bytes = *virelai::chartMetafile(typeOneChart());
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("mychart1.wmf"));
    virelai::AtomicFileWriter writer;
    for (auto _ : state)
        benchmark::DoNotOptimize(writer.writeWhole(path, bytes));
}
BENCHMARK(BM_ChartFileWrite)->Unit(benchmark::kMillisecond);
