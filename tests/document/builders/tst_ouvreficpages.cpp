#include "document/builders/Clock.h"
#include "document/builders/OuvreFicPages.h"
#include "document/builders/PageTexts.h"
#include "document/surface/PrintableArea.h"
#include "document/surface/Surface.h"
#include "document/surface/SurfaceDocument.h"
#include "support/PagePictures.h"
#include "support/PageProbe.h"
#include "support/PdfText.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

using namespace virelai;
using namespace virelai::testing;

namespace {

// The page read at 144 dots per inch.
PageProbe probeOf(const Surface &surface)
{
    return PageProbe(surface, 144);
}

bool blue(const QColor &c)
{
    return c.blue() > 150 && c.red() < 100 && c.green() < 100;
}

bool lightGrey(const QColor &c)
{
    return c == QColor(224, 224, 224);
}

struct Bench
{
    AdviceTexts texts {QStringLiteral("\\fs40 Moyenne de la classe\\par\\cf0\\fs36 Suggestions"),
                       QStringLiteral("{Comment lire le graphique}"),
                       QStringLiteral("{Suggestion}"), QStringLiteral("{Rappel}")};
    FixedClock clock {QDateTime(QDate(2026, 3, 9), QTime(14, 25))};
    QList<QByteArray> played;
    Surface VSPrinter1;

    StoredAdvice advice(qint16 TypeDoc, QList<int> written = {1, 2, 3})
    {
        ChartPictures pictures;
        for (int n : written)
            pictures.insert(n, QByteArray::number(n));
        return {texts,
                TypeDoc,
                QStringLiteral("2.1.0"),
                QStringLiteral("/images/"),
                pictures,
                [this](const QByteArray &bytes) {
                    played << bytes;
                    return std::make_shared<GreenPicture>();
                },
                clock};
    }
};

} // namespace

class OuvreFicPagesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void explanationPlacement_data();
    void explanationPlacement();
    void boxesHaveTheirFixedHeights();
    void longTextsGrowTheirBoxes();
    void noReminderNoGreyBox();
    void picturesOfTheLastBuildAtHeight24();
    void headingInTheDefaultColour();
    void orientationOfTheLastBuildIsKept();
};

void OuvreFicPagesTest::explanationPlacement_data()
{
    QTest::addColumn<int>("TypeDoc");
    QTest::addColumn<bool>("inABox");
    // clang-format off
    QTest::newRow("class average") << 1 << false;
    QTest::newRow("profile, narratives") << 2 << true;
    QTest::newRow("profile, documents") << 3 << true;
    QTest::newRow("profile, search") << 4 << true;
    QTest::newRow("comprehension types") << 10 << false;
    // clang-format on
}

// The box's right edge runs from 15 % to 40 % of the height, beside the pictures.
void OuvreFicPagesTest::explanationPlacement()
{
    QFETCH(int, TypeDoc);
    QFETCH(bool, inABox);
    Bench bench;
    recomposeAdvice(bench.VSPrinter1, bench.advice(qint16(TypeDoc)));
    const PageProbe probe = probeOf(bench.VSPrinter1);
    const QList<int> edge = probe.inkRows(99.9, 10, 50);
    if (!inABox) {
        QVERIFY2(edge.isEmpty(), qPrintable(QString::number(edge.value(0))));
        return;
    }
    QVERIFY(!edge.isEmpty());
    QCOMPARE(edge.first(), 15);
    QCOMPARE(edge.last(), 40);
    // Picture 1 stands beside the box; pictures 2 and 3, in its column, below it.
    QCOMPARE(probe.at(16, 30), PictureGreen);
    QVERIFY(probe.at(50, 30) != PictureGreen);
    QVERIFY(probe.at(80, 30) != PictureGreen);
    QCOMPARE(probe.at(50, 45), PictureGreen);
    QCOMPARE(probe.at(80, 45), PictureGreen);
}

