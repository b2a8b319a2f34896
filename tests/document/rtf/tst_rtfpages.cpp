// RTF documents on the surface's pages, written to PDF and read back with
// pdftotext: where pages break, and that the text reads back as written.
#include "../surface/SurfaceTestSupport.h"

#include <QFontDatabase>
#include <QTemporaryDir>
#include <QTest>

using namespace virelai;
using namespace virelai::testing;

namespace {

// Each page's words, separated by single spaces.
QStringList pageWords(const QString &pdf, int pageCount)
{
    QStringList pages;
    for (int page = 1; page <= pageCount; ++page)
        pages << pdfText(pdf, page).simplified();
    return pages;
}

} // namespace

class TestRtfPages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pageBreaks_data();
    void pageBreaks();
    void ligatureLettersReadBack();

private:
    QString writeDocument(const QString &rtf, Surface &surface);
    QTemporaryDir m_dir;
};

QString TestRtfPages::writeDocument(const QString &rtf, Surface &surface)
{
    surface.setDocAction(Surface::NewDocument);
    surface.setRichText(rtf);
    surface.setDocAction(Surface::EndDocument);
    const QString path = m_dir.filePath(QStringLiteral("page.pdf"));
    if (!surface.writePdf(path))
        return {};
    return path;
}

void TestRtfPages::pageBreaks_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<QStringList>("pages");
    QTest::newRow("page break between two paragraphs")
        << "{\\rtf1 Un\\par Deux\\page Trois\\par Quatre}"
        << QStringList {"Un Deux", "Trois Quatre"};
    QTest::newRow("page break at the end gives an empty page")
        << "{\\rtf1 Un\\page}" << QStringList {"Un", ""};
    QTest::newRow("leading page break leaves the first page empty")
        << "{\\rtf1\\pard\\qc\\page Un\\par}" << QStringList {"", "Un"};
    QTest::newRow("page break before a paragraph")
        << "{\\rtf1 Un\\par\\pagebb Deux\\par\\pard Trois}" << QStringList {"Un", "Deux Trois"};
    QTest::newRow("page break before the first paragraph adds no page")
        << "{\\rtf1\\pagebb Un\\par\\pard Deux}" << QStringList {"Un Deux"};
    QTest::newRow("a new section starts a new page")
        << "{\\rtf1 Un\\sect Deux}" << QStringList {"Un", "Deux"};
    QTest::newRow("a section that says sbknone goes on on the same page")
        << "{\\rtf1\\sbkpage Un\\sect\\sectd\\sbknone Deux\\sect\\sectd Trois}"
        << QStringList {"Un Deux", "Trois"};
}

void TestRtfPages::pageBreaks()
{
    QFETCH(QString, rtf);
    QFETCH(QStringList, pages);
    Surface surface;
    const QString pdf = writeDocument(rtf, surface);
    QVERIFY(!pdf.isEmpty());
    QCOMPARE(surface.pageCount(), pages.size());
    QCOMPARE(pageWords(pdf, surface.pageCount()), pages);
}

// Calibri's metric twin joins "ti" into one glyph; its letters must stay in
// the PDF's text.
void TestRtfPages::ligatureLettersReadBack()
{
    const QString family = QStringLiteral("Carlito");
    if (!QFontDatabase::families().contains(family))
        QSKIP("Carlito is not installed (scripts/install-deps installs it)");
    Surface surface;
    const QString pdf = writeDocument(
        QStringLiteral("{\\rtf1{\\fonttbl{\\f0 Carlito;}}\\f0 Utilisez la distribution}"), surface);
    QCOMPARE(pdfText(pdf).simplified(), QStringLiteral("Utilisez la distribution"));
}

QTEST_MAIN(TestRtfPages)
#include "tst_rtfpages.moc"
