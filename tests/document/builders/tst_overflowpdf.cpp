// Pages whose advice does not fit where the page asks for it, written as PDF and
// read back word by word with pdftotext -bbox: one page per rule (a block moved
// down, boxes tightened, a box continued on the next page). Every word of the
// block is printed, inside the block, above whatever comes next.
#include "BuilderFakes.h"
#include "document/rtf/RtfReader.h"
#include "document/surface/SurfaceDocument.h"
#include "document/surface/Twips.h"
#include "support/PdfText.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

using namespace virelai;
using namespace virelai::testing;

namespace {

// The words of a PDF in twips, line by line, left to right: pdftotext reads
// the columns of a list one after the other.
QList<PdfWord> pdfWordsInLines(const QString &path)
{
    QList<PdfWord> words = pdfWords(path);
    for (PdfWord &word : words)
        word.rect = QRectF(word.rect.topLeft() * TwipsPerPoint, word.rect.size() * TwipsPerPoint);
    std::stable_sort(words.begin(), words.end(), [](const PdfWord &a, const PdfWord &b) {
        return std::tuple(a.page, a.rect.top(), a.rect.left())
            < std::tuple(b.page, b.rect.top(), b.rect.left());
    });
    return words;
}

// Punctuation standing alone is left out: PDF text extraction glues it to a
// neighbour or not, as it pleases.
QStringList wordsWithLetters(QStringList words)
{
    static const QRegularExpression letter(QStringLiteral("\\w"));
    words.removeIf([](const QString &w) { return !w.contains(letter); });
    return words;
}

// The words of a text as the page prints them; RTF is read as the page reads it.
QStringList wordsOf(const QString &text)
{
    QTextDocument document;
    QTextCursor cursor(&document);
    if (isRtfText(text))
        readRtf(text, cursor);
    else
        cursor.insertText(text);
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return wordsWithLetters(document.toPlainText().split(blanks, Qt::SkipEmptyParts));
}

// Where the parts of one block went, and what stands below each part in its column.
struct BlockParts
{
    std::vector<MappedBlock> parts;
    std::vector<double> nextTops; // per part: the top of the next block below it, or the footer's
};

BlockParts partsOf(const PageMap &map, BlockRole role)
{
    BlockParts found;
    for (const MappedBlock &part : map) {
        if (part.role != role)
            continue;
        double next = std::numeric_limits<double>::max();
        for (const MappedBlock &other : map)
            if (other.page == part.page && other.rect.top() >= part.rect.bottom()
                && other.rect.left() < part.rect.right() && part.rect.left() < other.rect.right())
                next = qMin(next, other.rect.top());
        found.parts.push_back(part);
        found.nextTops.push_back(next);
    }
    return found;
}

// The block's words read back from the PDF, in reading order; each must lie
// inside one of its parts and above what stands below that part.
QString wordsInBlock(const QList<PdfWord> &words, const BlockParts &block, QStringList &read)
{
    for (const PdfWord &word : words) {
        for (size_t i = 0; i < block.parts.size(); ++i) {
            const MappedBlock &part = block.parts[i];
            if (word.page != part.page || !part.rect.contains(word.rect.center()))
                continue;
            if (word.rect.bottom() > block.nextTops[i] || word.rect.bottom() > part.rect.bottom())
                return QStringLiteral("« %1 » runs past its block").arg(word.text);
            read << word.text;
        }
    }
    read = wordsWithLetters(read);
    return {};
}

} // namespace

class OverflowPdfTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void everyWordInsideItsBlock_data();
    void everyWordInsideItsBlock();

private:
    QTemporaryDir m_dir;
};

void OverflowPdfTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void OverflowPdfTest::everyWordInsideItsBlock_data()
{
    QTest::addColumn<Request>("request");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("phrase"); // read in the suggestion
    // clang-format off
    QTest::newRow("profile case 1 with the note: the suggestion moves the reminder down") << request(2, 1, "20", "Note", sampleText(2)) << 1 << "Note il n'y a pas de raison d'entraîner spécifiquement";
    QTest::newRow("information search: boxes tightened to fit one page") << request(9, 0, "Élèves marqués d'une croix", "la recherche d'informations", sampleText(9)) << 1 << "p 30";
    QTest::newRow("documentary texts, 200 pupils: the list goes on over further pages") << request(8, 0, "Élèves marqués d'une croix", "textes documentaires", classList(200)) << 5 << "";
    // clang-format on
}

// The suggestion, and the list when there is one, are read back whole, in
// order, inside their blocks, the list's parts one above the other; the footer
// has its page number on every page.
void OverflowPdfTest::everyWordInsideItsBlock()
{
    QFETCH(Request, request);
    QFETCH(int, pages);
    QFETCH(QString, phrase);
    const QString pdf = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()).left(20));
    BuildBench bench;
    bench.answer(request);
    QVERIFY(bench.VSPrinter1.writePdf(pdf));
    const auto document = bench.VSPrinter1.shownDocument();
    QCOMPARE(document->pageCount(), pages);
    const PageMap &map = document->pageMap();
    const QList<PdfWord> words = pdfWordsInLines(pdf);
    QStringList advice;
    QCOMPARE(wordsInBlock(words, partsOf(map, BlockRole::Suggestion), advice), QString());
    QCOMPARE(advice, wordsOf(bench.texts.Suggestion));
    QVERIFY(advice.join(u' ').contains(phrase));
    const BlockParts list = partsOf(map, BlockRole::List);
    if (!list.parts.empty()) {
        for (const MappedBlock &part : list.parts)
            QCOMPARE(part.rect.left(), list.parts.front().rect.left());
        QStringList read;
        QCOMPARE(wordsInBlock(words, list, read), QString());
        QCOMPARE(read, wordsOf(request.clipboard));
    }
    for (int page = 1; page <= pages; ++page)
        QVERIFY(std::any_of(words.begin(), words.end(), [&](const PdfWord &w) {
            return w.page == page - 1 && w.text == QStringLiteral("-%1-").arg(page);
        }));
}

QTEST_MAIN(OverflowPdfTest)
#include "tst_overflowpdf.moc"
