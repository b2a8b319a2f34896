#include "BuilderFakes.h"
#include "document/builders/OuvreFicPages.h"
#include "support/PageProbe.h"
#include "support/PdfText.h"

#include <QTest>

using namespace virelai;
using namespace virelai::testing;

namespace {

struct Bench
{
    AdviceTexts texts {QStringLiteral("\\fs40 Moyenne de la classe\\par\\cf0\\fs36 Suggestions"),
                       QStringLiteral("{Comment lire le graphique}"),
                       QStringLiteral("{Suggestion}"), QStringLiteral("{Rappel}")};
    FixedClock clock {QDateTime(QDate(2026, 3, 9), QTime(14, 25))};
    QList<QByteArray> played;
    Surface VSPrinter1;

    void recompose(qint16 TypeDoc, QList<int> written = {1, 2, 3})
    {
        ChartPictures pictures;
        for (int n : written)
            pictures.insert(n, QByteArray::number(n));
        recomposeAdvice(VSPrinter1,
                        {texts, TypeDoc, QStringLiteral("2.1.0"), QStringLiteral("/images/"),
                         pictures,
                         [this](const QByteArray &bytes) {
                             played << bytes;
                             return std::make_shared<GreenPicture>();
                         },
                         clock});
    }
};

} // namespace

class OuvreFicPagesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void blocksStandWhereAsked_data();
    void blocksStandWhereAsked();
    void longTextsGrowTheirBoxes();
    void headingInTheDefaultColour();
};

void OuvreFicPagesTest::blocksStandWhereAsked_data()
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

void OuvreFicPagesTest::blocksStandWhereAsked()
{
    QFETCH(int, TypeDoc);
    QFETCH(QList<int>, written);
    QFETCH(bool, reminder);
    QFETCH(bool, landscape);
    QFETCH(QList<AskedPosition>, positions);
    Bench bench;
    if (!reminder)
        bench.texts.Rappel.clear();
    bench.VSPrinter1.setPageOrientation(landscape ? Surface::Landscape : Surface::Portrait);
    bench.recompose(qint16(TypeDoc), written);
    const auto document = bench.VSPrinter1.shownDocument();
    QCOMPARE(document->pageCount(), 1);
    const QSizeF page = document->pageGeometry(0).size;
    QCOMPARE(page.width() > page.height(), landscape);
    QCOMPARE(misplacedBlocks(*document, positions), QString());
    const PageMap &map = document->pageMap();
    QCOMPARE(std::any_of(map.begin(), map.end(),
                         [](const MappedBlock &b) { return b.role == BlockRole::Reminder; }),
             reminder);
    // The pictures are the bytes of the last build; a chart it did not write has its notice.
    QList<QByteArray> played;
    for (int n : written)
        played << QByteArray::number(n);
    QCOMPARE(bench.played, played);
    QCOMPARE(pdfText(bench.VSPrinter1).contains(QStringLiteral("Graphique non disponible")),
             written.size() < 3);
}

void OuvreFicPagesTest::longTextsGrowTheirBoxes()
{
    Bench bench;
    const QString longText
        = QStringLiteral("{") + QStringLiteral("Une ligne de suggestion \\par ").repeated(80) + '}';
    bench.texts.Suggestion = longText;
    bench.texts.Rappel = longText;
    bench.recompose(1);
    QVERIFY(bench.VSPrinter1.pageCount() > 1);
    QCOMPARE(pdfText(bench.VSPrinter1).count(QStringLiteral("Une ligne de suggestion")), 160);
}

void OuvreFicPagesTest::headingInTheDefaultColour()
{
    Bench bench;
    bench.recompose(1);
    const QString text = pdfText(bench.VSPrinter1);
    QVERIFY(text.contains(QStringLiteral("Moyenne de la classe")));
    QVERIFY(text.contains(QStringLiteral("09-03-2026 à 14:25")));
    const PageProbe probe(bench.VSPrinter1, 144);
    QVERIFY(probe.count(0, 10, [](const QColor &c) { return c.lightness() < 100; }) > 100);
    QCOMPARE(probe.count(0, 10, [](const QColor &c) { return c.blue() > 150 && c.red() < 100; }),
             0);
}

QTEST_MAIN(OuvreFicPagesTest)
#include "tst_ouvreficpages.moc"
