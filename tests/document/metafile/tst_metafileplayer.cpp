#include "RenderHelpers.h"
#include "WmfBuilder.h"
#include "document/metafile/MetafilePicture.h"
#include "document/metafile/WmfTextCodec.h"

#include <QGuiApplication>
#include <QtTest>

using namespace virelai;

namespace {

constexpr quint32 red = 0x0000FF, blue = 0xFF0000; // 0x00BBGGRR

QImage render(const QByteArray &bytes, QSize size = QSize(100, 100))
{
    const auto picture = metafilePictureFromBytes(bytes);
    return picture ? renderPicture(*picture, size) : QImage();
}

} // namespace

class MetafilePlayerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowFillsTarget_data();
    void windowFillsTarget();
    void yUpwardsFlipsVertically_data();
    void yUpwardsFlipsVertically();
    void placeableBoxInOtherUnitsDoesNotChangeWindowMapping();
    void fileWithoutWindowIsMeasured();
    void centredTextIsCentred_data();
    void centredTextIsCentred();
    void restoreDcBringsBackBrush();
    void intersectClipLimitsFill();
    void excludeClipLeavesHole();
    void polygonFillModes_data();
    void polygonFillModes();
    void selectedObjectSurvivesDeletion();
    void textDecoding_data();
    void textDecoding();
    void stretchDibDrawsPixels_data();
    void stretchDibDrawsPixels();
};

// A red rectangle covering the whole window paints the whole target, whatever
// the window's units and the target's place and size.
void MetafilePlayerTest::windowFillsTarget_data()
{
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QRect>("target");
    QTest::newRow("unit window, full target") << QRect(0, 0, 1000, 500) << QRect(0, 0, 80, 40);
    QTest::newRow("offset window") << QRect(-300, 200, 600, 600) << QRect(0, 0, 50, 50);
    QTest::newRow("target inside the image") << QRect(0, 0, 100, 100) << QRect(20, 30, 40, 20);
}

void MetafilePlayerTest::windowFillsTarget()
{
    QFETCH(QRect, window);
    QFETCH(QRect, target);
    const QByteArray bytes
        = WmfBuilder()
              .window(window.x(), window.y(), window.width(), window.height())
              .solidBrush(red)
              .select(0)
              .nullPen()
              .select(1)
              .rectangle(window.left(), window.top(), window.x() + window.width(),
                         window.y() + window.height())
              .bytes();
    const auto picture = metafilePictureFromBytes(bytes);
    QVERIFY(picture);
    const QImage image = renderPicture(*picture, QSize(100, 100), target);
    QCOMPARE(shareOfColor(image, target, Qt::red), 1.0);
    // Nothing spills out of the target.
    QCOMPARE(shareOfColor(image, QRect(0, 0, 100, 100), Qt::red),
             double(target.width() * target.height()) / 10000);
}

void MetafilePlayerTest::yUpwardsFlipsVertically_data()
{
    QTest::addColumn<quint16>("mapMode");
    QTest::addColumn<qint16>("windowHeight");
    QTest::newRow("negative window height") << quint16(8) << qint16(-100);
    QTest::newRow("metric map mode") << quint16(2) << qint16(100);
}

// y grows upwards: the rectangle from y = 0 to 50 is the lower half.
void MetafilePlayerTest::yUpwardsFlipsVertically()
{
    QFETCH(quint16, mapMode);
    QFETCH(qint16, windowHeight);
    const QByteArray bytes = WmfBuilder()
                                 .record(0x0103, {mapMode})
                                 .window(0, 100, 100, windowHeight)
                                 .solidBrush(red)
                                 .select(0)
                                 .nullPen()
                                 .select(1)
                                 .rectangle(0, 0, 100, 50)
                                 .bytes();
    const QImage image = render(bytes);
    QCOMPARE(shareOfColor(image, QRect(0, 52, 100, 48), Qt::red), 1.0);
    QCOMPARE(shareOfColor(image, QRect(0, 0, 100, 48), Qt::red), 0.0);
}

void MetafilePlayerTest::placeableBoxInOtherUnitsDoesNotChangeWindowMapping()
{
    // The box says 0..10 at 96 per inch, offset; the window is what maps.
    const QByteArray bytes = WmfBuilder()
                                 .placeable(40, 40, 50, 45, 96)
                                 .window(0, 0, 1000, 1000)
                                 .solidBrush(blue)
                                 .select(0)
                                 .nullPen()
                                 .select(1)
                                 .rectangle(500, 0, 1000, 1000)
                                 .bytes();
    const QImage image = render(bytes);
    QCOMPARE(shareOfColor(image, QRect(51, 0, 49, 100), Qt::blue), 1.0);
    QCOMPARE(shareOfColor(image, QRect(0, 0, 49, 100), Qt::blue), 0.0);
}

