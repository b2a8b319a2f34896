#include "document/builders/PagePrimitives.h"
#include "document/surface/Surface.h"
#include "support/PagePictures.h"
#include "support/PageProbe.h"

#include <QTest>

using namespace virelai;
using namespace virelai::testing;

// The placement routines, on a page whose printable area is 950 × 2000 twips
// at (500, 400).
class TestPagePrimitives : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void placeCurseur_data();
    void placeCurseur();
    void cadreGrisPutsPenStyleBack_data();
    void cadreGrisPutsPenStyleBack();
    void placeImageLoadsNumberedFile();
    void areaIsReadAtEveryCall();

private:
    std::unique_ptr<Surface> m_surface;
};

void TestPagePrimitives::init()
{
    m_surface = std::make_unique<Surface>();
    m_surface->setPageLayout(pageInTwips(2000, 3000, QMarginsF(500, 400, 550, 600)));
    m_surface->setDocAction(Surface::NewDocument);
}

void TestPagePrimitives::placeCurseur_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("expectedX");
    QTest::addColumn<double>("expectedY");
    // clang-format off
    QTest::newRow("origin") << 0.0 << 0.0 << 500.0 << 400.0;
    QTest::newRow("far corner") << 100.0 << 100.0 << 1450.0 << 2400.0;
    QTest::newRow("fraction kept") << 1.0 << 1.0 << 509.5 << 420.0;
    // clang-format on
}

void TestPagePrimitives::placeCurseur()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, expectedX);
    QFETCH(double, expectedY);
    QCOMPARE(m_surface->MarginRight(), 550.0);
    PlaceCurseur(*m_surface, x, y);
    QCOMPARE(m_surface->CurrentX(), expectedX);
    QCOMPARE(m_surface->CurrentY(), expectedY);
}

void TestPagePrimitives::cadreGrisPutsPenStyleBack_data()
{
    QTest::addColumn<int>("penStyle");
    // clang-format off
    QTest::newRow("solid") << 0;
    QTest::newRow("dotted") << 2;
    QTest::newRow("already none") << 5;
    // clang-format on
}

void TestPagePrimitives::cadreGrisPutsPenStyleBack()
{
    QFETCH(int, penStyle);
    m_surface->setPenStyle(Surface::OutlineStyle(penStyle));
    PlaceCurseur(*m_surface, 0, 0);
    CadreGris(*m_surface, 100, 10, QStringLiteral("rappel"));
    QCOMPARE(int(m_surface->PenStyle()), penStyle);
    m_surface->setDocAction(Surface::EndDocument);
    // The grey box has no outline: its top edge is grey, not black.
    const QImage page = m_surface->renderPageImage(0, 144);
    const QRect topEdge = pixelsOf(QRectF(600, 395, 700, 10), 144);
    QCOMPARE(countPixels(page, topEdge, isInk), 0);
}

// The file name itself is the picture-file-name function's, tested with it.
void TestPagePrimitives::placeImageLoadsNumberedFile()
{
    QStringList asked;
    double x2WhenLoading = 0;
    const PictureLoader loader = [&](const QString &path) {
        asked << path;
        x2WhenLoading = m_surface->X2();
        return std::make_shared<RecordingPicture>();
    };
    QVERIFY(PlaceImage(*m_surface, 0, 0, 50, 50, 3, QStringLiteral("/opt/virelai/"), loader));
    QCOMPARE(asked, QStringList {QStringLiteral("/opt/virelai/mychart3.wmf")});
    // The rectangle is complete before the picture is loaded.
    QCOMPARE(x2WhenLoading, 500 + 475.0);
}

void TestPagePrimitives::areaIsReadAtEveryCall()
{
    PlaceCurseur(*m_surface, 100, 100);
    m_surface->setPageOrientation(Surface::Landscape);
    PlaceCurseur(*m_surface, 100, 100);
    // Landscape page 3000 × 2000 with the same margins: far corner at (2450, 1400).
    QCOMPARE(m_surface->CurrentX(), 2450.0);
    QCOMPARE(m_surface->CurrentY(), 1400.0);
}

QTEST_MAIN(TestPagePrimitives)
#include "tst_pageprimitives.moc"
