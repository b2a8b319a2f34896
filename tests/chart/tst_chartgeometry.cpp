#include "chart/drawing/CategoryLabels.h"
#include "chart/drawing/ChartGeometry.h"
#include "chart/drawing/NumberFormat.h"

#include <QTest>

#include <limits>

using namespace virelai;

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();
const QRectF PlotRect(0.0, 0.0, 400.0, 200.0);

} // namespace

class TestChartGeometry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void axisTicks_data();
    void axisTicks();
    void valueToY_data();
    void valueToY();
    void barRect_data();
    void barRect();
    void categorySlots_data();
    void categorySlots();
    void offsetBarsStayInsideThePlot_data();
    void offsetBarsStayInsideThePlot();
    void categoryLabels_data();
    void categoryLabels();
    void formatNumber_data();
    void formatNumber();
};

void TestChartGeometry::axisTicks_data()
{
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("increment");
    QTest::addColumn<double>("top");
    QTest::addColumn<QList<double>>("ticks");
    // clang-format off
    QTest::newRow("initial 4 by 1") << 4.0 << 1.0 << 4.0 << QList<double> {0, 1, 2, 3, 4};
    QTest::newRow("10 by Int(2.5)") << 10.0 << 2.0 << 10.0 << QList<double> {0, 2, 4, 6, 8, 10};
    QTest::newRow("maximum between ticks") << 7.0 << 3.0 << 7.0 << QList<double> {0, 3, 6};
    QTest::newRow("inexact binary step keeps the end") << 0.3 << 0.1 << 0.3 << QList<double> {0, 0.1, 0.2, 0.1 * 3};
    QTest::newRow("empty Param3: maximum 0, increment 0") << 0.0 << 0.0 << 1.0 << QList<double> {0};
    QTest::newRow("negative maximum") << -5.0 << 1.0 << 1.0 << QList<double> {0};
    QTest::newRow("infinite maximum") << Infinity << 1.0 << 1.0 << QList<double> {0};
    QTest::newRow("NaN maximum") << NotANumber << 1.0 << 1.0 << QList<double> {0};
    QTest::newRow("increment 0: the two ends") << 3.0 << 0.0 << 3.0 << QList<double> {0, 3};
    QTest::newRow("negative increment") << 3.0 << -1.0 << 3.0 << QList<double> {0, 3};
    QTest::newRow("NaN increment") << 3.0 << NotANumber << 3.0 << QList<double> {0, 3};
    QTest::newRow("a million ticks are capped") << 1e6 << 1.0 << 1e6 << QList<double> {0, 1e6};
    // clang-format on
}

void TestChartGeometry::axisTicks()
{
    QFETCH(double, top);
    QFETCH(double, maximum);
    QFETCH(double, increment);
    QFETCH(QList<double>, ticks);
    const AxisTicks axis = virelai::axisTicks(maximum, increment);
    QCOMPARE(axis.top, top);
    QCOMPARE(QList<double>(axis.values.begin(), axis.values.end()), ticks);
    QVERIFY(int(axis.values.size()) <= MaxAxisTicks);
}

void TestChartGeometry::valueToY_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("y");
    // clang-format off
    QTest::newRow("zero at the bottom") << 0.0 << 4.0 << 200.0;
    QTest::newRow("half way") << 2.0 << 4.0 << 100.0;
    QTest::newRow("above the maximum is clipped") << 9.0 << 4.0 << 0.0;
    QTest::newRow("below zero is clipped") << -3.0 << 4.0 << 200.0;
    QTest::newRow("NaN stays at the bottom") << NotANumber << 4.0 << 200.0;
    QTest::newRow("axis of 0 divides by nothing") << 2.0 << 0.0 << 200.0;
    // clang-format on
}

void TestChartGeometry::valueToY()
{
    QFETCH(double, value);
    QFETCH(double, top);
    QTEST(virelai::valueToY(value, top, PlotRect), "y");
}

void TestChartGeometry::barRect_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("widthPercent");
    QTest::addColumn<int>("offsetPercent");
    QTest::addColumn<double>("value");
    QTest::addColumn<QRectF>("expected");
    // Plot 400 x 200, axis 0..4: four slots of 100, one value unit is 50 high.
    // clang-format off
    QTest::newRow("Series0 wide bar a fifth to the left") << 4 << 1 << 95 << -20 << 2.0 << QRectF(QPointF(83.5, 100), QPointF(178.5, 200));
    QTest::newRow("second series thin and centred") << 4 << 1 << 25 << 0 << 3.0 << QRectF(QPointF(137.5, 50), QPointF(162.5, 200));
    QTest::newRow("type 10 widths") << 4 << 2 << 80 << -20 << 4.0 << QRectF(QPointF(194.0, 0), QPointF(274.0, 200));
    QTest::newRow("slot reaching past the plot clipped at the left edge") << 4 << 0 << 95 << -20 << 1.0 << QRectF(QPointF(0.0, 150), QPointF(78.5, 200));
    QTest::newRow("negative value has no height") << 4 << 3 << 25 << 0 << -1.0 << QRectF(QPointF(337.5, 200), QPointF(362.5, 200));
    QTest::newRow("single point fills its slot") << 1 << 0 << 100 << 0 << 2.0 << QRectF(QPointF(0, 100), QPointF(400, 200));
    QTest::newRow("no points divides by nothing") << 0 << 0 << 50 << 0 << 2.0 << QRectF(QPointF(100, 100), QPointF(300, 200));
    // clang-format on
}

