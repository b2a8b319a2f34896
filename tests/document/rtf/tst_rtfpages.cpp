// RTF documents on the surface's pages, written to PDF and read back with
// pdftotext: where pages break, and that the text reads back as written.
#include "document/surface/Surface.h"
#include "support/PageProbe.h"
#include "support/PdfText.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QImage>
#include <QRegularExpression>
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

// Where pdftotext finds a word first; page -1 when nowhere.
PdfWord findWord(const QString &pdf, const QString &word)
{
    const QList<PdfWord> words = pdfWords(pdf);
    const auto found = std::find_if(words.begin(), words.end(),
                                    [&](const PdfWord &w) { return w.text == word; });
    return found == words.end() ? PdfWord() : *found;
}

// A4 at 850 twips all round, in points.
constexpr double PageHeight = 841.89;
constexpr double Margin = 42.5;

} // namespace

class TestRtfPages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pageBreaks_data();
    void pageBreaks();
    void eachLineOnceAcrossAPageBreak_data();
    void eachLineOnceAcrossAPageBreak();
    void ligatureLettersReadBack();
    void headersAndFooters_data();
    void headersAndFooters();
    void aHeaderPushesTheTextDown_data();
    void aHeaderPushesTheTextDown();
    void theSurfacesFooterWins();
    void aHeadersPictureIsDrawn();
    void footnotesAtTheBottomOfTheirPage();

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
    // clang-format off
    QTest::newRow("page break at the end gives an empty page") << "{\\rtf1 Un\\page}" << QStringList {"Un", ""};
    QTest::newRow("leading page break leaves the first page empty") << "{\\rtf1\\pard\\qc\\page Un\\par}" << QStringList {"", "Un"};
    QTest::newRow("page break before the first paragraph adds no page") << "{\\rtf1\\pagebb Un\\par\\pard Deux}" << QStringList {"Un Deux"};
    QTest::newRow("a new section starts a new page") << "{\\rtf1 Un\\sect Deux}" << QStringList {"Un", "Deux"};
    QTest::newRow("a section that says sbknone goes on on the same page") << "{\\rtf1\\sbkpage Un\\sect\\sectd\\sbknone Deux\\sect\\sectd Trois}" << QStringList {"Un Deux", "Trois"};
    // clang-format on
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

// A text broken inside its paragraph: each page draws the lines it holds and
// none of the page before, so the PDF reads every word once, in order.
void TestRtfPages::eachLineOnceAcrossAPageBreak_data()
{
    QTest::addColumn<QString>("opening");
    QTest::addColumn<QString>("closing");
    // clang-format off
    QTest::newRow("a paragraph") << QString() << QStringLiteral("\\par");
    QTest::newRow("a table's cell") << QStringLiteral("\\trowd\\cellx9000\\pard\\intbl ") << QStringLiteral("\\cell\\row");
    // clang-format on
}

void TestRtfPages::eachLineOnceAcrossAPageBreak()
{
    QFETCH(QString, opening);
    QFETCH(QString, closing);
    QStringList words;
    for (int i = 1000; i < 1900; ++i)
        words << QStringLiteral("m%1").arg(i);
    Surface surface;
    const QString pdf
        = writeDocument("{\\rtf1 " + opening + words.join(u' ') + closing + "}", surface);
    QCOMPARE(surface.pageCount(), 2);
    QCOMPARE(pdfText(pdf).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts),
             words);
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

void TestRtfPages::headersAndFooters_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<QStringList>("pages");
    const QString footer
        = QStringLiteral("{\\footer\\pard\\qc Page {\\field{\\*\\fldinst PAGE }{\\fldrslt 9}} sur "
                         "{\\field{\\*\\fldinst NUMPAGES }{\\fldrslt 9}}\\par}");
    // clang-format off
    QTest::newRow("on every page, page number and count") << "{\\rtf1{\\header\\pard En-t\\'eate\\par}" + footer + "Un\\page Deux}" << QStringList {"En-tête Un Page 1 sur 2", "En-tête Deux Page 2 sur 2"};
    QTest::newRow("title page: the first page's own, here none") << "{\\rtf1\\titlepg{\\header\\pard Haut\\par}" + footer + "Un\\page Deux}" << QStringList {"Un", "Haut Deux Page 2 sur 2"};
    QTest::newRow("title page with a first header") << "{\\rtf1\\titlepg{\\headerf\\pard Premier\\par}{\\header\\pard Suite\\par}" "Un\\page Deux}" << QStringList {"Premier Un", "Suite Deux"};
    // clang-format on
}

void TestRtfPages::headersAndFooters()
{
    QFETCH(QString, rtf);
    QFETCH(QStringList, pages);
    Surface surface;
    const QString pdf = writeDocument(rtf, surface);
    QCOMPARE(pageWords(pdf, surface.pageCount()), pages);
}

