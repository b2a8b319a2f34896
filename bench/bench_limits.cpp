// The worst inputs the limits still accept, composed and written as PDF: a help
// file as large as it may be, a pupil list as long as the clipboard may hold,
// each written the costliest ways. scripts/bench-limits runs the same shapes
// through the whole program and gives their peak memory.
#include "app/ClipboardLimit.h"
#include "document/builders/CompleteDocument.h"
#include "document/builders/HelpFileReading.h"
#include "document/surface/Surface.h"
#include "document/surface/SurfaceOutput.h"

#include <benchmark/benchmark.h>

#include <QBuffer>

#include <array>

using namespace virelai;

namespace {

struct Shape
{
    const char *head;
    const char *unit;
    const char *tail;
};

// A help file: the text written as RTF, or as plain lines.
constexpr std::array HelpShapes {
    Shape {"{\\rtf1\\ansi ", "Le ma\\'eetre propose un atelier de lecture. ", "}"},
    Shape {"{\\rtf1 ", "a\\par ", "}"},
    Shape {"{\\rtf1 ", "\\par ", "}"},
    Shape {"{\\rtf1\\fs3276 ", "a\\par ", "}"},
    Shape {"{\\rtf1\\sb31680\\sa31680\\sl31680 ", "a\\par ", "}"},
    Shape {"{\\rtf1 ", "\\trowd\\cellx500\\cellx1000\\pard\\intbl a\\cell b\\cell\\row ", "}"},
    Shape {"", "\n", ""},
};

// A pupil list: lines of pupils, lines of one letter, empty lines, RTF at the
// largest font, RTF table rows.
constexpr std::array ListShapes {
    Shape {"", "X     X  BERNARD Chlo\xc3\xa9\r\n", ""},
    Shape {"", "a\n", ""},
    Shape {"", "\n", ""},
    Shape {"{\\fs3276 ", "a\\par ", "}"},
    Shape {"{", "\\trowd\\cellx500\\cellx1000\\pard\\intbl a\\cell b\\cell\\row ", "}"},
};

QByteArray filled(const Shape &shape, qsizetype size)
{
    const QByteArray head(shape.head);
    const QByteArray unit(shape.unit);
    const QByteArray tail(shape.tail);
    return head + unit.repeated((size - head.size() - tail.size()) / unit.size()) + tail;
}

void writePdf(benchmark::State &state, const Surface &surface)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    if (!writeDocumentPdf(*surface.shownDocument(), pdf))
        state.SkipWithError("PDF not written");
    state.counters["pages"] = surface.pageCount();
}

void BM_WorstHelpFile(benchmark::State &state)
{
    const QByteArray bytes = filled(HelpShapes[size_t(state.range(0))], MaxHelpFileBytes);
    for (auto _ : state) {
        Surface surface;
        showCompleteDocument(surface, bytes);
        writePdf(state, surface);
    }
}
BENCHMARK(BM_WorstHelpFile)
    ->DenseRange(0, int(HelpShapes.size()) - 1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// In the pupil-list column of a landscape page, 7 point as type 6 writes it.
void BM_WorstPupilList(benchmark::State &state)
{
    const QString text
        = QString::fromUtf8(filled(ListShapes[size_t(state.range(0))], LargestClipboardText));
    for (auto _ : state) {
        Surface surface;
        surface.setPageOrientation(Surface::Landscape);
        surface.setFooterText(QStringLiteral("{\\qc Page %d\\par}"));
        surface.setDocAction(Surface::NewDocument);
        surface.setFontSize(7);
        surface.TextBox(text, surface.CurrentX(), surface.CurrentY(),
                        0.38 * (surface.PageWidth() - surface.MarginLeft() - surface.MarginRight()),
                        0, Surface::TextBoxOption::Wrap | Surface::TextBoxOption::Shaded);
        surface.setDocAction(Surface::EndDocument);
        writePdf(state, surface);
    }
}
BENCHMARK(BM_WorstPupilList)
    ->DenseRange(0, int(ListShapes.size()) - 1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace
