#include "document/surface/PrintableArea.h"

#include <QTest>

using namespace virelai;

// Percent positions of the printable area, turned into twips.
class TestPrintableArea : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void positions_data();
    void positions();
    void sizes_data();
    void sizes();
};

namespace {

// A page 2000 × 3000 twips with margins left 500, right 550, top 400, bottom 600:
// printable width 950, height 2000.
PrintableArea samplePage()
{
    return PrintableArea::fromPage(2000, 3000, 500, 550, 400, 600);
}

} // namespace

void TestPrintableArea::positions_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("expectedX");
    QTest::addColumn<double>("expectedY");
    QTest::newRow("origin is the corner of the margins") << 0.0 << 0.0 << 500.0 << 400.0;
    QTest::newRow("100 100 is the far corner of the margins") << 100.0 << 100.0 << 1450.0 << 2400.0;
    QTest::newRow("one percent of 950 keeps its half") << 1.0 << 1.0 << 509.5 << 420.0;
    QTest::newRow("a third keeps its fraction")
        << 33.0 << 33.0 << 500.0 + 33.0 * 950.0 / 100.0 << 400.0 + 660.0;
    QTest::newRow("beyond the area") << 150.0 << -10.0 << 1925.0 << 200.0;
}

void TestPrintableArea::positions()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, expectedX);
    QFETCH(double, expectedY);
    const PrintableArea area = samplePage();
    QCOMPARE(area.xAt(x), expectedX);
    QCOMPARE(area.yAt(y), expectedY);
}

void TestPrintableArea::sizes_data()
{
    QTest::addColumn<double>("percent");
    QTest::addColumn<double>("expectedWidth");
    QTest::addColumn<double>("expectedHeight");
    QTest::newRow("nothing") << 0.0 << 0.0 << 0.0;
    QTest::newRow("whole area") << 100.0 << 950.0 << 2000.0;
    QTest::newRow("odd percent keeps the fraction") << 23.0 << 218.5 << 460.0;
    // Product first, then the division: 57 × 950 / 100 is exactly 541.5.
    QTest::newRow("product before division") << 57.0 << 541.5 << 1140.0;
}

void TestPrintableArea::sizes()
{
    QFETCH(double, percent);
    QFETCH(double, expectedWidth);
    QFETCH(double, expectedHeight);
    const PrintableArea area = samplePage();
    QCOMPARE(area.widthOf(percent), expectedWidth);
    QCOMPARE(area.heightOf(percent), expectedHeight);
}

QTEST_APPLESS_MAIN(TestPrintableArea)
#include "tst_printablearea.moc"
