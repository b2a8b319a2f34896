#include "BuilderFakes.h"
#include "document/builders/OuvreFicPages.h"
#include "document/builders/PageBuilders.h"
#include "document/builders/PagePrimitives.h"
#include "document/builders/PageTexts.h"
#include "support/PageProbe.h"
#include "support/PdfText.h"

#include <QTest>

using namespace virelai;
using namespace virelai::testing;

namespace {

using Build = std::function<void(PageBuilders &)>;

bool boxGrey(const QColor &c)
{
    return c == QColor(224, 224, 224);
}

// The stored advice of the bench's texts recomposed, with the pictures the
// last build wrote.
void recompose(BuildBench &bench, qint16 TypeDoc, const QList<int> &written = {1, 2, 3})
{
    ChartPictures pictures;
    for (int n : written)
        pictures.insert(n, QByteArray::number(n));
    recomposeAdvice(bench.VSPrinter1,
                    {bench.texts, TypeDoc, QStringLiteral("2.1.0"), QStringLiteral("/images/"),
                     pictures,
                     [&](const QByteArray &bytes) {
                         bench.playedPictures << bytes;
                         return std::make_shared<GreenPicture>();
                     },
                     bench.clock});
}

} // namespace

Q_DECLARE_METATYPE(Build)

class PageBuildersTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void footerMoment_data();
    void footerMoment();
    void suggestionJoins_data();
    void suggestionJoins();
    void buildLeavesItsPage_data();
    void buildLeavesItsPage();
    void greyBoxGivesThePenBack();
    void aFailureKeepsThePreviousPage_data();
    void aFailureKeepsThePreviousPage();
    void helpPageShowsTheFileWhole();
    void recomposedAdviceBlocksStandWhereAsked_data();
    void recomposedAdviceBlocksStandWhereAsked();
    void recomposedLongTextsGrowTheirBoxes();
};

// The page texts as a whole are read back from the end-to-end PDFs; these are
// the cases those pages do not meet.
void PageBuildersTest::footerMoment_data()
{
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QString>("dateAndTime");
    // clang-format off
    QTest::newRow("evening, 24-hour clock") << QDateTime(QDate(2027, 1, 31), QTime(21, 47)) << QStringLiteral("31-01-2027 à 21:47");
    QTest::newRow("past year 9999 in local time, bounded") << QDateTime(QDate(10000, 1, 1), QTime(0, 30)) << QStringLiteral("31-12-9999 à 23:59");
    // clang-format on
}

void PageBuildersTest::footerMoment()
{
    QFETCH(QDateTime, moment);
    QFETCH(QString, dateAndTime);
    QVERIFY(footerRtf(moment, QStringLiteral("2.1.0")).contains(" du : " + dateAndTime + " \\par"));
}

void PageBuildersTest::suggestionJoins_data()
{
    QTest::addColumn<QString>("Suggestion");
    QTest::addColumn<QString>("Rappel");
    QTest::addColumn<QString>("generalWeakness");
    QTest::addColumn<QString>("byDomain");
    // clang-format off
    QTest::newRow("both")                 << "{S}" << "{R}" << "{S}\\par\\par {R}" << "{S}\\par\\par {R}";
    QTest::newRow("no reminder")          << "{S}" << ""    << "{S}"               << "{S}";
    QTest::newRow("reminder alone (CM2)") << ""    << "{R}" << "{R}"               << "\\par\\par {R}";
    QTest::newRow("neither")              << ""    << ""    << ""                  << "";
    // clang-format on
}

void PageBuildersTest::suggestionJoins()
{
    QFETCH(QString, Suggestion);
    QFETCH(QString, Rappel);
    QFETCH(QString, generalWeakness);
    QFETCH(QString, byDomain);
    QCOMPARE(suggestionAndReminder(Suggestion, Rappel), generalWeakness);
    QCOMPARE(suggestionThenReminder(Suggestion, Rappel), byDomain);
}

