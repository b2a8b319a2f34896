// Reading RTF into a QTextDocument, and laying the result out, measured apart.
#include "SampleRequests.h"
#include "advice/Catalogue.h"
#include "document/rtf/RtfReader.h"

#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <vector>

namespace {

struct NamedText
{
    QString name;
    QString rtf;
};

// Every advice text of the catalogue, as InitAppli hands it to the page.
std::vector<NamedText> catalogueTexts()
{
    using namespace virelai;
    std::vector<NamedText> texts;
    for (qint16 type = 1; type <= 10; ++type)
        texts.push_back({QStringLiteral("explication %1").arg(type), explication(type).toString()});
    texts.push_back({QStringLiteral("rappelA"), rappelA().toString()});
    texts.push_back({QStringLiteral("rappelB"), rappelB().toString()});
    for (qint16 caseNumber = 0; caseNumber <= 15; ++caseNumber)
        texts.push_back({QStringLiteral("moyenne %1").arg(caseNumber),
                         averageSuggestion(caseNumber).value_or(QStringView()).toString()});
    for (qint16 caseNumber = 1; caseNumber <= 19; ++caseNumber) {
        const auto profile = profileSuggestion(caseNumber);
        QString rtf = profile ? profile->text.toString() : QString();
        if (profile && profile->open)
            rtf += closingNote();
        texts.push_back({QStringLiteral("profil %1").arg(caseNumber), rtf});
    }
    for (qint16 caseNumber = 1; caseNumber <= 8; ++caseNumber)
        texts.push_back(
            {QStringLiteral("typecomp %1").arg(caseNumber),
             comprehensionTypeSuggestion(caseNumber).value_or(QStringView()).toString()});
    for (qint16 type = 5; type <= 6; ++type) {
        const WeaknessTexts weakness = weaknessTexts(type);
        texts.push_back({QStringLiteral("faiblesse %1").arg(type),
                         weakness.suggestion.toString() + weakness.reminder.toString()});
    }
    for (qint16 type = 7; type <= 9; ++type) {
        QString joined;
        for (QStringView part : domainTexts(type).parts)
            joined += part;
        texts.push_back({QStringLiteral("domaine %1").arg(type), joined});
    }
    return texts;
}

// The three longest texts of the catalogue, longest first.
const std::vector<NamedText> &longestTexts()
{
    static const std::vector<NamedText> longest = [] {
        std::vector<NamedText> texts = catalogueTexts();
        std::sort(texts.begin(), texts.end(), [](const NamedText &a, const NamedText &b) {
            return a.rtf.size() > b.rtf.size();
        });
        texts.resize(3);
        return texts;
    }();
    return longest;
}

// Help files of about one megabyte, as Windows-1252 bytes: 0 styles nearly
// every sentence (a bold heading, an italic phrase, a hanging indent in each
// paragraph), 1 repeats the body of the sample help file, styled by paragraph.
QByteArray helpFile(int kind)
{
    QByteArray header = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman Times New "
                        "Roman;}{\\f1\\fswiss Arial;}}{\\colortbl ;\\red0\\green0\\blue255;\\red192"
                        "\\green0\\blue0;}\\viewkind4\\uc1\\pard\\f0\\fs24 ";
    QByteArray body
        = "{\\b\\cf1\\f1 Aide\\par}\\pard\\fi-360\\li720\\tx720 Les r\\'e9sultats de "
          "la classe sont compar\\'e9s aux r\\'e9sultats nationaux ; {\\i les \\'e9carts} "
          "sont \\'e0 appr\\'e9cier avec prudence.\\tab Voir le guide.\\par\\pard ";
    if (kind == 1) {
        const QByteArray sample = virelai::bench::sampleBytes(QStringLiteral("aide.rtf"));
        const qsizetype start = sample.indexOf("\\f0\\fs20");
        body = sample.mid(start, sample.lastIndexOf('}') - start);
    }
    QByteArray file = header;
    while (file.size() < 1024 * 1024)
        file += body;
    return file + '}';
}

const char *const helpFileKinds[] = {"styled sentences", "sample help file"};

// Into a document like the page's own: nobody edits it, so it keeps no undo history.
void readOnce(const QString &rtf, QTextDocument &document)
{
    document.setUndoRedoEnabled(false);
    QTextCursor cursor(&document);
    benchmark::DoNotOptimize(virelai::readRtf(rtf, cursor));
}

void readRepeatedly(benchmark::State &state, const QString &rtf)
{
    for (auto _ : state) {
        QTextDocument document;
        readOnce(rtf, document);
        benchmark::DoNotOptimize(document.characterCount());
    }
    // One character of RTF is one byte of the file it comes from.
    state.SetBytesProcessed(int64_t(state.iterations()) * rtf.size());
}

void layOutRepeatedly(benchmark::State &state, const QString &rtf)
{
    for (auto _ : state) {
        state.PauseTiming();
        QTextDocument document;
        readOnce(rtf, document);
        state.ResumeTiming();
        document.setTextWidth(600);
        benchmark::DoNotOptimize(document.documentLayout()->documentSize());
    }
}

void BM_RtfReadCatalogueText(benchmark::State &state)
{
    const NamedText &text = longestTexts()[std::size_t(state.range(0))];
    readRepeatedly(state, text.rtf);
    state.SetLabel(text.name.toStdString());
}
BENCHMARK(BM_RtfReadCatalogueText)->DenseRange(0, 2);

// A help file as the help page reads it: the bytes decoded, then read.
void BM_RtfReadHelpFile1MB(benchmark::State &state)
{
    const QByteArray bytes = helpFile(int(state.range(0)));
    for (auto _ : state) {
        QTextDocument document;
        readOnce(virelai::decodeWindows1252(bytes), document);
        benchmark::DoNotOptimize(document.characterCount());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
    state.SetLabel(helpFileKinds[state.range(0)]);
}
BENCHMARK(BM_RtfReadHelpFile1MB)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

void BM_RtfLayoutCatalogueText(benchmark::State &state)
{
    layOutRepeatedly(state, longestTexts().front().rtf);
    state.SetLabel(longestTexts().front().name.toStdString());
}
BENCHMARK(BM_RtfLayoutCatalogueText);

void BM_RtfLayoutHelpFile1MB(benchmark::State &state)
{
    layOutRepeatedly(state, virelai::decodeWindows1252(helpFile(int(state.range(0)))));
    state.SetLabel(helpFileKinds[state.range(0)]);
}
BENCHMARK(BM_RtfLayoutHelpFile1MB)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

} // namespace