void MetafilePlayerTest::fileWithoutWindowIsMeasured()
{
    const QByteArray bytes = WmfBuilder()
                                 .solidBrush(red)
                                 .select(0)
                                 .nullPen()
                                 .select(1)
                                 .rectangle(200, 300, 400, 400)
                                 .bytes();
    const QImage image = render(bytes);
    QVERIFY(shareOfColor(image, QRect(5, 5, 90, 90), Qt::red) > 0.99);
}

void MetafilePlayerTest::centredTextIsCentred_data()
{
    QTest::addColumn<quint16>("align");
    QTest::addColumn<double>("expectedCentre");
    QTest::newRow("TA_CENTER at the middle") << quint16(6) << 100.0;
    QTest::newRow("TA_LEFT starts at the middle") << quint16(0) << -1.0;
    QTest::newRow("TA_RIGHT ends at the middle") << quint16(2) << -2.0;
}

void MetafilePlayerTest::centredTextIsCentred()
{
    QFETCH(quint16, align);
    QFETCH(double, expectedCentre);
    const QByteArray bytes = WmfBuilder()
                                 .window(0, 0, 200, 100)
                                 .font(-30, "Arial")
                                 .select(0)
                                 .record(0x012E, {quint16(align | 24)}) // baseline
                                 .record(0x0102, {1}) // transparent
                                 .textOut(100, 60, "HHHH")
                                 .bytes();
    const QImage image = render(bytes, QSize(200, 100));
    const auto [first, last] = inkColumns(image);
    QVERIFY(first >= 0);
    if (expectedCentre > 0)
        QVERIFY(std::abs((first + last) / 2.0 - expectedCentre) <= 2);
    else if (expectedCentre == -1)
        QVERIFY(std::abs(first - 100) <= 4);
    else
        QVERIFY(std::abs(last - 100) <= 4);
}

void MetafilePlayerTest::restoreDcBringsBackBrush()
{
    const QByteArray bytes = WmfBuilder()
                                 .window(0, 0, 100, 100)
                                 .solidBrush(red)
                                 .solidBrush(blue)
                                 .nullPen()
                                 .select(2)
                                 .select(0)
                                 .record(0x001E, {}) // SAVEDC
                                 .select(1) // blue
                                 .record(0x0127, {0xFFFF}) // RESTOREDC -1: red again
                                 .rectangle(0, 0, 100, 100)
                                 .bytes();
    QCOMPARE(shareOfColor(render(bytes), QRect(0, 0, 100, 100), Qt::red), 1.0);
}

void MetafilePlayerTest::intersectClipLimitsFill()
{
    const QByteArray bytes = WmfBuilder()
                                 .window(0, 0, 100, 100)
                                 .solidBrush(red)
                                 .select(0)
                                 .nullPen()
                                 .select(1)
                                 .record(0x0416, {50, 50, 0, 0}) // bottom, right, top, left
                                 .rectangle(0, 0, 100, 100)
                                 .bytes();
    const QImage image = render(bytes);
    QCOMPARE(shareOfColor(image, QRect(0, 0, 50, 50), Qt::red), 1.0);
    QCOMPARE(shareOfColor(image, QRect(50, 0, 50, 100), Qt::red), 0.0);
}

void MetafilePlayerTest::excludeClipLeavesHole()
{
    const QByteArray bytes = WmfBuilder()
                                 .window(0, 0, 100, 100)
                                 .solidBrush(red)
                                 .select(0)
                                 .nullPen()
                                 .select(1)
                                 .record(0x0415, {60, 60, 40, 40})
                                 .rectangle(0, 0, 100, 100)
                                 .bytes();
    const QImage image = render(bytes);
    QCOMPARE(shareOfColor(image, QRect(42, 42, 16, 16), Qt::red), 0.0);
    QCOMPARE(shareOfColor(image, QRect(0, 0, 38, 100), Qt::red), 1.0);
}

// A polygon going twice around the centre: filled there with WINDING only.
void MetafilePlayerTest::polygonFillModes_data()
{
    QTest::addColumn<quint16>("mode");
    QTest::addColumn<bool>("centreFilled");
    QTest::newRow("ALTERNATE leaves the twice-wound centre empty") << quint16(1) << false;
    QTest::newRow("WINDING fills it") << quint16(2) << true;
}