// Where the blocks stand is the page sweep's; this is what a build leaves behind.
void PageBuildersTest::buildLeavesItsPage_data()
{
    QTest::addColumn<Build>("build");
    QTest::addColumn<int>("TypeDoc");
    QTest::addColumn<bool>("landscape");
    // Where a grey box starts in the list column (-1: none, the list box is
    // white), and the font size a pupil page leaves (0: a chart page, no reset).
    QTest::addColumn<double>("greyListY");
    QTest::addColumn<double>("fontSizeAfter");
    // clang-format off
    QTest::newRow("class average") << Build([](PageBuilders &b) { b.AffMoyenne(); }) << 1 << false << -1.0 << 0.0;
    QTest::newRow("class profile") << Build([](PageBuilders &b) { b.AffProfil(); }) << 2 << false << -1.0 << 0.0;
    QTest::newRow("comprehension types") << Build([](PageBuilders &b) { b.AffTypeComp(); }) << 10 << true << -1.0 << 0.0;
    QTest::newRow("general comprehension") << Build([](PageBuilders &b) { b.AffRevVit(); }) << 5 << true << 33.0 << 10.0;
    QTest::newRow("reading speed, small list") << Build([](PageBuilders &b) { b.AffRevVit(); }) << 6 << true << 33.0 << 7.0;
    QTest::newRow("narrative texts, white list box") << Build([](PageBuilders &b) { b.AffCompGene(); }) << 7 << true << -1.0 << 10.0;
    QTest::newRow("information search") << Build([](PageBuilders &b) { b.AffCompGene(); }) << 9 << true << -1.0 << 10.0;
    // clang-format on
}

void PageBuildersTest::buildLeavesItsPage()
{
    QFETCH(Build, build);
    QFETCH(int, TypeDoc);
    QFETCH(bool, landscape);
    QFETCH(double, greyListY);
    QFETCH(double, fontSizeAfter);

    BuildBench bench;
    bench.request.TypeDoc = qint16(TypeDoc);
    bench.request.Param3 = QStringLiteral("Élèves repérés");
    bench.clipboard
        = TextClipboard(QStringLiteral("X  X     BERNARD Chloé\r\nX     X  DUBOIS Théo\r\n"));
    bench.texts.Explication.clear();
    bench.texts.Rappel.clear(); // and with it the grey box of the chart pages
    // The orientation asked for is the page's own, whatever the last one was.
    bench.VSPrinter1.setPageOrientation(landscape ? Surface::Portrait : Surface::Landscape);
    bench.VSPrinter1.setFontSize(14);
    PageBuilders builders(bench.context());
    build(builders);

    QCOMPARE(bench.window.layouts, 1);
    QCOMPARE(bench.window.repaints, 1);
    QCOMPARE(bench.charts.calls, TypeDoc <= 4 || TypeDoc == 10 ? 1 : 0);
    QVERIFY(bench.messages.prompts.isEmpty());
    const PageGeometry page = bench.VSPrinter1.shownDocument()->pageGeometry(0);
    QCOMPARE(page.size.width() > page.size.height(), landscape);
    QCOMPARE(bench.VSPrinter1.LineSpacing(), 100);
    const PageProbe probe(bench.VSPrinter1, 72);
    const int grey = probe.firstRow(boxGrey, 0, 38, 20);
    if (greyListY < 0)
        QCOMPARE(grey, -1);
    else
        QVERIFY2(grey >= probe.yOf(greyListY) && grey <= probe.yOf(greyListY) + 2,
                 qPrintable(QString::number(grey)));
    if (fontSizeAfter != 0) {
        QCOMPARE(bench.VSPrinter1.FontBold(), false);
        QCOMPARE(bench.VSPrinter1.FontUnderline(), false);
        QCOMPARE(bench.VSPrinter1.FontSize(), fontSizeAfter);
    }
}