void OuvreFicPagesTest::boxesHaveTheirFixedHeights()
{
    Bench bench;
    recomposeAdvice(bench.VSPrinter1, bench.advice(1));
    const PageProbe probe = probeOf(bench.VSPrinter1);
    // The left edge of the white box: 55 % to 70 %.
    const QList<int> suggestion = probe.inkRows(0.05, 50, 76);
    QVERIFY(!suggestion.isEmpty());
    QCOMPARE(suggestion.first(), 55);
    QCOMPARE(suggestion.last(), 70);
    // The grey box: 77 % to 92 %.
    QVERIFY(lightGrey(probe.at(99, 78)));
    QVERIFY(lightGrey(probe.at(99, 91)));
    QVERIFY(!lightGrey(probe.at(99, 93)));
    QCOMPARE(bench.VSPrinter1.shownDocument()->pageCount(), 1);
}

void OuvreFicPagesTest::longTextsGrowTheirBoxes()
{
    Bench bench;
    QString longText = QStringLiteral("{");
    for (int i = 0; i < 80; ++i)
        longText += QStringLiteral("Une ligne de suggestion \\par ");
    bench.texts.Suggestion = longText + QStringLiteral("}");
    bench.texts.Rappel = longText + QStringLiteral("}");
    recomposeAdvice(bench.VSPrinter1, bench.advice(1));
    QVERIFY(bench.VSPrinter1.pageCount() > 1);
    QCOMPARE(pdfText(bench.VSPrinter1).count(QStringLiteral("Une ligne de suggestion")), 160);
}

void OuvreFicPagesTest::noReminderNoGreyBox()
{
    Bench bench;
    bench.texts.Rappel.clear();
    recomposeAdvice(bench.VSPrinter1, bench.advice(1));
    QVERIFY(probeOf(bench.VSPrinter1).count(50, 100, lightGrey) < 1000); // an edge, not a box
}

void OuvreFicPagesTest::picturesOfTheLastBuildAtHeight24()
{
    Bench bench;
    recomposeAdvice(bench.VSPrinter1, bench.advice(1, {1, 3}));
    QCOMPARE(bench.played, (QList<QByteArray> {"1", "3"}));
    const PageProbe probe = probeOf(bench.VSPrinter1);
    QCOMPARE(probe.at(16, 25), PictureGreen);
    QCOMPARE(probe.at(16, 46), PictureGreen);
    QVERIFY(probe.at(16, 23) != PictureGreen);
    QVERIFY(probe.at(16, 48) != PictureGreen);
    QCOMPARE(probe.at(82, 30), PictureGreen);
    // Picture 2 was not written by the last build: its frame stands there.
    QVERIFY(probe.at(49, 30) != PictureGreen);
    QVERIFY(pdfText(bench.VSPrinter1).contains(QStringLiteral("Graphique non disponible")));
}

void OuvreFicPagesTest::headingInTheDefaultColour()
{
    Bench bench;
    recomposeAdvice(bench.VSPrinter1, bench.advice(1));
    const QString text = pdfText(bench.VSPrinter1);
    QVERIFY(text.contains(QStringLiteral("Moyenne de la classe")));
    QVERIFY(text.contains(QStringLiteral("09-03-2026 à 14:25")));
    const PageProbe probe = probeOf(bench.VSPrinter1);
    QVERIFY(probe.count(0, 10, [](const QColor &c) { return c.lightness() < 100; }) > 100);
    QCOMPARE(probe.count(0, 10, blue), 0);
}

void OuvreFicPagesTest::orientationOfTheLastBuildIsKept()
{
    Bench bench;
    bench.VSPrinter1.setPageOrientation(Surface::Landscape);
    recomposeAdvice(bench.VSPrinter1, bench.advice(10));
    const PageGeometry &page = bench.VSPrinter1.shownDocument()->pageGeometry(0);
    QVERIFY(page.size.width() > page.size.height());
}

QTEST_MAIN(OuvreFicPagesTest)
#include "tst_ouvreficpages.moc"