void TestRtfPages::aHeaderPushesTheTextDown_data()
{
    QTest::addColumn<QString>("header");
    QTest::addColumn<double>("leastGap");
    QTest::addColumn<double>("mostGap");
    // clang-format off
    QTest::newRow("paragraphs: the text starts under the last one") << "\\pard\\fs40 Haut\\par Bas\\par" << -3.0 << 10.0;
    QTest::newRow("a table: under it, the paragraph that ends the header") << "\\pard\\fs40 Haut\\par\\pard\\plain\\trowd\\cellx2000\\pard\\intbl Bas\\cell\\row" << 10.0 << 20.0;
    // clang-format on
}

// The header stands at its distance from the paper's top edge; when it reaches
// below the top margin, the text starts under it.
void TestRtfPages::aHeaderPushesTheTextDown()
{
    QFETCH(QString, header);
    QFETCH(double, leastGap);
    QFETCH(double, mostGap);
    Surface surface;
    const QString pdf
        = writeDocument("{\\rtf1\\headery720{\\header" + header + "}\\pard\\plain Corps}", surface);
    const PdfWord top = findWord(pdf, QStringLiteral("Haut"));
    const PdfWord low = findWord(pdf, QStringLiteral("Bas"));
    const PdfWord body = findWord(pdf, QStringLiteral("Corps"));
    QVERIFY(qAbs(top.rect.top() - 36) < 3);
    const double gap = body.rect.top() - low.rect.bottom();
    QVERIFY2(gap > leastGap && gap < mostGap, qPrintable(QString::number(gap)));
}

void TestRtfPages::theSurfacesFooterWins()
{
    Surface surface;
    surface.setFooterText(QStringLiteral("{Pied}"));
    const QString pdf
        = writeDocument(QStringLiteral("{\\rtf1{\\footer\\pard Propre\\par}Corps}"), surface);
    QCOMPARE(pageWords(pdf, 1), QStringList {"Corps Pied"});
}

// A header's picture is drawn with it, also once its page numbers are filled in.
void TestRtfPages::aHeadersPictureIsDrawn()
{
    QImage black(8, 8, QImage::Format_RGB32);
    black.fill(Qt::black);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    black.save(&buffer, "PNG");
    Surface surface;
    writeDocument("{\\rtf1\\headery720{\\header\\pard{\\pict\\pngblip\\picwgoal400\\pichgoal400 "
                      + QString::fromLatin1(png.toHex()) + "}\\par}Corps}",
                  surface);
    // At 72 dpi, a 20-point square from 36 points down and 42.5 across.
    const QImage page = surface.renderPageImage(0, 72);
    int dark = 0;
    for (int y = 40; y < 52; ++y)
        for (int x = 46; x < 58; ++x)
            dark += qGray(page.pixel(x, y)) < 64;
    QCOMPARE(dark, 144);
}

// Each note goes under the text of the page that holds its anchor; the text
// makes room for it.
void TestRtfPages::footnotesAtTheBottomOfTheirPage()
{
    QString body;
    for (int i = 100; i < 160; ++i)
        body += QStringLiteral("Ligne %1\\par ").arg(i);
    Surface surface;
    const QString pdf = writeDocument(
        "{\\rtf1 Appel{\\super\\chftn}{\\footnote\\pard{\\super\\chftn} Premiere.}\\par " + body
            + "Second{\\super\\chftn}{\\*\\footnote\\chftn\\pard\\plain\\tab Deuxieme.}\\par}",
        surface);
    const PdfWord first = findWord(pdf, QStringLiteral("Premiere."));
    QCOMPARE(first.page, 0);
    QVERIFY(first.rect.bottom() > PageHeight - Margin - 20
            && first.rect.bottom() <= PageHeight - Margin + 3);
    QVERIFY(pdfText(pdf, 1).contains(QStringLiteral("Appel1")));
    const PdfWord second = findWord(pdf, QStringLiteral("Deuxieme."));
    QCOMPARE(second.page, 1);
    QCOMPARE(findWord(pdf, QStringLiteral("Second")).page, 1);
    // The last line of page 1 stays above its note.
    const QStringList lines = pdfText(pdf, 1).split(u'\n');
    int lastNumber = 0;
    for (const QString &line : lines) {
        if (line.trimmed().startsWith(QStringLiteral("Ligne")))
            lastNumber = line.trimmed().section(u' ', 1, 1).toInt();
    }
    QVERIFY(findWord(pdf, QString::number(lastNumber)).rect.bottom() < first.rect.top());
}

QTEST_MAIN(TestRtfPages)
#include "tst_rtfpages.moc"
