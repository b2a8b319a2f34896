#include "OuvreFicPages.h"

#include "document/builders/Clock.h"
#include "document/builders/CompleteDocument.h"
#include "document/builders/PageTexts.h"
#include "document/builders/WrittenChart.h"
#include "document/surface/Surface.h"

namespace virelai {

namespace {

bool explainedInBox(qint16 TypeDoc)
{
    return TypeDoc >= 2 && TypeDoc <= 4;
}

void placeExplanation(Surface &VSPrinter1, const StoredAdvice &advice)
{
    VSPrinter1.setBlockRole(BlockRole::ReadingHelp);
    if (explainedInBox(advice.TypeDoc)) {
        PlaceCurseur(VSPrinter1, 35, 15);
        CadreBlanc(VSPrinter1, 65, 25, advice.texts.Explication);
        PlaceCurseur(VSPrinter1, 0, 15);
    } else {
        VSPrinter1.setRichText(advice.texts.Explication);
    }
}

void placeBoxes(Surface &VSPrinter1, const AdviceTexts &texts)
{
    VSPrinter1.setLineSpacing(150);
    PlaceCurseur(VSPrinter1, 0, 55);
    VSPrinter1.setBlockRole(BlockRole::Suggestion);
    CadreBlanc(VSPrinter1, 100, 15, texts.Suggestion);
    VSPrinter1.setLineSpacing(100);
    PlaceCurseur(VSPrinter1, 0, 77);
    if (!texts.Rappel.isEmpty()) {
        VSPrinter1.setBlockRole(BlockRole::Reminder);
        CadreGris(VSPrinter1, 100, 15, texts.Rappel);
    }
}

void placeCharts(Surface &VSPrinter1, const StoredAdvice &advice)
{
    for (int n = 1; n <= 3; ++n) {
        const ChartPlacement place {(n - 1) * 33.0, 24, 32, 23, n};
        placeWrittenChart(VSPrinter1, place, advice.writtenPictures, advice.playPicture,
                          advice.picturesDirectory);
    }
}

} // namespace

QString headingBlockWithoutColour(const QString &Titre)
{
    return QStringLiteral("{\\fs36\\b\\qc {") + Titre + QStringLiteral("}\\par\\par }");
}

void recomposeAdvice(Surface &VSPrinter1, const StoredAdvice &advice)
{
    VSPrinter1.setDocAction(Surface::NewDocument);
    VSPrinter1.setBlockRole(BlockRole::Heading);
    VSPrinter1.setRichText(headingBlockWithoutColour(advice.texts.Titre));
    placeExplanation(VSPrinter1, advice);
    placeBoxes(VSPrinter1, advice.texts);
    placeCharts(VSPrinter1, advice);
    VSPrinter1.setFooterText(footerRtf(advice.clock.now(), advice.NumVersion));
    VSPrinter1.setDocAction(Surface::EndDocument);
}

bool showStoredDocument(Surface &VSPrinter1, const QString &path, const HelpFileReader &read)
{
    const std::optional<QByteArray> bytes = read(path);
    if (!bytes)
        return false;
    showCompleteDocument(VSPrinter1, *bytes);
    return true;
}

} // namespace virelai
