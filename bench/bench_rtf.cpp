// Reading RTF into a QTextDocument, and laying the result out, measured apart.
#include "document/rtf/RtfReader.h"

#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// The longest advice text: the three joined parts of a weak-domain suggestion.
QString longestAdviceText()
{
    return QStringLiteral(
               "{\\fs24 Les \u00e9l\u00e8ves marqu\u00e9s d'une croix ont des difficult\u00e9s "
               "partout. Voir alors les suggestions p\u00e9dagogiques de la partie \"El\u00e8ves "
               "faibles en compr\u00e9hension g\u00e9n\u00e9rale\". \\par\\par Pour les "
               "\u00e9l\u00e8ves "
               "dont les difficult\u00e9s sont sp\u00e9cifiques en recherche d'informations, "
               "plusieurs points sont \u00e0 consid\u00e9rer : \\par 1) Les supports "
               "concern\u00e9s "
               "ne sont pas toujours des textes, mais des documents multiformes, qui comportent "
               "mini-textes , parfois en encadr\u00e9 ; photos dessins, plans et graphiques ; "
               "listes ; tableaux ; titres et sous-titres.")
        + QStringLiteral("\\par 2) Parmi les exercices figurant dans le \"Guide de "
                         "perfectionnement\", on privil\u00e9giera {\\i \"Recherche "
                         "d'informations\"} bien entendu. \\par On gagnera \u00e0 articuler "
                         "quand on le peut ces exercices m\u00e9thodiques avec les projets en "
                         "cours dans la classe ; voir {\\i III Le perfectionnement en situation "
                         "de lecture authentique}")
        + QStringLiteral("\\par 3) Dans ses aides ponctuelles, le ma\u00eetre privil\u00e9giera "
                         "la prise de conscience des strat\u00e9gies \u00e0 mettre en \u0153uvre. "
                         "Voir la partie {\\i Recherche d'informations}, {\\b p 30}.}");
}

QString reminderText()
{
    return QStringLiteral(
        "{\\ul\\i Rappel\\par \\ulnone Pour am\\'e9liorer les performances des \\'e9l\\'e8ves , "
        "il est conseill\\'e9 de mettre en oeuvre \\'e0 la fois "
        "\\par\\pard{\\pntext\\f2\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf2\\pnindent360{\\pntxtb\\'B7}}"
        "\\nowidctlpar\\fi-720\\li1420\\tx360 des pratiques culturelles r\\'e9guli\\'e8res ;"
        "\\par{\\pntext\\f2\\'B7\\tab}des entra\\'eenements m\\'e9thodiques (Ateliers de "
        "questionnement de textes, Exercices sp\\'e9cifiques propos\\'e9s par le Guide de "
        "Perfectionnement ).\\par\\pard\\nowidctlpar On propose \\'e9ventuellement ci-dessus des "
        "domaines prioritaires ; cela ne signifie pas qu'on n\\'e9glige les autres.}");
}

// A help file of about one megabyte, as a word processor writes one.
QString generatedHelpFile()
{
    QString text = QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman "
                                  "Times New Roman;}{\\f1\\fswiss Arial;}}{\\colortbl ;\\red0"
                                  "\\green0\\blue255;}\\viewkind4\\uc1\\pard\\f0\\fs24 ");
    const QString paragraph = QStringLiteral(
        "{\\b\\cf1\\f1 Aide\\par}\\pard\\fi-360\\li720\\tx720 Les r\\'e9sultats de la classe "
        "sont compar\\'e9s aux r\\'e9sultats nationaux ; {\\i les \\'e9carts} sont \\'e0 "
        "appr\\'e9cier avec prudence.\\tab Voir le guide.\\par\\pard ");
    while (text.size() < 1024 * 1024)
        text += paragraph;
    return text + u'}';
}

void readOnce(const QString &rtf, QTextDocument &document)
{
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
    state.SetBytesProcessed(int64_t(state.iterations()) * rtf.size() * 2);
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

void BM_RtfReadAdviceText(benchmark::State &state)
{
    readRepeatedly(state, longestAdviceText());
}
BENCHMARK(BM_RtfReadAdviceText);

void BM_RtfReadReminder(benchmark::State &state)
{
    readRepeatedly(state, reminderText());
}
BENCHMARK(BM_RtfReadReminder);

void BM_RtfReadHelpFile1MB(benchmark::State &state)
{
    readRepeatedly(state, generatedHelpFile());
}
BENCHMARK(BM_RtfReadHelpFile1MB)->Unit(benchmark::kMillisecond);

void BM_RtfLayoutAdviceText(benchmark::State &state)
{
    layOutRepeatedly(state, longestAdviceText());
}
BENCHMARK(BM_RtfLayoutAdviceText);

void BM_RtfLayoutHelpFile1MB(benchmark::State &state)
{
    layOutRepeatedly(state, generatedHelpFile());
}
BENCHMARK(BM_RtfLayoutHelpFile1MB)->Unit(benchmark::kMillisecond);

} // namespace
