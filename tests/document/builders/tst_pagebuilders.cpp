#include "BuilderFakes.h"
#include "document/builders/PageBuilders.h"
#include "document/builders/PagePrimitives.h"
#include "document/builders/PageTexts.h"
#include "document/surface/SurfaceDocument.h"
#include "support/PageProbe.h"

#include <QImage>
#include <QTest>

using namespace virelai;
using namespace virelai::testing;

namespace {

using Build = std::function<void(PageBuilders &)>;

// The page read at 72 dots per inch.
PageProbe probeOf(const Surface &surface)
{
    return PageProbe(surface, 72);
}

bool greenAt(const PageProbe &probe, double xPercent, double yPercent)
{
    return probe.at(xPercent, yPercent) == PictureGreen;
}

bool boxGrey(const QColor &c)
{
    return c == QColor(224, 224, 224);
}

} // namespace

Q_DECLARE_METATYPE(Build)

class PageBuildersTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void chartPagePlacesItsBlocks_data();
    void chartPagePlacesItsBlocks();
    void noReminderNoGreyBox();
    void onlyPicturesWrittenByThisBuildAreLoaded();
    void unreadableChartDataStillGivesThePageThenOneMessage();
    void aFailingStepKeepsThePreviousPage();
    void pupilPagePlacesItsColumns_data();
    void pupilPagePlacesItsColumns();
    void helpPageShowsTheFileWhole();
    void unreadableHelpFileKeepsThePage();
    void helpPageIgnoresChartTrouble();
};

// Where the blocks stand is the page sweep's; this is what a build leaves behind.
void PageBuildersTest::chartPagePlacesItsBlocks_data()
{
    QTest::addColumn<Build>("build");
    QTest::addColumn<bool>("landscape");
    // clang-format off
    QTest::newRow("class average") << Build([](PageBuilders &b) { b.AffMoyenne(); }) << false;
    QTest::newRow("class profile") << Build([](PageBuilders &b) { b.AffProfil(); }) << false;
    QTest::newRow("comprehension types") << Build([](PageBuilders &b) { b.AffTypeComp(); }) << true;
    // clang-format on
}

void PageBuildersTest::chartPagePlacesItsBlocks()
{
    QFETCH(Build, build);
    QFETCH(bool, landscape);

    BuildBench bench;
    bench.VSPrinter1.setPageOrientation(landscape ? Surface::Portrait : Surface::Landscape);
    bench.VSPrinter1.setTextColor(0x00123456);
    PageBuilders builders(bench.context());
    build(builders);

    QCOMPARE(bench.window.layouts, 1);
    QCOMPARE(bench.charts.calls, 1);
    QCOMPARE(bench.window.repaints, 1);
    QVERIFY(bench.messages.prompts.isEmpty());
    const PageGeometry page = bench.VSPrinter1.shownDocument()->pageGeometry(0);
    QCOMPARE(page.size.width() > page.size.height(), landscape);
    QCOMPARE(bench.VSPrinter1.TextColor(), quint32(0x00123456));
    QCOMPARE(bench.VSPrinter1.LineSpacing(), 100);
    QCOMPARE(bench.VSPrinter1.FooterText(), footerRtf(bench.clock.now(), "2.1.0"));
}

void PageBuildersTest::noReminderNoGreyBox()
{
    BuildBench bench;
    bench.texts.Rappel.clear();
    PageBuilders builders(bench.context());
    builders.AffMoyenne();
    QCOMPARE(probeOf(bench.VSPrinter1).firstRow(boxGrey, 0, 100, 20), -1);
}

void PageBuildersTest::onlyPicturesWrittenByThisBuildAreLoaded()
{
    BuildBench bench;
    bench.charts.result.writtenPictures = {{2, "deux"}};
    PageBuilders builders(bench.context());
    builders.AffMoyenne();
    // The bytes this build wrote, not the file, which another copy may have replaced.
    QCOMPARE(bench.playedPictures, QList<QByteArray> {"deux"});
    QCOMPARE(builders.chartNoticesOfLastBuild(), 2);
    const PageProbe probe = probeOf(bench.VSPrinter1);
    QVERIFY(!greenAt(probe, 16, 31));
    QVERIFY(greenAt(probe, 49, 31));
    QVERIFY(!greenAt(probe, 82, 31));
    // The notice's frame stands where picture 1 would be.
    const QRgb frame = probe.image().pixel(probe.xOf(16), probe.yOf(20) + 1);
    QVERIFY(qGray(frame) < 250);
}

void PageBuildersTest::unreadableChartDataStillGivesThePageThenOneMessage()
{
    BuildBench bench;
    const QString refusal = QStringLiteral("Les données des graphiques sont illisibles.");
    bench.charts.result = {{}, ChartFailure {refusal, {}}};
    const auto before = bench.VSPrinter1.shownDocument();
    PageBuilders builders(bench.context());
    builders.AffTypeComp();
    QVERIFY(bench.VSPrinter1.shownDocument() != before);
    QVERIFY(bench.playedPictures.isEmpty());
    QCOMPARE(bench.messages.prompts, QStringList {refusal});
    QCOMPARE(bench.messages.titles, QStringList {"Erreur"});
}

void PageBuildersTest::aFailingStepKeepsThePreviousPage()
{
    BuildBench bench;
    PageBuilders builders(bench.context());
    builders.AffMoyenne();
    const auto shown = bench.VSPrinter1.shownDocument();
    bench.charts.throwing = true;
    builders.AffProfil();
    QCOMPARE(bench.VSPrinter1.shownDocument(), shown);
    QCOMPARE(bench.messages.prompts.size(), 1);
    QVERIFY(bench.messages.prompts[0].contains("disque plein"));
    QCOMPARE(bench.messages.titles, QStringList {"Erreur"});
    // The program goes on: the next build shows its page.
    bench.charts.throwing = false;
    builders.AffProfil();
    QVERIFY(bench.VSPrinter1.shownDocument() != shown);
    QCOMPARE(bench.messages.prompts.size(), 1);
}