// The grey box has no outline, and the next box has the pen it had before.
void PageBuildersTest::greyBoxGivesThePenBack()
{
    Surface surface;
    surface.setPenStyle(Surface::PenDot);
    surface.setDocAction(Surface::NewDocument);
    CadreGris(surface, 100, 10, QStringLiteral("rappel"));
    QCOMPARE(surface.PenStyle(), Surface::PenDot);
    surface.setDocAction(Surface::EndDocument);
    const PageProbe probe(surface, 144);
    const QRect topEdge(probe.xOf(10), probe.yOf(0) - 1, probe.xOf(90) - probe.xOf(10), 3);
    QVERIFY(countPixels(probe.image(), topEdge, boxGrey) > 0);
    QCOMPARE(countPixels(probe.image(), topEdge, isInk), 0);
}

// The page shown stays; the next build shows its own.
void PageBuildersTest::aFailureKeepsThePreviousPage_data()
{
    QTest::addColumn<Build>("failing");
    QTest::addColumn<bool>("chartsFail");
    QTest::addColumn<QString>("told");
    // clang-format off
    QTest::newRow("chart files not written") << Build([](PageBuilders &b) { b.AffProfil(); }) << true << "disque plein";
    QTest::newRow("help file missing") << Build([](PageBuilders &b) { b.AffAide("absent.rtf"); }) << false << "Impossible d'ouvrir le fichier /programme/absent.rtf";
    // clang-format on
}

void PageBuildersTest::aFailureKeepsThePreviousPage()
{
    QFETCH(Build, failing);
    QFETCH(bool, chartsFail);
    QFETCH(QString, told);
    BuildBench bench;
    PageBuilders builders(bench.context());
    builders.AffMoyenne();
    const auto shown = bench.VSPrinter1.shownDocument();
    bench.charts.throwing = chartsFail;
    failing(builders);
    QCOMPARE(bench.VSPrinter1.shownDocument(), shown);
    QCOMPARE(bench.messages.prompts.size(), 1);
    QVERIFY2(bench.messages.prompts[0].contains(told), qPrintable(bench.messages.prompts[0]));
    QCOMPARE(bench.messages.titles, QStringList {"Erreur"});
    bench.charts.throwing = false;
    builders.AffProfil();
    QVERIFY(bench.VSPrinter1.shownDocument() != shown);
    QCOMPARE(bench.messages.prompts.size(), 1);
}

// The help page has neither orientation nor footer of its own, and chart
// trouble does not stop it.
void PageBuildersTest::helpPageShowsTheFileWhole()
{
    BuildBench bench;
    bench.helpFiles["/programme/docs/aide.rtf"] = "{\\rtf1\\ansi Aide\\par}";
    bench.charts.result.failure = ChartFailure {QStringLiteral("illisibles"), {}};
    bench.VSPrinter1.setPageOrientation(Surface::Landscape);
    bench.VSPrinter1.setFooterText(QStringLiteral("{avant}"));
    PageBuilders builders(bench.context());
    builders.AffAide(QStringLiteral("docs/aide.rtf"));
    QCOMPARE(bench.helpPathsAsked, QStringList {"/programme/docs/aide.rtf"});
    QVERIFY(bench.messages.prompts.isEmpty());
    QCOMPARE(bench.VSPrinter1.pageCount(), 1);
    const PageGeometry page = bench.VSPrinter1.shownDocument()->pageGeometry(0);
    QVERIFY(page.size.width() > page.size.height());
    QCOMPARE(bench.VSPrinter1.FooterText(), QStringLiteral("{avant}"));
}

