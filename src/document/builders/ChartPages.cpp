#include "ChartPages.h"

#include "document/builders/BuildContext.h"
#include "document/builders/PagePrimitives.h"
#include "document/builders/PageSteps.h"
#include "document/surface/Surface.h"

namespace virelai {

void buildChartPage(BuildContext &context, const ChartPageLayout &page)
{
    Surface &VSPrinter1 = context.VSPrinter1;
    const AdviceTexts &texts = context.texts;
    context.window.MajFenetre();
    const MajDataGraphResult refreshed = context.charts.MajDataGraph();
    VSPrinter1.setPageOrientation(page.PageOrientation);
    VSPrinter1.setDocAction(Surface::NewDocument);
    writeHeading(context, ExplanationShown::Always);
    VSPrinter1.setLineSpacing(150);
    PlaceCurseur(VSPrinter1, page.propositionX, page.propositionY);
    writeProposition(context);
    PlaceCurseur(VSPrinter1, page.suggestionX, page.suggestionY);
    VSPrinter1.setBlockRole(BlockRole::Suggestion);
    CadreBlanc(VSPrinter1, page.suggestionW, 0, texts.Suggestion);
    VSPrinter1.setLineSpacing(100);
    PlaceCurseur(VSPrinter1, page.rappelX, page.rappelY);
    if (!texts.Rappel.isEmpty()) {
        VSPrinter1.setBlockRole(BlockRole::Reminder);
        CadreGris(VSPrinter1, page.rappelW, 0, texts.Rappel);
    }
    for (int i = 0; i < page.chartCount; ++i)
        placeChart(context, page.charts[std::size_t(i)], refreshed.writtenPictures);
    finishDocument(context);
    // Told once the page is on screen, so the teacher sees what is missing.
    if (refreshed.failure)
        context.messages.MsgBox(failureText(*refreshed.failure), QStringLiteral("Erreur"));
}

} // namespace virelai
