// Pictures ({\pict}) in the line, at the size the RTF gives them, drawn by
// Qt's image readers or the program's metafile player.
#include "../metafile/WmfBuilder.h"
#include "RtfTestDocument.h"

#include <QBuffer>
#include <QPainter>
#include <QTest>

using namespace virelai;
using namespace virelai::testing;

namespace {

constexpr double TextWidth = 9000;

QString hexOf(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return QString::fromLatin1(bytes.toHex());
}

QString redImage(const char *format)
{
    QImage image(8, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    return hexOf(image, format);
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

struct LaidOut
{
    QTextDocument document;
    explicit LaidOut(const QString &rtf) { readAndLayOut(document, rtf, TextWidth); }
    QTextLine firstLine() const { return document.begin().layout()->lineAt(0); }
    // Where the text after the picture starts.
    double afterPicture() const
    {
        return firstLine().cursorToX(document.begin().text().indexOf(u'x'));
    }
    // Drawn at one pixel for 10 twips.
    QImage image() const
    {
        QImage image(int(TextWidth / 10), 300, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(0.1, 0.1);
        document.documentLayout()->draw(&painter, {});
        return image;
    }
};

} // namespace

class TestRtfPictures : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pictures_data();
    void pictures();
    void onlyTheShapePictureIsShown();
};

void TestRtfPictures::pictures_data()
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

void TestRtfPictures::pictures()
{
    QFETCH(QString, rtf);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(bool, red);
    const LaidOut laidOut("{\\rtf1 " + rtf + "}");
    QCOMPARE(qRound(laidOut.afterPicture()), qRound(width));
    // The picture stands on the baseline.
    const QTextLine line = laidOut.firstLine();
    QVERIFY2(line.ascent() >= height, qPrintable(QString::number(line.ascent())));
    const QImage image = laidOut.image();
    const QPoint middle(qRound(width / 20), qRound((line.ascent() - height / 2) / 10));
    const QColor pixel(image.pixel(middle));
    QCOMPARE(pixel.red() > 200 && pixel.green() < 60 && pixel.blue() < 60, red);
}

// Word processors write a picture twice: the one to show, and a metafile for
// readers that cannot show it.
void TestRtfPictures::onlyTheShapePictureIsShown()
{
    const LaidOut laidOut("{\\rtf1{\\*\\shppict{\\pict{\\*\\picprop{\\sp{\\sn wzName}{\\sv a}}}"
                          "\\pngblip\\picwgoal300\\pichgoal300 "
                          + redImage("PNG") + "}}{\\nonshppict{\\pict\\wmetafile8 " + redMetafile()
                          + "}}x}");
    QCOMPARE(laidOut.document.toPlainText(), QString(QChar::ObjectReplacementCharacter) + "x");
    QCOMPARE(qRound(laidOut.afterPicture()), 300);
}

QTEST_MAIN(TestRtfPictures)
#include "tst_rtfpictures.moc"
