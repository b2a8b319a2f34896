#include "PageSteps.h"

#include "document/Module1.h"
#include "document/builders/BuildContext.h"
#include "document/builders/Clock.h"
#include "document/builders/MissingChartNotice.h"
#include "document/builders/PageTexts.h"
#include "document/surface/Surface.h"

namespace virelai {

namespace {

constexpr quint32 RougeFonce = 192;

} // namespace

void ecrireTitre(BuildContext &context, Explication explication)
{
    Surface &VSPrinter1 = context.VSPrinter1;
    VSPrinter1.setBlockRole(BlockRole::Heading);
    VSPrinter1.setRichText(blocTitre(context.texts.Titre));
    if (explication == Explication::Toujours || !context.texts.Explication.isEmpty()) {
        VSPrinter1.setBlockRole(BlockRole::ReadingHelp);
        VSPrinter1.setRichText(context.texts.Explication);
    }
}

void ecrireProposition(BuildContext &context)
{
    Surface &VSPrinter1 = context.VSPrinter1;
    VSPrinter1.setFontBold(true);
    VSPrinter1.setFontUnderline(true);
    const quint32 couleur = VSPrinter1.TextColor();
    VSPrinter1.setTextColor(RougeFonce);
    VSPrinter1.setBlockRole(BlockRole::Proposition);
    VSPrinter1.setParagraphText(QStringLiteral("Proposition"));
    VSPrinter1.setTextColor(couleur);
}

void placerGraphique(BuildContext &context, const ChartPlacement &place,
                     const ChartPictures &writtenPictures)
{
    // The bytes this build wrote under the picture's name, never the file read
    // back, which another copy of the program may have replaced since.
    const auto written = writtenPictures.constFind(place.n);
    std::shared_ptr<const PagePicture> picture;
    if (written != writtenPictures.cend() && context.playPicture)
        picture = context.playPicture(*written);
    if (!picture) {
        picture = std::make_shared<MissingChartNotice>();
        ++context.chartNoticesShown;
    }
    context.VSPrinter1.setBlockRole(BlockRole::Chart, place.n);
    PlaceImage(context.VSPrinter1, place.x, place.y, place.w, place.h, place.n,
               context.picturesDirectory, [&](const QString &) { return picture; });
}

void terminerDocument(BuildContext &context)
{
    Surface &VSPrinter1 = context.VSPrinter1;
    VSPrinter1.setFooterText(piedDePage(context.clock.now(), context.request.NumVersion));
    VSPrinter1.setDocAction(Surface::EndDocument);
    context.window.repaintWindow();
}

} // namespace virelai
