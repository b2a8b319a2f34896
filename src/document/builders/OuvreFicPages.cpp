#include "OuvreFicPages.h"

#include "document/builders/Clock.h"
#include "document/builders/DocumentComplet.h"
#include "document/builders/PageTexts.h"
#include "document/builders/WrittenChart.h"
#include "document/surface/Surface.h"

namespace virelai {

namespace {

bool expliqueDansUnCadre(qint16 TypeDoc)
{
    return TypeDoc >= 2 && TypeDoc <= 4;
}

void placerExplication(Surface &VSPrinter1, const ConseilARecomposer &conseil)
{
    VSPrinter1.setBlockRole(BlockRole::ReadingHelp);
    if (expliqueDansUnCadre(conseil.TypeDoc)) {
        PlaceCurseur(VSPrinter1, 35, 15);
        CadreBlanc(VSPrinter1, 65, 25, conseil.texts.Explication);
        PlaceCurseur(VSPrinter1, 0, 15);
    } else {
        VSPrinter1.setRichText(conseil.texts.Explication);
    }
}

void placerCadres(Surface &VSPrinter1, const AdviceTexts &texts)
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

void placerGraphiques(Surface &VSPrinter1, const ConseilARecomposer &conseil)
{
    for (int n = 1; n <= 3; ++n) {
        const ChartPlacement place {(n - 1) * 33.0, 24, 32, 23, n};
        placeWrittenChart(VSPrinter1, place, conseil.writtenPictures, conseil.playPicture,
                          conseil.picturesDirectory);
    }
}

} // namespace

QString blocTitreSansCouleur(const QString &Titre)
{
    return QStringLiteral("{\\fs36\\b\\qc {") + Titre + QStringLiteral("}\\par\\par }");
}

void recomposerConseil(Surface &VSPrinter1, const ConseilARecomposer &conseil)
{
    VSPrinter1.setDocAction(Surface::NewDocument);
    VSPrinter1.setBlockRole(BlockRole::Heading);
    VSPrinter1.setRichText(blocTitreSansCouleur(conseil.texts.Titre));
    placerExplication(VSPrinter1, conseil);
    placerCadres(VSPrinter1, conseil.texts);
    placerGraphiques(VSPrinter1, conseil);
    VSPrinter1.setFooterText(piedDePage(conseil.clock.now(), conseil.NumVersion));
    VSPrinter1.setDocAction(Surface::EndDocument);
}

bool montrerDocumentStocke(Surface &VSPrinter1, const QString &path, const HelpFileReader &read)
{
    const std::optional<QByteArray> bytes = read(path);
    if (!bytes)
        return false;
    montrerDocumentComplet(VSPrinter1, *bytes);
    return true;
}

} // namespace virelai
