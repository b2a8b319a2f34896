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