void PageBuildersTest::recomposedAdviceBlocksStandWhereAsked_data()
{
    QTest::addColumn<int>("TypeDoc");
    QTest::addColumn<QList<int>>("written");
    QTest::addColumn<bool>("reminder");
    QTest::addColumn<bool>("landscape"); // the last build's orientation, kept
    QTest::addColumn<QList<AskedPosition>>("positions");
    const auto H = BlockRole::ReadingHelp;
    const auto S = BlockRole::Suggestion;
    const auto R = BlockRole::Reminder;
    const auto C = BlockRole::Chart;
    // Boxes keep their heights; a boxed explanation stands beside the first chart
    // and pushes the others, and the boxes, down.
    // clang-format off
    QTest::newRow("class average") << 1 << QList<int> {1, 2, 3} << true << false << QList<AskedPosition> {{C, 1, 0, 24, 23}, {C, 2, 33, 24, 23}, {C, 3, 66, 24, 23}, {S, 0, 0, 55, 15}, {R, 0, 0, 77, 15}};
    QTest::newRow("profile, narratives") << 2 << QList<int> {1, 2, 3} << true << false << QList<AskedPosition> {{H, 0, 35, 15, 25}, {C, 1, 0, 24, 23}};
    QTest::newRow("profile, search") << 4 << QList<int> {1, 2, 3} << true << false << QList<AskedPosition> {{H, 0, 35, 15, 25}, {C, 1, 0, 24, 23}};
    QTest::newRow("comprehension types, one chart not written, no reminder") << 10 << QList<int> {1, 3} << false << true << QList<AskedPosition> {{C, 1, 0, 24, 23}, {C, 2, 33, 24, 23}, {C, 3, 66, 24, 23}, {S, 0, 0, 55, 15}};
    // clang-format on
}

void PageBuildersTest::recomposedAdviceBlocksStandWhereAsked()
{
    QFETCH(int, TypeDoc);
    QFETCH(QList<int>, written);
    QFETCH(bool, reminder);
    QFETCH(bool, landscape);
    QFETCH(QList<AskedPosition>, positions);
    BuildBench bench;
    if (!reminder)
        bench.texts.Rappel.clear();
    bench.VSPrinter1.setPageOrientation(landscape ? Surface::Landscape : Surface::Portrait);
    recompose(bench, qint16(TypeDoc), written);
    const auto document = bench.VSPrinter1.shownDocument();
    QCOMPARE(document->pageCount(), 1);
    const QSizeF page = document->pageGeometry(0).size;
    QCOMPARE(page.width() > page.height(), landscape);
    const auto [actual, asked] = placements(*document, positions);
    QCOMPARE(actual, asked);
    const PageMap &map = document->pageMap();
    QCOMPARE(std::any_of(map.begin(), map.end(),
                         [](const MappedBlock &b) { return b.role == BlockRole::Reminder; }),
             reminder);
    // The pictures are the bytes of the last build; a chart it did not write has its notice.
    QList<QByteArray> played;
    for (int n : written)
        played << QByteArray::number(n);
    QCOMPARE(bench.playedPictures, played);
    const QString text = pdfText(bench.VSPrinter1);
    QCOMPARE(text.contains(QStringLiteral("Graphique non disponible")), written.size() < 3);
    // The heading in the default colour, the footer of the moment recomposed.
    QVERIFY(text.contains(QStringLiteral("Titre")));
    QVERIFY(text.contains(QStringLiteral("05-12-2026 à 09:05")));
    const PageProbe probe(bench.VSPrinter1, 144);
    QVERIFY(probe.count(0, 10, [](const QColor &c) { return c.lightness() < 100; }) > 100);
    QCOMPARE(probe.count(0, 10, [](const QColor &c) { return c.blue() > 150 && c.red() < 100; }),
             0);
}

void PageBuildersTest::recomposedLongTextsGrowTheirBoxes()
{
    BuildBench bench;
    const QString longText
        = QStringLiteral("{") + QStringLiteral("Une ligne de suggestion \\par ").repeated(80) + '}';
    bench.texts.Suggestion = longText;
    bench.texts.Rappel = longText;
    recompose(bench, 1);
    QVERIFY(bench.VSPrinter1.pageCount() > 1);
    QCOMPARE(pdfText(bench.VSPrinter1).count(QStringLiteral("Une ligne de suggestion")), 160);
}

QTEST_MAIN(PageBuildersTest)
#include "tst_pagebuilders.moc"
