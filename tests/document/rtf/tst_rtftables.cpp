// Tables: where their cells' texts are laid out, in twips, and where their
// borders and shading are drawn.
#include "RtfTestDocument.h"

#include <QTest>

using namespace virelai;
using namespace virelai::testing;

namespace {

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 128;
}

// Dark pixels on the row of pixels at y (twips), between x1 and x2 (twips).
int darkPixels(const QImage &image, double y, double x1, double x2)
{
    int count = 0;
    const int row = qRound(y / 10);
    for (int x = qRound(x1 / 10); x < qRound(x2 / 10); ++x)
        count += isDark(image.pixel(x, row)) ? 1 : 0;
    return count;
}

const QString TwoCells = QStringLiteral("\\pard\\intbl a\\cell b\\cell\\row");

} // namespace

class TestRtfTables : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cellPlaces_data();
    void cellPlaces();
    void bordersWhereTheCellsSay();
    void cellShading_data();
    void cellShading();
    void paragraphBorderAndShading();
};

// Where a cell's text, or the paragraph after a table, starts: in twips from
// the left edge and from the bottom of the text Z above (the document's top
// without one).
void TestRtfTables::cellPlaces_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("width");
    // clang-format off
    QTest::newRow("centred row") << "{\\trowd\\trqc\\cellx2000\\cellx5000" + TwoCells + "}" << "b" << 4000.0 << 0.0 << 3000.0;
    QTest::newRow("a merged cell's text centred in the rows it spans") << "{Z\\par\\trowd\\trrh-500\\clvmgf\\clvertalc\\cellx2000\\cellx4000\\pard\\intbl\\sl-200\\slmult0 a\\cell b\\cell\\row\\trowd\\trrh-500\\clvmrg\\cellx2000\\cellx4000\\pard\\intbl\\cell d\\cell\\row}" << "a" << 0.0 << 400.0 << 2000.0;
    QTest::newRow("merged cell spans the columns of the cells it takes in") << "{\\trowd\\clmgf\\cellx2000\\clmrg\\cellx4000\\cellx6000\\pard\\intbl a\\cell\\cell c\\cell\\row}" << "a" << 0.0 << 0.0 << 4000.0;
    QTest::newRow("the cell after a merged one keeps its place") << "{\\trowd\\clmgf\\cellx2000\\clmrg\\cellx4000\\cellx6000\\pard\\intbl a\\cell\\cell c\\cell\\row}" << "c" << 4000.0 << 0.0 << 2000.0;
    QTest::newRow("rows with other edges share one grid") << "{\\trowd\\cellx3000\\cellx6000\\pard\\intbl Z\\cell b\\cell\\row\\trowd\\cellx2000\\cellx6000\\pard\\intbl c\\cell d\\cell\\row}" << "d" << 2000.0 << 0.0 << 4000.0;
    QTest::newRow("a table inside a cell is read as paragraphs of that cell") << "{\\trowd\\cellx3000\\cellx6000\\pard\\intbl a\\cell\\pard\\intbl\\itap2 x\\nestcell y\\nestcell{\\*\\nesttableprops\\trowd\\cellx1000\\cellx2000\\nestrow}{\\nonesttables \\par}\\pard\\intbl\\cell\\row}" << "x" << 3000.0 << 0.0 << 3000.0;
    QTest::newRow("the space after the paragraph before stays above the row") << "{\\sa300 Z\\par\\trowd\\cellx3000\\cellx6000\\pard\\intbl\\sa500 a\\cell\\sa0\\sb200 b\\cell\\row}" << "a" << 0.0 << 300.0 << 3000.0;
    QTest::newRow("a cell's first paragraph keeps its space before") << "{\\sa300 Z\\par\\trowd\\cellx3000\\cellx6000\\pard\\intbl\\sa500 a\\cell\\sa0\\sb200 b\\cell\\row}" << "b" << 3000.0 << 500.0 << 3000.0;
    QTest::newRow("a cell's padding instead of the gap (Word's clpadt is the left one)") << "{\\trowd\\trgaph100\\clpadt300\\clpadft3\\cellx2000\\cellx5000" + TwoCells + "}" << "a" << 300.0 << 0.0 << 1600.0;
    QTest::newRow("a cell's top padding (Word's clpadl) lowers the whole row") << "{Z\\par\\trowd\\clpadl200\\clpadfl3\\cellx3000\\cellx6000" + TwoCells + "}" << "b" << 3000.0 << 200.0 << 3000.0;
    QTest::newRow("a cell's top border lowers the whole row") << "{Z\\par\\trowd\\clbrdrt\\brdrs\\brdrw60\\cellx3000\\cellx6000" + TwoCells + "}" << "b" << 3000.0 << 60.0 << 3000.0;
    QTest::newRow("a row at least 1500 twips high") << "{\\trowd\\trrh1500\\cellx3000\\pard\\intbl\\sl-600\\slmult0 a\\cell\\row\\pard after\\par}" << "after" << 0.0 << 1500.0 << 9000.0;
    QTest::newRow("a row exactly 1500 twips high") << "{\\trowd\\trrh-1500\\cellx3000\\pard\\intbl\\sl-600\\slmult0 a\\cell\\row\\pard after\\par}" << "after" << 0.0 << 1500.0 << 9000.0;
    QTest::newRow("a row at least 100 twips high: the text is taller") << "{\\trowd\\trrh100\\cellx3000\\pard\\intbl\\sl-600\\slmult0 a\\cell\\row\\pard after\\par}" << "after" << 0.0 << 600.0 << 9000.0;
    QTest::newRow("a row exactly 100 twips high: the text is kept whole") << "{\\trowd\\trrh-100\\cellx3000\\pard\\intbl\\sl-600\\slmult0 a\\cell\\row\\pard after\\par}" << "after" << 0.0 << 600.0 << 9000.0;
    // clang-format on
}