void MetafilePlayerTest::polygonFillModes()
{
    QFETCH(quint16, mode);
    QFETCH(bool, centreFilled);
    // Two nested squares drawn in the same direction as one polygon.
    const QByteArray bytes
        = WmfBuilder()
              .window(0, 0, 100, 100)
              .solidBrush(red)
              .select(0)
              .nullPen()
              .select(1)
              .record(0x0106, {mode})
              .record(0x0324,
                      {9, 0, 0, 100, 0, 100, 100, 0, 100, 0, 0, 30, 30, 70, 30, 70, 70, 30, 70})
              .bytes();
    const QImage image = render(bytes);
    QCOMPARE(image.pixelColor(50, 50) == Qt::red, centreFilled);
    QCOMPARE(image.pixelColor(10, 50), QColor(Qt::red));
}

void MetafilePlayerTest::selectedObjectSurvivesDeletion()
{
    const QByteArray bytes = WmfBuilder()
                                 .window(0, 0, 100, 100)
                                 .solidBrush(red)
                                 .select(0)
                                 .record(0x01F0, {0}) // DELETEOBJECT
                                 .nullPen()
                                 .select(0) // the pen took the freed slot 0
                                 .rectangle(0, 0, 100, 100)
                                 .bytes();
    QCOMPARE(shareOfColor(render(bytes), QRect(0, 0, 100, 100), Qt::red), 1.0);
}

void MetafilePlayerTest::textDecoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("charset");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Windows-1252 accents") << QByteArray("\xE9t\xE9") << 0 << QStringLiteral("été");
    QTest::newRow("Windows-1252 euro and oe")
        << QByteArray("\x80\x9C") << 0 << QStringLiteral("€œ");
    QTest::newRow("Symbol Greek") << QByteArray("aDp") << 2 << QStringLiteral("αΔπ");
    QTest::newRow("Symbol signs") << QByteArray("\xB4\xA3\xD6") << 2 << QStringLiteral("×≤√");
}

void MetafilePlayerTest::textDecoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, charset);
    QFETCH(QString, expected);
    QCOMPARE(wmf::decodeWmfText(bytes, quint8(charset)), expected);
}

namespace {

// A STRETCHDIB record of a 2 x 2 bitmap stretched over the 100 x 100 window.
QByteArray stretchDibFile(quint16 bitCount, const QByteArray &palette, const QByteArray &pixels)
{
    QByteArray dib;
    WmfBuilder::appendDword(dib, 40);
    WmfBuilder::appendDword(dib, 2);
    WmfBuilder::appendDword(dib, 2); // bottom-up
    WmfBuilder::appendWord(dib, 1);
    WmfBuilder::appendWord(dib, bitCount);
    for (int i = 0; i < 6; ++i)
        WmfBuilder::appendDword(dib, 0);
    dib += palette + pixels;
    return WmfBuilder()
        .window(0, 0, 100, 100)
        .recordWithBytes(0x0F43, {0x0020, 0x00CC, 0, 2, 2, 0, 0, 100, 100, 0, 0}, dib, {})
        .bytes();
}

} // namespace

void MetafilePlayerTest::stretchDibDrawsPixels_data()
{
    QTest::addColumn<QByteArray>("bytes");
    // Rows are stored bottom first: the bottom row is red, blue; the top green, white.
    QTest::newRow("24 bits") << stretchDibFile(24, {},
                                               QByteArray("\x00\x00\xFF\xFF\x00\x00\x00\x00"
                                                          "\x00\xFF\x00\xFF\xFF\xFF\x00\x00",
                                                          16));
    QTest::newRow("8 bits with palette")
        << stretchDibFile(8,
                          QByteArray("\x00\x00\xFF\x00\xFF\x00\x00\x00"
                                     "\x00\xFF\x00\x00\xFF\xFF\xFF\x00",
                                     16)
                              + QByteArray(252 * 4, '\0'),
                          QByteArray("\x00\x01\x00\x00\x02\x03\x00\x00", 8));
}

void MetafilePlayerTest::stretchDibDrawsPixels()
{
    QFETCH(QByteArray, bytes);
    const QImage image = render(bytes);
    QCOMPARE(image.pixelColor(25, 75), QColor(Qt::red));
    QCOMPARE(image.pixelColor(75, 75), QColor(Qt::blue));
    QCOMPARE(image.pixelColor(25, 25), QColor(Qt::green));
    QCOMPARE(image.pixelColor(75, 25), QColor(Qt::white));
}

QTEST_MAIN(MetafilePlayerTest)
#include "tst_metafileplayer.moc"
