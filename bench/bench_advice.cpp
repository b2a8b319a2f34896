// Decoding the host's request and choosing its advice, for every document type.
#include "SampleRequests.h"
#include "advice/DispatchRecorder.h"
#include "advice/InitAppli.h"
#include "app/RequestDecoder.h"

#include <benchmark/benchmark.h>

using namespace virelai;
using virelai::bench::sampleRequests;

namespace {

class NoPointer : public BusyPointer
{
public:
    void setMousePointer(int) override { }
};

void BM_DecodeCommandLine(benchmark::State &state)
{
    const auto &sample = sampleRequests[std::size_t(state.range(0))];
    const QString commandLine = QString::fromUtf8(sample.request);
    for (auto _ : state) {
        const auto decoded = decodeCommandLine(commandLine, RequestState());
        benchmark::DoNotOptimize(decoded.value().TypeDoc);
    }
    state.SetLabel(sample.name);
}
BENCHMARK(BM_DecodeCommandLine)->DenseRange(0, int(sampleRequests.size()) - 1);

// Decoding, then the advice texts chosen and the builder named (nothing built).
void BM_DecodeAndChooseAdvice(benchmark::State &state)
{
    const auto &sample = sampleRequests[std::size_t(state.range(0))];
    const QString commandLine = QString::fromUtf8(sample.request);
    const FileClipboard clipboard(bench::sampleClipboardText(sample));
    NoPointer pointer;
    for (auto _ : state) {
        const RequestState request = decodeCommandLine(commandLine, RequestState()).value();
        AdviceTexts texts;
        DispatchRecorder recorder;
        InitAppli(request, texts, clipboard, recorder, pointer);
        benchmark::DoNotOptimize(texts.Suggestion.size());
    }
    state.SetLabel(sample.name);
}
BENCHMARK(BM_DecodeAndChooseAdvice)->DenseRange(0, int(sampleRequests.size()) - 1);

} // namespace
