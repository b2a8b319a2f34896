// Pages whose advice does not fit where the page asks for it, written as PDF and
// read back word by word with pdftotext -bbox: one page per rule (a block moved
// down, boxes tightened, a box continued on the next page). Every word of the
// block is printed, inside the block, above whatever comes next.
#include "BuilderFakes.h"
#include "document/builders/PagePrimitives.h"
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

struct Built
{
    AdviceTexts texts;
    QString clipboard;
    std::shared_ptr<const SurfaceDocument> document;
};

Built build(qint16 type, qint16 cas, const QString &p3, const QString &p4, const QString &clipboard,
            const QString &pdfPath)
{
    BuildBench bench;
    bench.request.TypeDoc = type;
    bench.request.CasSelect = cas;
    bench.request.Param3 = p3;
    bench.request.Param4 = p4;
    bench.clipboard = TextClipboard(clipboard);
    bench.answerRequest();
    bench.VSPrinter1.writePdf(pdfPath);
    return {bench.texts, clipboard, bench.VSPrinter1.shownDocument()};
}

QString classList(int pupils)
{
    QString list;
    for (int i = 1; i <= pupils; ++i)
        list += QStringLiteral("X     X    ÉLÈVE%1\r\n").arg(i);
    return list;
}

// The height the suggestion box of a landscape pupil page takes at a spacing.
double suggestionBoxHeight(const QString &text, int lineSpacing)
{
    Surface surface;
    surface.setPageOrientation(Surface::Landscape);
    surface.setLineSpacing(lineSpacing);
    surface.setIndentLeft(100);
    return surface.TextBox(text, 0, 0, printableArea(surface).widthOf(57), 0,
                           Surface::TextBoxOption::Wrap | Surface::TextBoxOption::MeasureOnly
                               | Surface::TextBoxOption::Shaded);
}

} // namespace

class OverflowPdfTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void suggestionMovesTheReminderDown();
    void boxesTightenedToFitOnePage();
    void longListContinuesOnTheNextPages();

private:
    QTemporaryDir m_dir;
};

void OverflowPdfTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

// Profile case 1 with the closing note: the suggestion runs past the reminder's
// position, so the reminder starts below it.
void OverflowPdfTest::suggestionMovesTheReminderDown()
{
    const QString pdf = m_dir.filePath(QStringLiteral("profil.pdf"));
    const Built built = build(2, 1, QStringLiteral("20"), QStringLiteral("Note"), sample(2), pdf);
    const PageMap &map = built.document->pageMap();
    QCOMPARE(built.document->pageCount(), 1);
    const BlockParts suggestion = partsOf(map, BlockRole::Suggestion);
    const BlockParts reminder = partsOf(map, BlockRole::Reminder);
    const PageGeometry &page = built.document->pageGeometry(0);
    QVERIFY(reminder.parts[0].rect.top() > page.margins.top() + 0.8 * page.printableHeight());
    QCOMPARE(reminder.parts[0].rect.top(), suggestion.parts[0].rect.bottom() + 100);
    QStringList read;
    QCOMPARE(wordsInBlock(pdfWordsInLines(pdf), suggestion, read), QString());
    QCOMPARE(read, wordsOf(built.texts.Suggestion));
    QVERIFY(read.join(u' ').contains(
        QStringLiteral("Note il n'y a pas de raison d'entraîner spécifiquement")));
}

// Information search with the sample's five pupils: at a line spacing of 150 the
// suggestion would run off the page; tightened, it fits on it.
void OverflowPdfTest::boxesTightenedToFitOnePage()
{
    const QString pdf = m_dir.filePath(QStringLiteral("recherche.pdf"));
    const Built built = build(9, 0, QStringLiteral("Élèves marqués d'une croix"),
                              QStringLiteral("la recherche d'informations"), sample(9), pdf);
    QCOMPARE(built.document->pageCount(), 1);
    const QString text = built.texts.Suggestion;
    const BlockParts suggestion = partsOf(built.document->pageMap(), BlockRole::Suggestion);
    const double height = suggestion.parts[0].rect.height();
    QVERIFY(height < suggestionBoxHeight(text, 150));
    QVERIFY(height >= suggestionBoxHeight(text, 100));
    QStringList read;
    QCOMPARE(wordsInBlock(pdfWordsInLines(pdf), suggestion, read), QString());
    QCOMPARE(read, wordsOf(text));
    QVERIFY(read.join(u' ').contains(QStringLiteral("p 30")));
}

// Documentary texts with a whole school year of 200 pupils: the list goes on
// over further pages, each name once, in order, and the advice stays whole.
void OverflowPdfTest::longListContinuesOnTheNextPages()
{
    const QString pdf = m_dir.filePath(QStringLiteral("documentaires.pdf"));
    const Built built = build(8, 0, QStringLiteral("Élèves marqués d'une croix"),
                              QStringLiteral("textes documentaires"), classList(200), pdf);
    QVERIFY(built.document->pageCount() >= 3);
    const PageMap &map = built.document->pageMap();
    const QList<PdfWord> words = pdfWordsInLines(pdf);
    const BlockParts list = partsOf(map, BlockRole::List);
    QCOMPARE(int(list.parts.size()), built.document->pageCount());
    for (const MappedBlock &part : list.parts)
        QCOMPARE(part.rect.left(), list.parts.front().rect.left());
    QStringList read;
    QCOMPARE(wordsInBlock(words, list, read), QString());
    QCOMPARE(read, wordsOf(built.clipboard));
    QStringList advice;
    QCOMPARE(wordsInBlock(words, partsOf(map, BlockRole::Suggestion), advice), QString());
    QCOMPARE(advice, wordsOf(built.texts.Suggestion));
    // The footer with its page number on every page.
    for (int page = 1; page <= built.document->pageCount(); ++page)
        QVERIFY(std::any_of(words.begin(), words.end(), [&](const PdfWord &w) {
            return w.page == page - 1 && w.text == QStringLiteral("-%1-").arg(page);
        }));
}

QTEST_MAIN(OverflowPdfTest)
#include "tst_overflowpdf.moc"
