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

// A red box over the given setup's window, drawn without an outline.
QByteArray redBox(WmfBuilder setup, QRect box)
{
    return setup.solidBrush(red)
        .select(0)
        .nullPen()
        .select(1)
        .rectangle(box.left(), box.top(), box.left() + box.width(), box.top() + box.height())
        .bytes();
}

// A STRETCHDIB record of a 2 x 2 bitmap stretched over the 100 x 100 window.
QByteArray stretchDibFile(quint16 bitCount, const QByteArray &palette, const QByteArray &pixels)
{
    const QByteArray dib = WmfBuilder::dibHeader(2, 2, bitCount) + palette + pixels; // bottom-up
    return WmfBuilder()
        .window(0, 0, 100, 100)
        .recordWithBytes(0x0F43, {0x0020, 0x00CC, 0, 2, 2, 0, 0, 100, 100, 0, 0}, dib, {})
        .bytes();
}

} // namespace

class MetafilePlayerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void redLandsWhereDrawn_data();
    void redLandsWhereDrawn();
    void alignedText_data();
    void alignedText();
    void textDecoding_data();
    void textDecoding();
    void stretchDibDrawsPixels_data();
    void stretchDibDrawsPixels();
};

// Mapping, device-context state and clipping, seen through where a red fill lands
// in a 100 x 100 image, drawn whole or into a target.
void MetafilePlayerTest::redLandsWhereDrawn_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QRect>("target");
    QTest::addColumn<QRect>("redArea"); // wholly red
    QTest::addColumn<QRect>("clearArea"); // without red; empty when there is none
    const QRect all(0, 0, 100, 100), none;
    const auto window = [](QRect w) {
        return redBox(WmfBuilder().window(w.x(), w.y(), w.width(), w.height()), w);
    };
    const auto mapped = [](quint16 mapMode, qint16 windowHeight) {
        return WmfBuilder().record(0x0103, {mapMode}).window(0, 100, 100, windowHeight);
    };
    // Two nested squares drawn in the same direction as one polygon.
    const auto twiceWound = [](quint16 mode) {
        return WmfBuilder::filling(red)
            .record(0x0106, {mode})
            .record(0x0324,
                    {9, 0, 0, 100, 0, 100, 100, 0, 100, 0, 0, 30, 30, 70, 30, 70, 70, 30, 70})
            .bytes();
    };
    const QByteArray restored = WmfBuilder()
                                    .window(0, 0, 100, 100)
                                    .solidBrush(red)
                                    .solidBrush(blue)
                                    .nullPen()
                                    .select(2)
                                    .select(0)
                                    .record(0x001E, {})
                                    .select(1)
                                    .record(0x0127, {0xFFFF}) // SAVEDC, blue, RESTOREDC -1
                                    .rectangle(0, 0, 100, 100)
                                    .bytes();
    const QByteArray reusedSlot = WmfBuilder()
                                      .window(0, 0, 100, 100)
                                      .solidBrush(red)
                                      .select(0)
                                      .record(0x01F0, {0})
                                      .nullPen()
                                      .select(0) // DELETEOBJECT: the pen takes the freed slot 0
                                      .rectangle(0, 0, 100, 100)
                                      .bytes();
    // clang-format off
    QTest::newRow("unit window, part of the target") << window({0, 0, 1000, 500}) << QRect(0, 0, 80, 40) << QRect(0, 0, 80, 40) << QRect(80, 40, 20, 60);
    QTest::newRow("offset window") << window({-300, 200, 600, 600}) << all << all << none;
    QTest::newRow("target inside the image") << window({0, 0, 100, 100}) << QRect(20, 30, 40, 20) << QRect(20, 30, 40, 20) << QRect(0, 0, 20, 100);
    QTest::newRow("negative window height: y upwards") << redBox(mapped(8, -100), {0, 0, 100, 50}) << all << QRect(0, 52, 100, 48) << QRect(0, 0, 100, 48);
    QTest::newRow("metric map mode: y upwards") << redBox(mapped(2, 100), {0, 0, 100, 50}) << all << QRect(0, 52, 100, 48) << QRect(0, 0, 100, 48);
    QTest::newRow("placeable box in other units: the window maps") << redBox(WmfBuilder().placeable(40, 40, 50, 45, 96).window(0, 0, 1000, 1000), {500, 0, 500, 1000}) << all << QRect(51, 0, 49, 100) << QRect(0, 0, 49, 100);
    QTest::newRow("file without a window is measured") << redBox(WmfBuilder(), {200, 300, 200, 100}) << all << QRect(5, 5, 90, 90) << none;
    QTest::newRow("intersected clip limits the fill") << WmfBuilder::filling(red).record(0x0416, {100, 50, 40, 0}).rectangle(0, 0, 100, 100).bytes() << all << QRect(0, 40, 50, 60) << QRect(0, 0, 100, 38);
    QTest::newRow("excluded clip leaves a hole") << WmfBuilder::filling(red).record(0x0415, {60, 60, 40, 40}).rectangle(0, 0, 100, 100).bytes() << all << QRect(0, 0, 38, 100) << QRect(42, 42, 16, 16);
    QTest::newRow("ALTERNATE leaves a twice-wound centre empty") << twiceWound(1) << all << QRect(10, 50, 1, 1) << QRect(50, 50, 1, 1);
    QTest::newRow("WINDING fills it") << twiceWound(2) << all << QRect(50, 50, 1, 1) << none;
    QTest::newRow("RESTOREDC brings back the saved brush") << restored << all << all << none;
    QTest::newRow("a selected object outlives its deletion") << reusedSlot << all << all << none;
    // clang-format on
}