void TestChartGeometry::barRect()
{
    QFETCH(QRectF, expected);
    QFETCH(int, points);
    QFETCH(int, index);
    QFETCH(int, widthPercent);
    QFETCH(int, offsetPercent);
    QFETCH(double, value);
    const QRectF bar = virelai::barRect(PlotRect, PlotRect,
                                        {points, index, widthPercent, offsetPercent}, value, 4.0);
    QCOMPARE(bar, expected);
}

void TestChartGeometry::categorySlots_data()
{
    QTest::addColumn<double>("halfExtent");
    QTest::addColumn<QRectF>("expected");
    // clang-format off
    QTest::newRow("centred bars need the whole width") << 0.5 << PlotRect;
    QTest::newRow("narrow bars need the whole width") << 0.125 << PlotRect;
    // Four slots and an overhang of half a slot each side: slots of 80.
    QTest::newRow("bar reaching one slot away") << 1.0 << QRectF(QPointF(40, 0), QPointF(360, 200));
    // clang-format on
}

void TestChartGeometry::categorySlots()
{
    QFETCH(double, halfExtent);
    QTEST(virelai::categorySlots(PlotRect, 4, halfExtent), "expected");
}

void TestChartGeometry::offsetBarsStayInsideThePlot_data()
{
    QTest::addColumn<int>("widthPercent");
    QTest::addColumn<int>("offsetPercent");
    // clang-format off
    QTest::newRow("class bar of a two-series chart") << 95 << -20;
    QTest::newRow("pupil bar of a type-10 chart") << 80 << -20;
    // clang-format on
}

void TestChartGeometry::offsetBarsStayInsideThePlot()
{
    QFETCH(int, widthPercent);
    QFETCH(int, offsetPercent);
    const QRectF slots
        = virelai::categorySlots(PlotRect, 4, virelai::barHalfExtent(widthPercent, offsetPercent));
    const double unclippedWidth = slots.width() / 4 * widthPercent / 100.0;
    for (int index = 0; index < 4; ++index) {
        const QRectF bar
            = virelai::barRect(PlotRect, slots, {4, index, widthPercent, offsetPercent}, 2.0, 4.0);
        QVERIFY(bar.left() >= PlotRect.left() && bar.right() <= PlotRect.right());
        QCOMPARE(bar.width(), unclippedWidth);
    }
}

void TestChartGeometry::categoryLabels_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<double>>("centres");
    // Each label's lines joined by "|"; empty when it is left out.
    QTest::addColumn<QStringList>("drawn");
    // clang-format off
    QTest::newRow("short labels on one line") << QStringList {"A", "Bb", "Ccc"} << QList<double> {50, 150, 250} << QStringList {"A", "Bb", "Ccc"};
    QTest::newRow("too close to the next: wrapped") << QStringList {"Lecture globale", "B"} << QList<double> {50, 150} << QStringList {"Lecture|globale", "B"};
    QTest::newRow("too close to the one before: wrapped at the best space") << QStringList {"Classe", "Compréhension globale"} << QList<double> {100, 250} << QStringList {"Classe", "Compréhension|globale"};
    QTest::newRow("one word too wide: left out, the first always drawn") << QStringList {"Personnages", "Chronologie", "Lexique"} << QList<double> {50, 150, 250} << QStringList {"Personnages", "", "Lexique"};
    // clang-format on
}

void TestChartGeometry::categoryLabels()
{
    QFETCH(QStringList, texts);
    QFETCH(QList<double>, centres);
    QFETCH(QStringList, drawn);
    const auto tenPerCharacter = [](const QString &text) {
        return 10.0 * double(text.size());
    };
    const std::vector<CategoryLabel> labels = layOutCategoryLabels(
        texts, std::vector<double>(centres.begin(), centres.end()), 20, tenPerCharacter);
    QStringList actual;
    for (const CategoryLabel &label : labels)
        actual << label.lines.join(u'|');
    QCOMPARE(actual, drawn);
    const CategoryLabel *previous = nullptr;
    for (const CategoryLabel &label : labels) {
        if (label.lines.isEmpty())
            continue;
        if (previous)
            QVERIFY(label.left - previous->right() >= 0.2 * label.width);
        previous = &label;
    }
}

void TestChartGeometry::formatNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("text");
    // clang-format off
    QTest::newRow("axis one decimal") << 2.5 << "##0.0" << "2,5";
    QTest::newRow("axis one decimal on a whole number") << 3.0 << "##0.0" << "3,0";
    QTest::newRow("whole number rounds half away from zero") << 2.5 << "##0" << "3";
    QTest::newRow("mark two decimals") << 1.25 << "##0.0#" << "1,25";
    QTest::newRow("mark drops the optional zero") << 1.2 << "##0.0#" << "1,2";
    QTest::newRow("mark keeps the required zero") << 7.0 << "##0.0#" << "7,0";
    QTest::newRow("mark rounds the third decimal") << 0.996 << "##0.0#" << "1,0";
    QTest::newRow("negative") << -1.5 << "##0.0" << "-1,5";
    QTest::newRow("tiny negative shows no sign") << -0.004 << "##0.0" << "0,0";
    QTest::newRow("large numbers have no grouping") << 1234.5 << "##0" << "1235";
    QTest::newRow("infinity shows nothing") << Infinity << "##0.0#" << "";
    // clang-format on
}

void TestChartGeometry::formatNumber()
{
    QFETCH(double, value);
    QFETCH(QString, format);
    QTEST(virelai::formatNumber(value, format), "text");
}

QTEST_APPLESS_MAIN(TestChartGeometry)
#include "tst_chartgeometry.moc"
