// Composing a full advice page on the surface, and writing it as PDF.
#include "document/builders/PagePrimitives.h"
#include "document/surface/PagePicture.h"
#include "document/surface/Surface.h"

#include <benchmark/benchmark.h>

#include <QPainter>
#include <QTemporaryDir>

using namespace virelai;

namespace {

class FramePicture : public PagePicture
{
public:
    void draw(QPainter &painter, const QRectF &target) const override
    {
        painter.drawRect(target);
        painter.drawLine(target.topLeft(), target.bottomRight());
    }
};

QString suggestionText()
{
    QString rtf = QStringLiteral("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}");
    for (int i = 0; i < 12; ++i)
        rtf += QStringLiteral("{\\b Lire chaque jour} un texte court, en parler ensemble et "
                              "relever les mots qui posent probl\\'e8me.\\par ");
    return rtf + QLatin1Char('}');
}

void composePage(Surface &surface, const QString &suggestion)
{
    const auto picture = std::make_shared<FramePicture>();
    const PictureLoader charts = [&](const QString &) {
        return picture;
    };
    surface.setPageOrientation(Surface::Portrait);
    surface.setDocAction(Surface::NewDocument);
    surface.setRichText(QStringLiteral(
        "{\\colortbl ;\\red0\\green0\\blue255;}{\\cf1\\fs36\\b\\qc {\\fs40 Moyenne de la "
        "classe\\par\\cf0\\fs36 Suggestions P\\'e9dagogiques}\\par\\par }"));
    surface.setRichText(
        QStringLiteral("{\\b0 Le graphique compare la classe au niveau national.}"));
    surface.setLineSpacing(150);
    PlaceCurseur(surface, 0, 50);
    surface.setTextColor(192);
    surface.setParagraphText(QStringLiteral("Proposition"));
    surface.setTextColor(0);
    PlaceCurseur(surface, 0, 55);
    CadreBlanc(surface, 100, 0, suggestion);
    surface.setLineSpacing(100);
    PlaceCurseur(surface, 0, 77);
    CadreGris(surface, 100, 0, QStringLiteral("{\\i Rappel : relire la consigne.}"));
    for (int n = 1; n <= 3; ++n)
        PlaceImage(surface, 33 * (n - 1), 20, 32, 23, n, QStringLiteral("/d/"), charts);
    surface.setFooterText(QStringLiteral("{\\b\\qc {-%d-}\\par}{\\fs16\\ql Suggestions du jour}"));
    surface.setDocAction(Surface::EndDocument);
}

void BM_ComposeAdvicePage(benchmark::State &state)
{
    Surface surface;
    const QString suggestion = suggestionText();
    for (auto _ : state)
        composePage(surface, suggestion);
}
BENCHMARK(BM_ComposeAdvicePage)->Unit(benchmark::kMillisecond);

void BM_WriteAdvicePagePdf(benchmark::State &state)
{
    Surface surface;
    composePage(surface, suggestionText());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.pdf"));
    for (auto _ : state)
        benchmark::DoNotOptimize(surface.writePdf(path));
}
BENCHMARK(BM_WriteAdvicePagePdf)->Unit(benchmark::kMillisecond);

void BM_RenderAdvicePageImage(benchmark::State &state)
{
    Surface surface;
    composePage(surface, suggestionText());
    for (auto _ : state)
        benchmark::DoNotOptimize(surface.renderPageImage(0, 96));
}
BENCHMARK(BM_RenderAdvicePageImage)->Unit(benchmark::kMillisecond);

// Texts that once made the layout hang: empty paragraphs whose heights pile up.
QString emptyParagraphsText(int which)
{
    switch (which) {
    case 0: // a hundred bytes of widely spaced empty paragraphs
        return QStringLiteral("{\\rtf1\\sb31680\\sa31680") + QStringLiteral("\\par").repeated(20)
            + QLatin1Char('}');
    case 1: // a pupil list of empty lines
        return QString(40000, QLatin1Char('\n'));
    default: // a help file of empty paragraphs
        return QStringLiteral("{\\rtf1 ") + QStringLiteral("\\par").repeated(30400)
            + QLatin1Char('}');
    }
}

// The first argument picks the text, the second its road: 0 written from the top
// of the page as a help file is, 1 in a box as a pupil list is.
void BM_ComposeEmptyParagraphs(benchmark::State &state)
{
    Surface surface;
    const QString text = emptyParagraphsText(int(state.range(0)));
    const bool asList = state.range(1) != 0;
    for (auto _ : state) {
        surface.setDocAction(Surface::NewDocument);
        if (asList)
            surface.TextBox(text, surface.CurrentX(), surface.CurrentY(), 5000, 0,
                            Surface::TextBoxOption::Wrap | Surface::TextBoxOption::Shaded);
        else
            surface.setRichText(text);
        surface.setDocAction(Surface::EndDocument);
    }
}
BENCHMARK(BM_ComposeEmptyParagraphs)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

} // namespace
