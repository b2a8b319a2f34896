#include "RenderHelpers.h"
#include "WmfBuilder.h"
#include "document/metafile/MetafilePicture.h"
#include "document/metafile/WmfDocument.h"
#include "document/metafile/WmfFontBudget.h"
#include "document/metafile/WmfLimits.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace virelai;

namespace {

constexpr quint32 red = 0x0000FF;
const QRect whole(0, 0, 40, 40);

WmfBuilder redSetup()
{
    return WmfBuilder::filling(red);
}

double redShare(const QByteArray &bytes)
{
    const auto picture = metafilePictureFromBytes(bytes);
    if (!picture)
        return -1;
    return shareOfColor(renderPicture(*picture, whole.size()), whole, Qt::red);
}

// A red window with a bitmap stretched over the whole of it.
QByteArray redUnderBitmap(const QByteArray &dib)
{
    return redSetup()
        .rectangle(0, 0, 100, 100)
        .recordWithBytes(0x0F43, {0x0020, 0x00CC, 0, 1, 1, 0, 0, 100, 100, 0, 0}, dib, {})
        .bytes();
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
        builder.recordWithBytes(0x0F43, {0x0020, 0x00CC, 0, 1, 1, 0, 0, 100, 100, 0, 0},
                                runLengthDib(side, side), {});
    return builder.bytes();
}

} // namespace

class MetafileHostileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void truncatedAtEveryOffset_data();
    void truncatedAtEveryOffset();
    void outcome_data();
    void outcome();
    void decodedBitmapsShareOneBudget_data();
    void decodedBitmapsShareOneBudget();
    void fontsBeyondTheBudgetTakeTheFirst_data();
    void fontsBeyondTheBudgetTakeTheFirst();
};

// Every prefix of a real file loads or is refused without a crash; a prefix
// that holds the headers always loads and draws what it holds.
void MetafileHostileTest::truncatedAtEveryOffset_data()
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

void MetafileHostileTest::truncatedAtEveryOffset()
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
void MetafileHostileTest::outcome_data()
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
    QTest::newRow("65535 x 65535 bitmap is refused, the rest draws") << redSetup().recordWithBytes(0x0F43, {0x0020, 0x00CC, 0, 1, 1, 0, 0, 100, 100, 0, 0}, hugeBitmap, {}).rectangle(0, 0, 100, 50).bytes() << 0.5;
    // clang-format on
}

void MetafileHostileTest::outcome()
{
    QFETCH(QByteArray, bytes);
    QFETCH(double, expectedRed);
    QCOMPARE(redShare(bytes), expectedRed);
}

// Each bitmap is small in the file and large once decoded: the picture keeps
// only as many as its budget holds, in file order.
void MetafileHostileTest::decodedBitmapsShareOneBudget_data()
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

void MetafileHostileTest::decodedBitmapsShareOneBudget()
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
void MetafileHostileTest::fontsBeyondTheBudgetTakeTheFirst_data()
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

void MetafileHostileTest::fontsBeyondTheBudgetTakeTheFirst()
{
    QFETCH(int, asked);
    QFETCH(QFont, last);
    QFETCH(QFont, drawnWith);
    WmfFontBudget budget(maxFonts);
    for (int i = 0; i < asked - 1; ++i)
        budget.admit(numberedFont(i));
    QCOMPARE(budget.admit(last).key(), drawnWith.key());
}

QTEST_MAIN(MetafileHostileTest)
#include "tst_metafilehostile.moc"
