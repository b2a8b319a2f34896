// The chart drawn straight onto an image and the same chart played back from the
// metafile the program writes must look alike.
#include "MemoryWriter.h"
#include "chart/MajDataGraph.h"
#include "chart/TChart.h"
#include "chart/drawing/ChartPainter.h"
#include "document/metafile/MetafilePicture.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace virelai;

namespace {

QImage drawnDirectly(const TChart &chart)
{
    QImage image(ChartSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    drawChart(painter, chart);
    return image;
}

QImage playedBack(const QByteArray &metafile)
{
    const auto picture = metafilePictureFromBytes(metafile);
    if (!picture)
        return QImage();
    QImage image(ChartSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture->draw(painter, QRectF(QPointF(0, 0), QSizeF(ChartSize)));
    return image;
}

bool close(QRgb a, QRgb b)
{
    constexpr int tolerance = 48; // text is smoothed differently by the two roads
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance
        && qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

// Pixels of this colour whose four neighbours have it too: inside a bar, where
// rounding cannot reach.
QList<QPoint> interior(const QImage &image, QRgb colour)
{
    QList<QPoint> found;
    for (int y = 1; y + 1 < image.height(); ++y)
        for (int x = 1; x + 1 < image.width(); ++x)
            if (image.pixel(x, y) == colour && image.pixel(x - 1, y) == colour
                && image.pixel(x + 1, y) == colour && image.pixel(x, y - 1) == colour
                && image.pixel(x, y + 1) == colour)
                found.append(QPoint(x, y));
    return found;
}

} // namespace

class TestChartRoundTrip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void metafileLooksLikeTheChart_data();
    void metafileLooksLikeTheChart();
};

void TestChartRoundTrip::metafileLooksLikeTheChart_data()
{
    QTest::addColumn<QString>("data");
    QTest::addColumn<int>("type");
    QTest::addColumn<QList<QRgb>>("barColours");
    QTest::newRow("class and national average")
        << QStringLiteral("1|2|3{Moyenne de la classe}{Classe}{2.5,3.1,1.8}{0,0,255}"
                          "{Lecture,Compréhension,Vitesse}{Moyenne nationale}{2.9,2.7,2.2}"
                          "{255,0,0}{Lecture,Compréhension,Vitesse}")
        << 1 << QList<QRgb> {qRgb(0, 0, 255), qRgb(255, 0, 0)};
    QTest::newRow("one series in grey, bars beyond the axis")
        << QStringLiteral("1|1|4{Élèves}{Classe}{1,9,-2,3}{0,200,0}{A,B,C,D}") << 1
        << QList<QRgb> {qRgb(128, 128, 128)};
    QTest::newRow("type 10 with footer")
        << QStringLiteral("1|2|2{Types}{Classe}{12,18}{0,128,0}{Inférence,Lexique}{Nationale}"
                          "{10,15}{128,0,128}{Inférence,Lexique}")
        << 10 << QList<QRgb> {qRgb(0, 128, 0), qRgb(128, 0, 128)};
}

void TestChartRoundTrip::metafileLooksLikeTheChart()
{
    QFETCH(QString, data);
    QFETCH(int, type);
    QFETCH(QList<QRgb>, barColours);
    TChart chart;
    MemoryWriter writer;
    const ChartRequest request {qint16(type), "20", "20", QStringLiteral("Pied de graphique")};
    const auto result = MajDataGraph(data, request, chart, "/x/", writer);
    QVERIFY(!result.failure.has_value());

    const QImage direct = drawnDirectly(chart);
    const QImage played = playedBack(result.writtenPictures.value(1));
    QVERIFY2(!played.isNull(), "the player refused our metafile");
    qsizetype equal = 0;
    for (int y = 0; y < direct.height(); ++y)
        for (int x = 0; x < direct.width(); ++x)
            equal += close(direct.pixel(x, y), played.pixel(x, y));
    const double share = double(equal) / double(direct.width() * direct.height());
    QVERIFY2(share > 0.95, qPrintable(QString::number(share)));

    for (QRgb colour : barColours) {
        const QList<QPoint> inside = interior(direct, colour);
        QVERIFY2(inside.size() > 50, "the bar colour was not drawn");
        const auto exact = std::count_if(inside.begin(), inside.end(),
                                         [&](QPoint p) { return played.pixel(p) == colour; });
        QVERIFY2(exact >= inside.size() * 98 / 100,
                 qPrintable(QStringLiteral("%1 of %2").arg(exact).arg(inside.size())));
    }
}

QTEST_MAIN(TestChartRoundTrip)
#include "tst_chartroundtrip.moc"
