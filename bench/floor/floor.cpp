// The floor of the whole-process benchmark: the least a Qt program does to lay
// out one page of rich text and write it as PDF. Virelai's own runs are
// measured against it on the same machine.
//   virelai_floor OUTPUT.pdf
#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>

namespace {

// About as much text as an advice page: a heading, a reading help, a
// suggestion and a reminder.
QString pageHtml()
{
    QString html = QStringLiteral(
        "<p align=center style='font-family:Arial;font-size:18pt;color:#0000ff'><b>Moyenne de "
        "la classe<br>Suggestions pédagogiques</b></p>"
        "<p style='font-family:Arial;font-size:12pt'>Le graphique compare les résultats de la "
        "classe aux résultats nationaux, domaine par domaine.</p>"
        "<p style='color:#c00000'><b><u>Proposition</u></b></p>");
    for (int i = 0; i < 8; ++i)
        html += QStringLiteral(
            "<p style='font-family:Arial;font-size:12pt'>Les élèves réussissent mieux en "
            "<i>textes narratifs</i> qu'en <i>textes documentaires</i> : on gagnera à "
            "articuler les exercices méthodiques du <b>Guide de perfectionnement</b> avec les "
            "projets en cours dans la classe.</p>");
    return html
        + QStringLiteral("<p style='background:#e0e0e0'><i>Rappel : pour améliorer les "
                         "performances des élèves, il est conseillé de mettre en oeuvre à la "
                         "fois des pratiques culturelles régulières et des entraînements "
                         "méthodiques.</i></p>");
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: virelai_floor OUTPUT.pdf\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
    writer.setResolution(1200);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    // Laid out once, straight at the writer's resolution, and drawn: no copy
    // of the document, as QTextDocument::print would make.
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&writer);
    document.setHtml(pageHtml());
    document.setTextWidth(writer.width());
    QPainter painter(&writer);
    document.drawContents(&painter);
    return painter.end() ? 0 : 1;
}
