// RTF documents on the surface's pages, written to PDF and read back with
// pdftotext: where pages break, headers and footers, and that the text reads
// back as written.
#include "RtfTestDocument.h"
#include "document/surface/Surface.h"
#include "support/PdfText.h"

#include <QFontDatabase>
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
    void eachLineOnceAcrossAPageBreak_data();
    void eachLineOnceAcrossAPageBreak();
    void pages_data();
    void pages();
    void aHeaderPushesTheTextDown_data();
    void aHeaderPushesTheTextDown();
    void aHeadersPictureIsDrawn();
    void ligatureLettersReadBack();
    void textMakesRoomForItsNotes();

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

void TestRtfPages::pages_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<QString>("surfaceFooter");
    QTest::addColumn<QStringList>("pages");
    // clang-format off
    QTest::newRow("page break at the end gives an empty page") << "{\\rtf1 Un\\page}" << QString() << QStringList {"Un", ""};
    QTest::newRow("leading page break leaves the first page empty") << "{\\rtf1\\pard\\qc\\page Un\\par}" << QString() << QStringList {"", "Un"};
    QTest::newRow("page break before the first paragraph adds no page") << "{\\rtf1\\pagebb Un\\par\\pard Deux}" << QString() << QStringList {"Un Deux"};
    QTest::newRow("a new section starts a new page") << "{\\rtf1 Un\\sect Deux}" << QString() << QStringList {"Un", "Deux"};
    QTest::newRow("a section that says sbknone goes on on the same page") << "{\\rtf1\\sbkpage Un\\sect\\sectd\\sbknone Deux\\sect\\sectd Trois}" << QString() << QStringList {"Un Deux", "Trois"};
    QTest::newRow("page number and count in a footer") << "{\\rtf1{\\footer\\pard Page {\\field{\\*\\fldinst PAGE }{\\fldrslt 9}} sur {\\field{\\*\\fldinst NUMPAGES }{\\fldrslt 9}}\\par}Un\\page Deux}" << QString() << QStringList {"Un Page 1 sur 2", "Deux Page 2 sur 2"};
    QTest::newRow("title page with a first header") << "{\\rtf1\\titlepg{\\headerf\\pard Premier\\par}{\\header\\pard Suite\\par}Un\\page Deux}" << QString() << QStringList {"Premier Un", "Suite Deux"};
    QTest::newRow("the surface's footer wins over the text's own") << "{\\rtf1{\\footer\\pard Propre\\par}Corps}" << "{Pied}" << QStringList {"Corps Pied"};
    // clang-format on
}

void TestRtfPages::pages()
{
    QFETCH(QString, rtf);
    QFETCH(QString, surfaceFooter);
    QFETCH(QStringList, pages);
    Surface surface;
    if (!surfaceFooter.isEmpty())
        surface.setFooterText(surfaceFooter);
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

// A header's picture is drawn with it, also once its page numbers are filled in.
void TestRtfPages::aHeadersPictureIsDrawn()
{
    QImage black(8, 8, QImage::Format_RGB32);
    black.fill(Qt::black);
    Surface surface;
    writeDocument("{\\rtf1\\headery720{\\header\\pard{\\pict\\pngblip\\picwgoal400\\pichgoal400 "
                      + pictureHex(black, "PNG") + "}\\par}Corps}",
                  surface);
    // At 72 dpi, a 20-point square from 36 points down and 42.5 across.
    const QImage page = surface.renderPageImage(0, 72);
    int dark = 0;
    for (int y = 40; y < 52; ++y)
        for (int x = 46; x < 58; ++x)
            dark += qGray(page.pixel(x, y)) < 64;
    QCOMPARE(dark, 144);
}

// Calibri's metric twin joins "ti" into one glyph; its letters must stay in
// the PDF's text.
void TestRtfPages::ligatureLettersReadBack()
{
    if (!QFontDatabase::families().contains(QStringLiteral("Carlito")))
        QSKIP("Carlito is not installed (scripts/install-deps installs it)");
    Surface surface;
    const QString pdf = writeDocument(
        QStringLiteral("{\\rtf1{\\fonttbl{\\f0 Carlito;}}\\f0 Utilisez la distribution}"), surface);
    QCOMPARE(pdfText(pdf).simplified(), QStringLiteral("Utilisez la distribution"));
}

// Each note goes under the text of the page that holds its anchor; the text
// makes room for it.
void TestRtfPages::textMakesRoomForItsNotes()
{
    QString body;
    for (int i = 100; i < 160; ++i)
        body += QStringLiteral("Ligne %1\\par ").arg(i);
    Surface surface;
    const QString pdf
        = writeDocument("{\\rtf1 Appel{\\super\\chftn}{\\footnote\\pard Premiere.}\\par " + body
                            + "Second{\\super\\chftn}{\\footnote Deuxieme.}}",
                        surface);
    const PdfWord first = findWord(pdf, QStringLiteral("Premiere."));
    QCOMPARE(first.page, 0);
    QVERIFY(first.rect.bottom() > PageHeight - Margin - 20
            && first.rect.bottom() <= PageHeight - Margin + 3);
    QCOMPARE(findWord(pdf, QStringLiteral("Deuxieme.")).page, 1);
    for (const PdfWord &word : pdfWords(pdf)) {
        if (word.page == 0 && word.text != first.text)
            QVERIFY(word.rect.bottom() < first.rect.top());
    }
}

QTEST_MAIN(TestRtfPages)
#include "tst_rtfpages.moc"
