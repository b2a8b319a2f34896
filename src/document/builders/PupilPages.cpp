#include "PupilPages.h"

#include "document/builders/BuildContext.h"
#include "document/builders/PagePrimitives.h"
#include "document/builders/PageSteps.h"
#include "document/builders/PageTexts.h"
#include "document/surface/Surface.h"

namespace virelai {

namespace {

// The left column: the caption, the header and the pupil list, in percent of
// the printable width.
constexpr double ListWidth = 38;

// Where the two columns start, in percent of the printable height.
struct PupilColumns
{
    double propositionY;
    double suggestionY;
    double captionY;
    double listY;
};

// Steps 1 to 14 of both pages: the heading, then the right-hand column.
// Returns the pupil list read from the clipboard.
QString startPage(BuildContext &context, const PupilColumns &columns, const QString &suggestion)
{
    Surface &VSPrinter1 = context.VSPrinter1;
    context.window.MajFenetre();
    const QString pupilList = context.clipboard.text();
    VSPrinter1.setPageOrientation(Surface::Landscape);
    VSPrinter1.setDocAction(Surface::NewDocument);
    writeHeading(context, ExplanationShown::IfNotEmpty);
    VSPrinter1.setLineSpacing(150);
    PlaceCurseur(VSPrinter1, 43, columns.propositionY);
    writeProposition(context);
    PlaceCurseur(VSPrinter1, 43, columns.suggestionY);
    VSPrinter1.setBlockRole(BlockRole::Suggestion);
    CadreBlanc(VSPrinter1, 57, 0, suggestion);
    VSPrinter1.setLineSpacing(100);
    return pupilList;
}

double listColumnWidth(const Surface &VSPrinter1)
{
    return printableArea(VSPrinter1).widthOf(ListWidth);
}

// The caption above the pupil list: underlined, 12 point, not bold, wrapped
// inside the list's column.
void writeCaption(BuildContext &context, double y)
{
    Surface &VSPrinter1 = context.VSPrinter1;
    VSPrinter1.setFontBold(false);
    VSPrinter1.setFontUnderline(true);
    VSPrinter1.setFontSize(12);
    PlaceCurseur(VSPrinter1, 0, y);
    VSPrinter1.setBlockRole(BlockRole::Caption);
    VSPrinter1.setParagraphText(context.request.Param3, listColumnWidth(VSPrinter1));
    VSPrinter1.setFontUnderline(false);
}

void placeList(Surface &VSPrinter1, double y,
               void (*cadre)(Surface &, double, double, const QString &), const QString &pupilList)
{
    PlaceCurseur(VSPrinter1, 0, y);
    VSPrinter1.setBlockRole(BlockRole::List);
    cadre(VSPrinter1, ListWidth, 0, pupilList);
}

} // namespace

void buildRevVitPage(BuildContext &context)
{
    const PupilColumns columns {30, 33, 30, 33};
    const AdviceTexts &texts = context.texts;
    const QString pupilList
        = startPage(context, columns, suggestionAndReminder(texts.Suggestion, texts.Rappel));
    writeCaption(context, columns.captionY);
    Surface &VSPrinter1 = context.VSPrinter1;
    VSPrinter1.setFontSize(context.request.TypeDoc == 6 ? 7 : 10);
    placeList(VSPrinter1, columns.listY, CadreGris, pupilList);
    finishDocument(context);
}

void buildCompGenePage(BuildContext &context)
{
    const PupilColumns columns {23, 26, 23, 30};
    const AdviceTexts &texts = context.texts;
    const QString pupilList
        = startPage(context, columns, suggestionThenReminder(texts.Suggestion, texts.Rappel));
    writeCaption(context, columns.captionY);
    Surface &VSPrinter1 = context.VSPrinter1;
    VSPrinter1.setFontSize(8);
    VSPrinter1.setBlockRole(BlockRole::ListHeader);
    VSPrinter1.setParagraphText(trimesterListHeader(), listColumnWidth(VSPrinter1));
    VSPrinter1.setFontSize(10);
    placeList(VSPrinter1, columns.listY, CadreBlanc, pupilList);
    finishDocument(context);
}

} // namespace virelai
