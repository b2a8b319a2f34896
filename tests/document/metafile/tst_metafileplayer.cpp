// The metafile player: where it draws, and what it makes of files written to
// harm it.
#include "WmfBuilder.h"
#include "document/metafile/MetafilePicture.h"
#include "document/metafile/WmfDocument.h"
#include "document/metafile/WmfFontBudget.h"
#include "document/metafile/WmfLimits.h"
#include "document/metafile/WmfTextCodec.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QtTest>

using namespace virelai;

namespace {

constexpr quint32 red = 0x0000FF, blue = 0xFF0000; // 0x00BBGGRR

QImage renderPicture(const virelai::PagePicture &picture, QSize size, QRectF target = QRectF())
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.draw(painter, target.isNull() ? QRectF(QPointF(0, 0), size) : target);
    painter.end();
    return image;
}

// Share of the pixels of a rectangle that have exactly this colour.
double shareOfColor(const QImage &image, const QRect &area, QColor color)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixelColor(x, y) == color;
    return double(count) / (area.width() * area.height());
}

// Horizontal extent of non-white pixels: first and last column with ink.
std::pair<int, int> inkColumns(const QImage &image)
{
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

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
    return WmfBuilder().window(0, 0, 100, 100).stretchDib(dib, 2, 2).bytes();
}

WmfBuilder redSetup()
{
    return WmfBuilder::filling(red);
}

// The share of red once drawn in 40 x 40 pixels; -1 when the bytes are refused.
double redShare(const QByteArray &bytes)
{
    const QImage image = render(bytes, QSize(40, 40));
    return image.isNull() ? -1 : shareOfColor(image, image.rect(), Qt::red);
}

// A red window with a bitmap stretched over the whole of it.
QByteArray redUnderBitmap(const QByteArray &dib)
{
    return redSetup().rectangle(0, 0, 100, 100).stretchDib(dib).bytes();
}

QByteArray sizedRecord(quint32 words, quint16 function)
{
    QByteArray bytes;
    WmfBuilder::appendDword(bytes, words);
    WmfBuilder::appendWord(bytes, function);
    return bytes;
}

// A run-length bitmap of a few bytes that claims width x height pixels.
QByteArray runLengthDib(qint32 width, qint32 height)
{
    QByteArray dib = WmfBuilder::dibHeader(width, height, 8, 1, 1); // RLE8, one colour
    WmfBuilder::appendDword(dib, 0x000000FF); // the colour
    WmfBuilder::appendWord(dib, 0x0100); // end of bitmap
    return dib;
}

QByteArray runLengthBitmaps(int count, qint32 side)
{
    WmfBuilder builder = redSetup();
    for (int i = 0; i < count; ++i)
        builder.stretchDib(runLengthDib(side, side));
    return builder.bytes();
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
    void truncatedAtEveryOffset_data();
    void truncatedAtEveryOffset();
    void outcome_data();
    void outcome();
    void decodedBitmapsShareOneBudget_data();
    void decodedBitmapsShareOneBudget();
    void fontsBeyondTheBudgetTakeTheFirst_data();
    void fontsBeyondTheBudgetTakeTheFirst();
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

// Every prefix of a real file loads or is refused without a crash; a prefix
// that holds the headers always loads and draws what it holds.
void MetafilePlayerTest::truncatedAtEveryOffset_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("headerBytes");
    // clang-format off
    QTest::newRow("shapes with a placeable header") << "fjftest.wmf" << 40;
    QTest::newRow("formula with symbol text") << "formula1.wmf" << 40;
    QTest::newRow("bitmaps and many records") << "test_libuemf_ref.wmf" << 40;
    QTest::newRow("no placeable header") << "text.wmf" << 18;
    // clang-format on
}

void MetafilePlayerTest::truncatedAtEveryOffset()
{
    QFETCH(QString, name);
    QFETCH(int, headerBytes);
    const QString sampleDir = QStringLiteral(VIRELAI_TESTDATA_DIR "/wmf/");
    if (!QDir(sampleDir).exists())
        QSKIP(qPrintable(QStringLiteral("les métafichiers de référence manquent (%1) : "
                                        "ce cas demande le dossier shared/ à côté du projet")
                             .arg(sampleDir)));
    QFile file(sampleDir + name);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // Long files: every offset near the start, then a stride, then near the end.
    const int step = bytes.size() > 4000 ? 37 : 1;
    for (qsizetype length = 0; length < bytes.size(); length += (length < 600 ? 1 : step)) {
        const auto picture = metafilePictureFromBytes(bytes.left(length));
        QCOMPARE(bool(picture), length >= headerBytes);
        if (picture)
            renderPicture(*picture, QSize(24, 24));
    }
}

