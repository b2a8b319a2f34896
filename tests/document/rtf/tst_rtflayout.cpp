// Where the control words put text and pictures once the document is laid
// out, in twips, as word processors place them; pictures drawn by Qt's image
// readers or the program's metafile player.
#include "../metafile/WmfBuilder.h"
#include "RtfTestDocument.h"

#include <QTest>
#include <QTextLayout>

using namespace virelai;
using namespace virelai::testing;

namespace {

// The distance between the tops of a paragraph's first two lines.
double linePitch(const QString &rtf)
{
    const LaidOut laidOut(rtf);
    const QTextLayout *layout = laidOut.block(QStringLiteral("a")).layout();
    return layout->lineAt(1).y() - layout->lineAt(0).y();
}

QString redImage(const char *format)
{
    QImage image(8, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    return pictureHex(image, format);
}

// A metafile of 1000 x 500 logical units filled with red.
QString redMetafile()
{
    WmfBuilder wmf;
    wmf.window(0, 0, 1000, 500)
        .solidBrush(0x0000FF)
        .select(0)
        .nullPen()
        .select(1)
        .rectangle(0, 0, 1000, 500);
    return QString::fromLatin1(wmf.bytes().toHex());
}

// A PNG whose header claims 100 000 x 100 000 pixels.
QString hugePng()
{
    QByteArray png = QByteArray::fromHex("89504e470d0a1a0a0000000d49484452");
    const char side[4] = {0, 1, char(0x86), char(0xA0)};
    png.append(side, 4).append(side, 4).append(QByteArray::fromHex("0802000000"));
    return QString::fromLatin1(png.toHex());
}

} // namespace

class TestRtfLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void spaceBetweenParagraphs_data();
    void spaceBetweenParagraphs();
    void leastLineSpacingKeepsTheFontsHeight();
    void tabStops_data();
    void tabStops();
    void pictures_data();
    void pictures();
};

void TestRtfLayout::spaceBetweenParagraphs_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<double>("gapAboveB");
    QTest::addColumn<int>("emptyLines"); // single lines between a and b, beside the gap
    const QString table
        = QStringLiteral("{\\trowd\\cellx2000\\pard\\intbl a\\cell\\row\\pard\\par");
    // clang-format off
    QTest::newRow("space after and before add up") << "{\\sa200 a\\par\\sa0\\sb100 b}" << 300.0 << 0;
    QTest::newRow("automatic spacing is 14 pt whatever sb says") << "{a\\par\\sb100\\sbauto1 b}" << 280.0 << 0;
    QTest::newRow("automatic space after") << "{\\sa100\\saauto1 a\\par\\pard b}" << 280.0 << 0;
    QTest::newRow("contextual spacing kept next to another style") << "{\\s1\\contextualspace\\sa200 a\\par\\s2 b}" << 200.0 << 0;
    QTest::newRow("space before the first paragraph") << "{\\sb400 b}" << 400.0 << 0;
    QTest::newRow("a style's words before the base style's, given later in the sheet") << "{{\\stylesheet{\\s2\\sbasedon1\\sa0 Note;}{\\s1\\sb100\\sa500 Base;}}a\\par\\s2 b}" << 100.0 << 0;
    QTest::newRow("an empty paragraph after a table keeps its line") << table + " b}" << 0.0 << 1;
    QTest::newRow("under it, the next paragraph's space before") << table + "\\sb200 b}" << 200.0 << 1;
    // clang-format on
}

void TestRtfLayout::spaceBetweenParagraphs()
{
    QFETCH(QString, rtf);
    QFETCH(double, gapAboveB);
    QFETCH(int, emptyLines);
    const LaidOut laidOut(rtf);
    const QRectF a = laidOut.rectOf(QStringLiteral("a"));
    const double above = laidOut.block(QStringLiteral("a")).isValid() ? a.bottom() : 0.0;
    const double single = emptyLines ? linePitch(QStringLiteral("{a\\line b}")) : 0.0;
    QCOMPARE(qRound(laidOut.rectOf(QStringLiteral("b")).top() - above),
             qRound(gapAboveB + emptyLines * single));
}

void TestRtfLayout::leastLineSpacingKeepsTheFontsHeight()
{
    QCOMPARE(linePitch(QStringLiteral("{\\sl100 a\\line b}")),
             linePitch(QStringLiteral("{a\\line b}")));
}

void TestRtfLayout::tabStops_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<double>("share"); // of the probe's width, left of the stop
    // clang-format off
    QTest::newRow("centre: the text centred on the stop") << "{\\tqc\\tx3000 a\\tab WWW}" << "WWW" << 0.5;
    QTest::newRow("decimal: on the comma, whatever the locale") << "{\\tqdec\\tx3000 a\\tab 112,25}" << "," << 0.0;
    // clang-format on
}

// Each stop is at 3000 twips.
void TestRtfLayout::tabStops()
{
    QFETCH(QString, rtf);
    QFETCH(QString, probe);
    QFETCH(double, share);
    const LaidOut laidOut(rtf);
    const QTextBlock block = laidOut.document.begin();
    const QTextLine line = block.layout()->lineAt(0);
    const int start = int(block.text().lastIndexOf(probe));
    const double left = line.cursorToX(start);
    const double right = line.cursorToX(start + int(probe.size()));
    QCOMPARE(qRound((left + share * (right - left)) / 10), 300);
}

void TestRtfLayout::pictures_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<bool>("red");
    // clang-format off
    QTest::newRow("PNG at its goal size, scaled") << "{\\pict\\pngblip\\picw8\\pich4\\picwgoal1440\\pichgoal720\\picscalex50\\picscaley200 " + redImage("PNG") + "}x" << 720.0 << 1440.0 << true;
    QTest::newRow("JPEG at its size in pixels") << "{\\pict\\jpegblip\\picw8\\pich4 " + redImage("JPEG") + "}x" << 120.0 << 60.0 << true;
    QTest::newRow("Windows metafile, size in hundredths of a millimetre") << "{\\pict\\wmetafile8\\picw2540\\pich1270 " + redMetafile() + "}x" << 1440.0 << 720.0 << true;
    QTest::newRow("another format keeps its place") << "{\\pict\\emfblip\\picwgoal1000\\pichgoal500 0102}x" << 1000.0 << 500.0 << false;
    QTest::newRow("a picture too large to decode keeps its place") << "{\\pict\\pngblip\\picwgoal1000\\pichgoal500 " + hugePng() + "}x" << 1000.0 << 500.0 << false;
    // clang-format on
}

void TestRtfLayout::pictures()
{
    QFETCH(QString, rtf);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(bool, red);
    const LaidOut laidOut("{\\rtf1 " + rtf + "}");
    const QTextBlock block = laidOut.document.begin();
    const QTextLine line = block.layout()->lineAt(0);
    QCOMPARE(qRound(line.cursorToX(block.text().indexOf(u'x'))), qRound(width));
    // The picture stands on the baseline.
    QVERIFY2(line.ascent() >= height, qPrintable(QString::number(line.ascent())));
    const QImage image = laidOut.image();
    const QPoint middle(qRound(width / 20), qRound((line.ascent() - height / 2) / 10));
    const QColor pixel(image.pixel(middle));
    QCOMPARE(pixel.red() > 200 && pixel.green() < 60 && pixel.blue() < 60, red);
}

QTEST_MAIN(TestRtfLayout)
#include "tst_rtflayout.moc"
