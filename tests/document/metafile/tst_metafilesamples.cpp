#include "ImageComparison.h"
#include "RenderHelpers.h"
#include "document/metafile/MetafilePicture.h"

#include <QDir>
#include <QtTest>

using namespace virelai;
using namespace imagecomparison;

namespace {

const QString sampleDir = QStringLiteral(VIRELAI_TESTDATA_DIR "/wmf/");
// Calibrated on the eighteen samples (largest distance seen: see the report of
// the test run with -v2); a rendering of the wrong picture lies far above.
constexpr double greyThreshold = 30;

QImage ourRendering(const QString &name, QSize size)
{
    const auto picture = loadMetafilePicture(sampleDir + name + QStringLiteral(".wmf"));
    if (!picture)
        return {};
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    picture->draw(painter, QRectF(QPointF(0, 0), size));
    painter.end();
    return trimmed(image);
}

QImage reference(const QString &name)
{
    return trimmed(QImage(sampleDir + name + QStringLiteral(".libreoffice.png"))
                       .convertToFormat(QImage::Format_RGB32));
}

} // namespace

class MetafileSamplesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (!QDir(sampleDir).exists())
            QSKIP(qPrintable(QStringLiteral("les métafichiers de référence manquent (%1) : "
                                            "ce test demande le dossier shared/ à côté du projet")
                                 .arg(sampleDir)));
    }
    void resemblesReference_data();
    void resemblesReference();
    void differsFromOtherPictures_data();
    void differsFromOtherPictures();
};

void MetafileSamplesTest::resemblesReference_data()
{
    QTest::addColumn<QString>("name");
    const QStringList files = QDir(sampleDir).entryList({QStringLiteral("*.wmf")}, QDir::Files);
    QVERIFY(files.size() >= 18);
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << QFileInfo(file).completeBaseName();
}

void MetafileSamplesTest::resemblesReference()
{
    QFETCH(QString, name);
    const QImage wanted = reference(name);
    QVERIFY(!wanted.isNull());
    const QImage ours = ourRendering(name, QImage(sampleDir + name + ".libreoffice.png").size());
    QVERIFY2(!ours.isNull(), "nothing drawn");
    const double distance = greyDistance(wanted, ours);
    qDebug("%s: grey distance %.1f", qPrintable(name), distance);
    QVERIFY2(distance < greyThreshold, qPrintable(QString::number(distance)));
    QCOMPARE(missingColors(wanted, ours), 0);
}

// The comparison must be able to fail: our rendering of one sample against
// the reference of another.
void MetafileSamplesTest::differsFromOtherPictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("other");
    QTest::newRow("shapes against a formula") << "fjftest"
                                              << "formula3";
    QTest::newRow("drawing against a chart page") << "2doorvan"
                                                  << "test_libuemf_ref";
    QTest::newRow("arrow against text") << "arrow01"
                                        << "text";
}

void MetafileSamplesTest::differsFromOtherPictures()
{
    QFETCH(QString, name);
    QFETCH(QString, other);
    const QImage wanted = reference(other);
    const QImage ours = ourRendering(name, QImage(sampleDir + other + ".libreoffice.png").size());
    QVERIFY(greyDistance(wanted, ours) >= greyThreshold || missingColors(wanted, ours) > 0);
}

QTEST_MAIN(MetafileSamplesTest)
#include "tst_metafilesamples.moc"