void MetafilePlayerTest::redLandsWhereDrawn()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QRect, target);
    QFETCH(QRect, redArea);
    QFETCH(QRect, clearArea);
    const auto picture = metafilePictureFromBytes(bytes);
    QVERIFY(picture);
    const QImage image = renderPicture(*picture, QSize(100, 100), target);
    QCOMPARE(shareOfColor(image, redArea, Qt::red), 1.0);
    if (!clearArea.isEmpty())
        QCOMPARE(shareOfColor(image, clearArea, Qt::red), 0.0);
}

// Text at x = 100 of a 200-wide window, by its horizontal alignment: where its
// ink starts or ends, or its middle.
void MetafilePlayerTest::alignedText_data()
{
    QTest::addColumn<quint16>("align");
    QTest::addColumn<int>("whichEdge"); // -1 first ink column, 0 middle, 1 last
    // clang-format off
    QTest::newRow("TA_CENTER at the middle") << quint16(6) << 0;
    QTest::newRow("TA_LEFT starts at the middle") << quint16(0) << -1;
    QTest::newRow("TA_RIGHT ends at the middle") << quint16(2) << 1;
    // clang-format on
}

void MetafilePlayerTest::alignedText()
{
    QFETCH(quint16, align);
    QFETCH(int, whichEdge);
    const QByteArray bytes = WmfBuilder()
                                 .window(0, 0, 200, 100)
                                 .font(-30, "Arial")
                                 .select(0)
                                 .record(0x012E, {quint16(align | 24)}) // baseline
                                 .record(0x0102, {1}) // transparent
                                 .textOut(100, 60, "HHHH")
                                 .bytes();
    const auto [first, last] = inkColumns(render(bytes, QSize(200, 100)));
    QVERIFY(first >= 0);
    const double edge = whichEdge < 0 ? first : whichEdge > 0 ? last : (first + last) / 2.0;
    QVERIFY2(std::abs(edge - 100) <= (whichEdge == 0 ? 2 : 4), qPrintable(QString::number(edge)));
}

void MetafilePlayerTest::textDecoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("charset");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("Windows-1252") << QByteArray("\xE9t\xE9\x80\x9C") << 0 << QStringLiteral("été€œ");
    QTest::newRow("Symbol") << QByteArray("aD\xB4\xA3") << 2 << QStringLiteral("αΔ×≤");
    // clang-format on
}

void MetafilePlayerTest::textDecoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, charset);
    QTEST(decodeWmfText(bytes, quint8(charset)), "expected");
}

void MetafilePlayerTest::stretchDibDrawsPixels_data()
{
    QTest::addColumn<QByteArray>("bytes");
    // Rows are stored bottom first: the bottom row is red, blue; the top green, white.
    const QByteArray palette("\x00\x00\xFF\x00\xFF\x00\x00\x00\x00\xFF\x00\x00\xFF\xFF\xFF\x00",
                             16);
    // clang-format off
    QTest::newRow("24 bits") << stretchDibFile(24, {}, QByteArray("\x00\x00\xFF\xFF\x00\x00\x00\x00\x00\xFF\x00\xFF\xFF\xFF\x00\x00", 16));
    QTest::newRow("8 bits with palette") << stretchDibFile(8, palette + QByteArray(252 * 4, '\0'), QByteArray("\x00\x01\x00\x00\x02\x03\x00\x00", 8));
    // clang-format on
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
