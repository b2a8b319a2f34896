#include "common/NumericReading.h"

#include <benchmark/benchmark.h>

#include <QString>

static void BM_Val(benchmark::State &state)
{
    const QString text = QStringLiteral(" 12 345.678e-2 kg");
    for (auto _ : state)
        benchmark::DoNotOptimize(virelai::Val(text));
}
BENCHMARK(BM_Val);