// The share of red once drawn; -1 when the bytes are refused as a metafile.
void MetafilePlayerTest::outcome_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<double>("expectedRed");
    const QByteArray wrongHeaderSize(
        "\x01\x00\x0A\x00\x00\x03\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00", 18);
    const auto dib = [](qint32 width, qint32 height, quint16 bits, int bytes, quint32 colors = 0) {
        return WmfBuilder::dibHeader(width, height, bits, colors) + QByteArray(bytes, '\0');
    };
    const QByteArray square = WmfBuilder().rectangle(0, 0, 100, 100).bytes().mid(18, 14);
    const auto filled = [](WmfBuilder setup) {
        return setup.rectangle(0, 0, 100, 100).bytes();
    };
    QByteArray claimsHuge = filled(redSetup());
    claimsHuge.replace(6, 4, QByteArray("\x00\x00\x00\x80", 4));
    WmfBuilder deep = redSetup();
    for (int i = 0; i < 5000; ++i)
        deep.record(0x001E, {});
    const QByteArray hugeBitmap = WmfBuilder::dibHeader(65535, 65535, 24) + QByteArray(64, '\x11');
    // clang-format off
    QTest::newRow("sound file draws") << filled(redSetup()) << 1.0;
    QTest::newRow("record size 2 stops before what follows") << redSetup().raw(sizedRecord(2, 0x041B)).raw(square).bytes() << 0.0;
    QTest::newRow("record size 0xFFFFFFFF stops") << redSetup().raw(sizedRecord(0xFFFFFFFF, 0x041B)).raw(square).bytes() << 0.0;
    QTest::newRow("records before a bad size still draw") << redSetup().rectangle(0, 0, 100, 100).raw(sizedRecord(0xFFFFFFFF, 0x041B)).bytes() << 1.0;
    QTest::newRow("header claiming 0x80000000 words is measured, not trusted") << claimsHuge << 1.0;
    QTest::newRow("SETABORTPROC escape is not acted on") << filled(redSetup().record(0x0626, {9, 4, 0xDEAD, 0xBEEF})) << 1.0;
    QTest::newRow("object index out of range is ignored") << filled(redSetup().select(4000).select(0xFFFF)) << 1.0;
    QTest::newRow("deleted object selected changes nothing") << filled(redSetup().solidBrush(0xFF0000).record(0x01F0, {2}).select(2)) << 1.0;
    QTest::newRow("polygon claiming 65535 points is skipped") << redSetup().record(0x0324, {0xFFFF, 0, 0, 100, 0, 100, 100}).bytes() << 0.0;
    QTest::newRow("polypolygon with counts past the record draws nothing") << redSetup().record(0x0538, {2, 3, 0xFFFF, 0, 0, 100, 0, 100, 100}).bytes() << 0.0;
    QTest::newRow("text length 0xFFFF (-1) is skipped, drawing goes on") << filled(redSetup().record(0x0521, {0xFFFF, 0x4141, 10, 10})) << 1.0;
    QTest::newRow("ExtTextOut claiming a longer string than its record") << filled(redSetup().record(0x0A32, {10, 10, 0x7FFF, 0, 0x4141})) << 1.0;
    QTest::newRow("zero window extents are refused, the window stays") << filled(redSetup().record(0x020C, {0, 0}).record(0x020C, {0, 50})) << 1.0;
    QTest::newRow("zero scale factors are refused") << filled(redSetup().record(0x0410, {0, 1, 1, 1})) << 1.0;
    QTest::newRow("restoring more states than saved is ignored") << filled(redSetup().record(0x0127, {0x8000}).record(0x0127, {500})) << 1.0;
    QTest::newRow("thousands of SAVEDC are capped") << filled(deep) << 1.0;
    QTest::newRow("no object slots: the creations are lost") << WmfBuilder().window(0, 0, 100, 100).solidBrush(red).select(0).rectangle(0, 0, 100, 100).bytes(0) << 0.0;
    QTest::newRow("empty") << QByteArray() << -1.0;
    QTest::newRow("text") << QByteArray("Bonjour, ceci n'est pas une image.") << -1.0;
    QTest::newRow("placeable key without header") << QByteArray("\xD7\xCD\xC6\x9A", 4) << -1.0;
    QTest::newRow("wrong header size") << wrongHeaderSize << -1.0;
    QTest::newRow("sound records in a file above 64 MiB") << filled(redSetup()) + QByteArray(64 * 1024 * 1024, '\0') << -1.0;
    QTest::newRow("sound 1 x 1 bitmap, 24 bits, covers the red") << redUnderBitmap(dib(1, 1, 24, 4)) << 0.0;
    QTest::newRow("16384 x 16384 bitmap above the byte cap") << redUnderBitmap(dib(16384, 16384, 1, 16)) << 1.0;
    QTest::newRow("bitmap of negative width") << redUnderBitmap(dib(-4, 4, 24, 64)) << 1.0;
    QTest::newRow("bitmap of height INT_MIN") << redUnderBitmap(dib(4, INT_MIN, 24, 64)) << 1.0;
    QTest::newRow("bitmap pixels missing") << redUnderBitmap(dib(8, 8, 24, 10)) << 1.0;
    QTest::newRow("bitmap palette larger than the data") << redUnderBitmap(dib(1, 1, 8, 8, 0x40000000)) << 1.0;
    QTest::newRow("bitmap bit count 7") << redUnderBitmap(dib(1, 1, 7, 8)) << 1.0;
    QTest::newRow("bitmap header size past the data") << redUnderBitmap(QByteArray("\xFF\xFF\xFF\x7F", 4) + QByteArray(40, '\0')) << 1.0;
    QTest::newRow("65535 x 65535 bitmap is refused, the rest draws") << redSetup().stretchDib(hugeBitmap).rectangle(0, 0, 100, 50).bytes() << 0.5;
    // clang-format on
}

