// Every document type composed through the real builders, as the window does,
// with the clipboard in memory, no window and the chart files in a scratch
// directory; then the composed page written as PDF.
#include "SampleRequests.h"
#include "advice/BusyPointer.h"
#include "app/RequestDecoder.h"
#include "document/builders/Clock.h"
#include "document/builders/DocumentSession.h"
#include "document/surface/Surface.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

using namespace virelai;
using virelai::bench::sampleRequests;

namespace {

class NoWindow : public DocumentWindow
{
public:
    void MajFenetre() override { }
    void repaintWindow() override { }
};

// A message means the build failed: the figure would not be the document's.
class FailureMessages : public TeacherMessages
{
public:
    void MsgBox(const QString &Prompt, const QString &) override { failure = Prompt; }
    QString failure;
};

class NoPointer : public BusyPointer
{
public:
    void setMousePointer(int) override { }
};

// One program run's worth of state, built for a sample request.
class SampleBuild
{
public:
    explicit SampleBuild(const bench::SampleRequest &sample)
        : clipboard(bench::sampleClipboardText(sample))
        , clock(QDateTime(QDate(2026, 3, 2), QTime(10, 30)))
    {
        request.chemin = directory.path() + u'/';
        request.NumVersion = QStringLiteral("2.1.0");
        QFile::copy(bench::samplePath(QStringLiteral("aide.rtf")), request.chemin + "aide.rtf");
        request = decodeCommandLine(QString::fromUtf8(sample.request), request).value();
        session = std::make_unique<DocumentSession>(request, clipboard, surface, window, messages,
                                                    clock);
    }

    // Returns the failure told to the teacher, empty when the page was built.
    QString build()
    {
        session->buildDocument(pointer);
        return messages.failure;
    }

    Surface surface;
    QTemporaryDir directory;

private:
    RequestState request;
    FileClipboard clipboard;
    FixedClock clock;
    NoWindow window;
    FailureMessages messages;
    NoPointer pointer;
    std::unique_ptr<DocumentSession> session;
};

void BM_BuildDocument(benchmark::State &state)
{
    const auto &sample = sampleRequests[std::size_t(state.range(0))];
    SampleBuild build(sample);
    for (auto _ : state) {
        const QString failure = build.build();
        if (!failure.isEmpty()) {
            state.SkipWithError(qPrintable(failure));
            break;
        }
    }
    state.SetLabel(sample.name);
}
BENCHMARK(BM_BuildDocument)
    ->DenseRange(0, int(sampleRequests.size()) - 1)
    ->Unit(benchmark::kMillisecond);

void BM_WriteDocumentPdf(benchmark::State &state)
{
    const auto &sample = sampleRequests[std::size_t(state.range(0))];
    SampleBuild build(sample);
    if (const QString failure = build.build(); !failure.isEmpty()) {
        state.SkipWithError(qPrintable(failure));
        return;
    }
    const QString path = build.directory.filePath(QStringLiteral("page.pdf"));
    for (auto _ : state)
        benchmark::DoNotOptimize(build.surface.writePdf(path));
    state.SetLabel(sample.name);
}
BENCHMARK(BM_WriteDocumentPdf)
    ->DenseRange(0, int(sampleRequests.size()) - 1)
    ->Unit(benchmark::kMillisecond);

} // namespace
