#include "chart/MajDataGraph.h"
#include "chart/TChart.h"
#include "chart/files/AtomicFileWriter.h"
#include "chart/metafile/ChartMetafile.h"
#include "document/metafile/MetafilePicture.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QImage>
#include <QPainter>

namespace {

QByteArray sample(const char *name)
{
    QFile file(QStringLiteral(VIRELAI_TESTDATA_DIR "/wmf/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const char *const samples[] = {"fjftest.wmf", "formula3.wmf", "test_libuemf_ref.wmf"};

// The first chart of a class-average page, as the program writes it.
QByteArray chartPictureBytes()
{
    class KeepFirst : public virelai::FileWriter
    {
    public:
        std::optional<virelai::WriteFailure> writeWhole(const QString &,
                                                        const QByteArray &bytes) override
        {
            if (first.isEmpty())
                first = bytes;
            return std::nullopt;
        }
        QByteArray first;
    } keep;
    virelai::TChart chart;
    const QString data = QStringLiteral(
        "1|2|4{Textes narratifs}{Classe}{2.8,3.1,2.4,3.5}{0,102,204}{Compréhension,Inférences,"
        "Vocabulaire,Cohérence}{National}{3.0,2.9,2.7,3.2}{204,0,0}{Compréhension,Inférences,"
        "Vocabulaire,Cohérence}");
    virelai::MajDataGraph(data, {1, "", "", ""}, chart, "/x/", keep);
    return keep.first;
}

} // namespace

// Reading: header, records and bitmaps decoded once.
static void BM_MetafileRead(benchmark::State &state)
{
    const QByteArray bytes = sample(samples[state.range(0)]);
    for (auto _ : state)
        benchmark::DoNotOptimize(virelai::metafilePictureFromBytes(bytes));
    state.SetLabel(samples[state.range(0)]);
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_MetafileRead)->DenseRange(0, 2);

// Drawing a loaded picture into an A5-sized area at 96 dpi.
static void BM_MetafileDraw(benchmark::State &state)
{
    const auto picture = virelai::metafilePictureFromBytes(sample(samples[state.range(0)]));
    QImage image(560, 400, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        if (picture)
            picture->draw(painter, QRectF(0, 0, 560, 400));
    }
    state.SetLabel(samples[state.range(0)]);
}
BENCHMARK(BM_MetafileDraw)->DenseRange(0, 2);

// A chart picture of our own: read, then drawn at its size on the page at 96 dpi.
static void BM_ChartPictureReadAndDraw(benchmark::State &state)
{
    const QByteArray bytes = chartPictureBytes();
    QImage image(180, 150, QImage::Format_RGB32);
    for (auto _ : state) {
        const auto picture = virelai::metafilePictureFromBytes(bytes);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        if (picture)
            picture->draw(painter, QRectF(0, 0, 180, 150));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ChartPictureReadAndDraw);