void MetafilePlayerTest::outcome()
{
    QFETCH(QByteArray, bytes);
    QFETCH(double, expectedRed);
    QCOMPARE(redShare(bytes), expectedRed);
}

// Each bitmap is small in the file and large once decoded: the picture keeps
// only as many as its budget holds, in file order.
void MetafilePlayerTest::decodedBitmapsShareOneBudget_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("decodedCount");
    // clang-format off
    QTest::newRow("three small bitmaps all decoded") << runLengthBitmaps(3, 64) << 3;
    QTest::newRow("4096 x 4096 fills the budget of one bitmap") << runLengthBitmaps(1, 4096) << 1;
    QTest::newRow("4097 x 4097 is above it") << runLengthBitmaps(1, 4097) << 0;
    QTest::newRow("thousands of 4096 x 4096: two decoded") << runLengthBitmaps(2000, 4096) << 2;
    // clang-format on
}

void MetafilePlayerTest::decodedBitmapsShareOneBudget()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, decodedCount);
    const auto document = readWmfDocument(bytes);
    QVERIFY(document);
    QCOMPARE(int(document->images.size()), decodedCount);
}

QFont numberedFont(int number, int pixelSize = 12)
{
    QFont font(QStringLiteral("Face %1").arg(number));
    font.setPixelSize(pixelSize);
    return font;
}

// Fonts are asked for in order 0, 1, 2...; the last one asked for is checked.
void MetafilePlayerTest::fontsBeyondTheBudgetTakeTheFirst_data()
{
    QTest::addColumn<int>("asked");
    QTest::addColumn<QFont>("last");
    QTest::addColumn<QFont>("drawnWith");
    // clang-format off
    QTest::newRow("the 64th is still its own") << 64 << numberedFont(63) << numberedFont(63);
    QTest::newRow("the 65th takes the first") << 65 << numberedFont(64) << numberedFont(0);
    QTest::newRow("a known one stays itself when full") << 100 << numberedFont(5) << numberedFont(5);
    QTest::newRow("another size is another font") << 65 << numberedFont(5, 40) << numberedFont(0);
    // clang-format on
}

void MetafilePlayerTest::fontsBeyondTheBudgetTakeTheFirst()
{
    QFETCH(int, asked);
    QFETCH(QFont, last);
    QFETCH(QFont, drawnWith);
    WmfFontBudget budget(maxFonts);
    for (int i = 0; i < asked - 1; ++i)
        budget.admit(numberedFont(i));
    QCOMPARE(budget.admit(last).key(), drawnWith.key());
}

QTEST_MAIN(MetafilePlayerTest)
#include "tst_metafileplayer.moc"
