#include "document/surface/Surface.h"
#include "support/PagePictures.h"
#include "support/PageProbe.h"
#include "support/PdfText.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace virelai;
using namespace virelai::testing;

// The surface's own PDF: every page with its footer, nothing for no page. The
// pages the builders compose are read back by the end-to-end tests.
class TestSurfacePdf : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void footerOnEveryPage();
    void emptySurfaceWritesNothing();

private:
    QTemporaryDir m_dir;
};

namespace {

const QString Footer = QStringLiteral(
    "{\\b\\qc {-%d-}\\par}{\\fs16\\ql Suggestions p\\'e9dagogiques du : 05-12-2026 \\'e0 09:05 "
    "\\par\\fs12\\i Document r\\'e9alis\\'e9 par le logiciel 'Virelai' V2.1.0 contact}");

} // namespace

void TestSurfacePdf::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestSurfacePdf::footerOnEveryPage()
{
    Surface surface;
    surface.setDocAction(Surface::NewDocument);
    QString help = QStringLiteral("{\\rtf1\\ansi ");
    for (int i = 1; i <= 130; ++i)
        help += QStringLiteral("Ligne %1 du fichier d'aide.\\par ").arg(i);
    surface.setRichText(help + QLatin1Char('}'));
    surface.setFooterText(Footer);
    surface.setDocAction(Surface::EndDocument);
    QCOMPARE(surface.pageCount(), 3);
    const QString path = m_dir.filePath(QStringLiteral("aide.pdf"));
    QVERIFY(surface.writePdf(path));
    for (int page = 1; page <= 3; ++page) {
        const QString text = pdfText(path, page);
        QVERIFY2(text.contains(QStringLiteral("-%1-").arg(page)), qPrintable(text));
        QCOMPARE(text.count(QRegularExpression(QStringLiteral("-\\d-"))), 1);
        QVERIFY(text.contains(QStringLiteral("Suggestions pédagogiques du")));
    }
    // Every line is printed once, none lost at a page break.
    const QString all = pdfText(path);
    for (int i = 1; i <= 130; ++i)
        QCOMPARE(all.count(QStringLiteral("Ligne %1 du").arg(i)), 1);
}

void TestSurfacePdf::emptySurfaceWritesNothing()
{
    Surface surface;
    QVERIFY(!surface.writePdf(m_dir.filePath(QStringLiteral("vide.pdf"))));
}

QTEST_MAIN(TestSurfacePdf)
#include "tst_surfacepdf.moc"