void PageBuildersTest::pupilPagePlacesItsColumns_data()
{
    QTest::addColumn<Build>("build");
    QTest::addColumn<int>("TypeDoc");
    QTest::addColumn<double>("greyListY");
    QTest::addColumn<double>("fontSizeAfter");

    const Build revVit = [](PageBuilders &b) {
        b.AffRevVit();
    };
    const Build compGene = [](PageBuilders &b) {
        b.AffCompGene();
    };
    // clang-format off
    QTest::newRow("general comprehension") << revVit << 5 << 33.0 << 10.0;
    QTest::newRow("reading speed, small list") << revVit << 6 << 33.0 << 7.0;
    QTest::newRow("narrative texts, white list box") << compGene << 7 << -1.0 << 10.0;
    QTest::newRow("information search") << compGene << 9 << -1.0 << 10.0;
    // clang-format on
}

void PageBuildersTest::pupilPagePlacesItsColumns()
{
    QFETCH(Build, build);
    QFETCH(int, TypeDoc);
    QFETCH(double, greyListY);
    QFETCH(double, fontSizeAfter);

    BuildBench bench;
    bench.request.TypeDoc = qint16(TypeDoc);
    bench.request.Param3 = QStringLiteral("Élèves repérés");
    bench.clipboard
        = TextClipboard(QStringLiteral("X  X     BERNARD Chloé\r\nX     X  DUBOIS Théo\r\n"));
    bench.texts.Explication.clear();
    bench.VSPrinter1.setFontSize(14);
    PageBuilders builders(bench.context());
    build(builders);

    QCOMPARE(bench.charts.calls, 0);
    const PageGeometry page = bench.VSPrinter1.shownDocument()->pageGeometry(0);
    QVERIFY(page.size.width() > page.size.height());
    QCOMPARE(bench.VSPrinter1.FontBold(), false);
    QCOMPARE(bench.VSPrinter1.FontUnderline(), false);
    QCOMPARE(bench.VSPrinter1.FontSize(), fontSizeAfter);
    QCOMPARE(bench.VSPrinter1.FooterText(), footerRtf(bench.clock.now(), "2.1.0"));

    const PageProbe probe = probeOf(bench.VSPrinter1);
    const int grey = probe.firstRow(boxGrey, 0, 38, 20);
    if (greyListY < 0)
        QCOMPARE(grey, -1);
    else
        QVERIFY2(grey >= probe.yOf(greyListY) && grey <= probe.yOf(greyListY) + 2,
                 qPrintable(QString::number(grey)));
}

namespace {

// "Aide : café" in Windows-1252.
const QByteArray HelpRtf("{\\rtf1\\ansi Aide : caf\xe9\\par}");

} // namespace

void PageBuildersTest::helpPageShowsTheFileWhole()
{
    BuildBench bench;
    bench.helpFiles["/programme/docs/aide.rtf"] = HelpRtf;
    bench.VSPrinter1.setPageOrientation(Surface::Landscape);
    bench.VSPrinter1.setFooterText(QStringLiteral("{avant}"));
    const auto before = bench.VSPrinter1.shownDocument();
    PageBuilders builders(bench.context());
    builders.AffAide(QStringLiteral("docs/aide.rtf"));

    QCOMPARE(bench.helpPathsAsked, QStringList {"/programme/docs/aide.rtf"});
    QVERIFY(bench.messages.prompts.isEmpty());
    QVERIFY(bench.VSPrinter1.shownDocument() != before);
    QCOMPARE(bench.window.layouts, 1);
    QCOMPARE(bench.charts.calls, 1);
    QCOMPARE(bench.window.repaints, 0);
    // Neither orientation nor footer of its own.
    const PageGeometry page = bench.VSPrinter1.shownDocument()->pageGeometry(0);
    QVERIFY(page.size.width() > page.size.height());
    QCOMPARE(bench.VSPrinter1.FooterText(), QStringLiteral("{avant}"));
}

void PageBuildersTest::unreadableHelpFileKeepsThePage()
{
    BuildBench bench;
    PageBuilders builders(bench.context());
    builders.AffMoyenne();
    const auto shown = bench.VSPrinter1.shownDocument();
    builders.AffAide(QStringLiteral("absent.rtf"));
    QCOMPARE(bench.VSPrinter1.shownDocument(), shown);
    QCOMPARE(bench.messages.prompts,
             QStringList {"Impossible d'ouvrir le fichier /programme/absent.rtf"});
    QCOMPARE(bench.messages.titles, QStringList {"Erreur"});
}

void PageBuildersTest::helpPageIgnoresChartTrouble()
{
    BuildBench bench;
    bench.helpFiles["/programme/aide.rtf"] = HelpRtf;
    bench.charts.result.failure
        = ChartFailure {QStringLiteral("Les données des graphiques sont illisibles."), {}};
    PageBuilders builders(bench.context());
    builders.AffAide(QStringLiteral("aide.rtf"));
    QVERIFY(bench.messages.prompts.isEmpty());
    QCOMPARE(bench.VSPrinter1.pageCount(), 1);

    // A failure before the path is built is told without a path.
    bench.charts.throwing = true;
    builders.AffAide(QStringLiteral("aide.rtf"));
    QCOMPARE(bench.messages.prompts, QStringList {"Impossible d'ouvrir le fichier "});
}

QTEST_MAIN(PageBuildersTest)
#include "tst_pagebuilders.moc"
