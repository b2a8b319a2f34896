#include "PageSteps.h"

#include "document/builders/BuildContext.h"
#include "document/builders/Clock.h"
#include "document/builders/PagePrimitives.h"
#include "document/builders/PageTexts.h"
#include "document/builders/WrittenChart.h"
#include "document/surface/Surface.h"

namespace virelai {

namespace {

constexpr quint32 DarkRed = 192;

} // namespace

void writeHeading(BuildContext &context, ExplanationShown shown)
{
    Surface &VSPrinter1 = context.VSPrinter1;
    VSPrinter1.setBlockRole(BlockRole::Heading);
    VSPrinter1.setRichText(headingBlock(context.texts.Titre));
    if (shown == ExplanationShown::Always || !context.texts.Explication.isEmpty()) {
        VSPrinter1.setBlockRole(BlockRole::ReadingHelp);
        VSPrinter1.setRichText(context.texts.Explication);
    }
}

void writeProposition(BuildContext &context)
{
    Surface &VSPrinter1 = context.VSPrinter1;
    VSPrinter1.setFontBold(true);
    VSPrinter1.setFontUnderline(true);
    const quint32 couleur = VSPrinter1.TextColor();
    VSPrinter1.setTextColor(DarkRed);
    VSPrinter1.setBlockRole(BlockRole::Proposition);
    VSPrinter1.setParagraphText(QStringLiteral("Proposition"));
    VSPrinter1.setTextColor(couleur);
}

void placeChart(BuildContext &context, const ChartPlacement &place,
                const ChartPictures &writtenPictures)
{
    if (!placeWrittenChart(context.VSPrinter1, place, writtenPictures, context.playPicture,
                           context.picturesDirectory))
        ++context.chartNoticesShown;
}

void finishDocument(BuildContext &context)
{
    Surface &VSPrinter1 = context.VSPrinter1;
    VSPrinter1.setFooterText(footerRtf(context.clock.now(), context.request.NumVersion));
    VSPrinter1.setDocAction(Surface::EndDocument);
    context.window.repaintWindow();
}

} // namespace virelai
