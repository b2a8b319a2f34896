// The command line as the host passes it: options, then the request text, then
// InitAppli with the rest of the input as the clipboard. The input is UTF-8; up
// to the first NUL it holds the arguments, one per line, and after it the
// clipboard text. Nothing is drawn: the builders only record their calls.
#include "advice/BusyPointer.h"
#include "advice/DocumentBuilders.h"
#include "advice/InitAppli.h"
#include "app/ProgramOptions.h"
#include "app/RequestDecoder.h"
#include "common/AdviceTexts.h"
#include "common/ClipboardSource.h"
#include "common/RequestState.h"
#include "common/TextClipboard.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

using namespace virelai;

class CountingBuilders : public DocumentBuilders
{
public:
    int calls = 0;
    void AffMoyenne() override { ++calls; }
    void AffProfil() override { ++calls; }
    void AffRevVit() override { ++calls; }
    void AffCompGene() override { ++calls; }
    void AffTypeComp() override { ++calls; }
    void AffAide(const QString &) override { ++calls; }
};

class LastPointer : public BusyPointer
{
public:
    int last = Default;
    void setMousePointer(int MousePointer) override { last = MousePointer; }
};

// A refused request leaves the state as it was.
RequestState decodeOrKeep(const QString &S)
{
    RequestState state;
    state.TypeDoc = 7;
    state.Param6 = QStringLiteral("avant");
    const auto decoded = decodeCommandLine(S, state);
    return decoded ? decoded.value() : state;
}

void build(const RequestState &request, const QString &clipboardText)
{
    AdviceTexts texts;
    TextClipboard clipboard(clipboardText);
    CountingBuilders builders;
    LastPointer pointer;
    InitAppli(request, texts, clipboard, builders, pointer);
    const int expectedCalls = request.TypeDoc == 0 ? 0 : 1;
    if (builders.calls != expectedCalls || pointer.last != BusyPointer::Default)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype end = bytes.indexOf('\0');
    const QString commandLine = QString::fromUtf8(end < 0 ? bytes : bytes.first(end));
    const QString clipboardText = end < 0 ? QString() : QString::fromUtf8(bytes.sliced(end + 1));

    const auto options = parseProgramOptions(commandLine.split(u'\n'));
    if (!options)
        return 0;
    build(decodeOrKeep(options.value().request), clipboardText);
    return 0;
}