void TestRtfTables::cellPlaces()
{
    QFETCH(QString, rtf);
    QFETCH(QString, probe);
    QFETCH(double, left);
    QFETCH(double, top);
    QFETCH(double, width);
    const LaidOut laidOut(rtf);
    const QRectF rect = laidOut.rectOf(probe);
    const double tableTop = laidOut.block("Z").isValid() ? laidOut.rectOf("Z").bottom() : 0;
    QCOMPARE(qRound(rect.left()), qRound(left));
    QCOMPARE(qRound(rect.top() - tableTop), qRound(top));
    QCOMPARE(qRound(rect.width()), qRound(width));
}

void TestRtfTables::bordersWhereTheCellsSay()
{
    const LaidOut laidOut("{\\trowd\\clbrdrb\\brdrs\\brdrw30\\cellx3000\\clbrdrt\\brdrs\\brdrw30"
                          "\\clbrdrr\\brdrdb\\brdrw75\\cellx6000\\pard\\intbl a\\cell b\\cell\\row"
                          "\\pard\\par}");
    const QImage image = laidOut.image();
    const QRectF a = laidOut.rectOf(QStringLiteral("a"));
    // Both texts start below b's top border.
    const double topBorder = a.top() - 15;
    QVERIFY(darkPixels(image, a.bottom(), 200, 2800) > 250);
    QCOMPARE(darkPixels(image, topBorder, 200, 2800), 0);
    QVERIFY(darkPixels(image, topBorder, 3200, 5800) > 250);
    QCOMPARE(darkPixels(image, a.bottom(), 3200, 5800), 0);
    QVERIFY(darkPixels(image, a.center().y(), 5900, 6100) >= 2);
}

void TestRtfTables::cellShading_data()
{
    QTest::addColumn<QString>("firstCell");
    QTest::addColumn<QString>("firstParagraph");
    QTest::addColumn<QColor>("color");
    // clang-format off
    QTest::newRow("cell background") << "\\clcbpat1" << "" << QColor(255, 0, 0);
    QTest::newRow("cell foreground mixed in by its shading") << "\\clcfpat2\\clcbpat0\\clshdng5000" << "" << QColor(127, 127, 255);
    QTest::newRow("shaded paragraph in a cell") << "" << "\\cbpat2" << QColor(0, 0, 255);
    // clang-format on
}

// Colour in the middle of the first cell, beside its text.
void TestRtfTables::cellShading()
{
    QFETCH(QString, firstCell);
    QFETCH(QString, firstParagraph);
    QFETCH(QColor, color);
    const LaidOut laidOut("{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
                          "{\\trowd"
                          + firstCell + "\\cellx3000\\cellx6000\\pard\\intbl" + firstParagraph
                          + " a\\cell\\pard\\intbl b\\cell\\row}");
    const QImage image = laidOut.image();
    const QRectF a = laidOut.rectOf(QStringLiteral("a"));
    QCOMPARE(QColor(image.pixel(150, qRound(a.center().y() / 10))), color);
}

// The box spans the paragraph's indents; each border's spacing keeps the text
// inside it, and the space before stays above the box.
void TestRtfTables::paragraphBorderAndShading()
{
    const LaidOut laidOut(
        "{{\\colortbl;\\red0\\green0\\blue255;}a\\par\\pard\\li1000\\ri2000\\sb200"
        "\\box\\brdrs\\brdrw20\\brsp100\\cbpat1 b\\par c\\par\\pard d\\par}");
    const QRectF a = laidOut.rectOf(QStringLiteral("a"));
    const QRectF b = laidOut.rectOf(QStringLiteral("b"));
    const QRectF c = laidOut.rectOf(QStringLiteral("c"));
    const QRectF d = laidOut.rectOf(QStringLiteral("d"));
    QCOMPARE(qRound(b.left()), 1120);
    QCOMPARE(qRound(b.top()), qRound(a.bottom() + 200 + 120));
    // One box for both paragraphs: c follows b with only its own space before.
    QCOMPARE(qRound(c.top()), qRound(b.bottom() + 200));
    QCOMPARE(qRound(d.top()), qRound(c.bottom() + 120));
    const QImage image = laidOut.image();
    QVERIFY(darkPixels(image, b.top() - 110, 1000, 7000) > 550);
    QCOMPARE(image.pixelColor(qRound(1050 / 10.0), qRound(c.center().y() / 10)), QColor(0, 0, 255));
}

QTEST_MAIN(TestRtfTables)
#include "tst_rtftables.moc"
