#include "document/rtf/RtfReader.h"
#include "document/surface/TextPieces.h"
#include "document/surface/TwipsDevice.h"

#include <QAbstractTextDocumentLayout>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

using namespace virelai;

// Texts too tall for one layout are cut into pieces that Qt can lay out.
class TestTextPieces : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pieces_data();
    void pieces();
    void tablesAndPictures_data();
    void tablesAndPictures();
};

namespace {

std::shared_ptr<QTextDocument> emptyDocument()
{
    auto document = std::make_shared<QTextDocument>();
    document->documentLayout()->setPaintDevice(twipsPaintDevice());
    document->setPageSize(QSizeF(0, 0));
    return document;
}

// count paragraphs of the given text, each at pointSize.
std::shared_ptr<QTextDocument> documentOf(int count, const QString &paragraph, double pointSize,
                                          double spacing)
{
    auto document = emptyDocument();
    QTextCharFormat format;
    format.setFontPointSize(pointSize);
    QTextBlockFormat block;
    block.setTopMargin(spacing);
    block.setBottomMargin(spacing);
    QTextCursor cursor(document.get());
    cursor.setBlockFormat(block);
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            cursor.insertBlock(block);
        cursor.insertText(paragraph.contains(u'%') ? paragraph.arg(i) : paragraph, format);
    }
    return document;
}

// The pieces' text joined again; a piece that ends at a paragraph end adds no
// empty line of its own.
QString joined(const std::vector<std::shared_ptr<QTextDocument>> &pieces, const QString &seam)
{
    QStringList texts;
    for (const auto &piece : pieces)
        texts << piece->toPlainText();
    return texts.join(seam);
}

QString repeated(const QString &part, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += part.arg(i);
    return text;
}

int tableRows(const QTextDocument &document)
{
    int rows = 0;
    for (QTextFrame *frame : document.rootFrame()->childFrames()) {
        if (const auto *table = qobject_cast<QTextTable *>(frame))
            rows += table->rows();
    }
    return rows;
}

} // namespace

void TestTextPieces::pieces_data()
{
    QTest::addColumn<int>("paragraphs");
    QTest::addColumn<QString>("paragraph");
    QTest::addColumn<double>("pointSize");
    QTest::addColumn<double>("spacing");
    QTest::addColumn<bool>("cutAtParagraphEnds");
    // clang-format off
    QTest::newRow("a page of text stays whole") << 40 << "Ligne %1 du fichier d'aide." << 12.0 << 0.0 << true;
    QTest::newRow("thousands of huge lines") << 1200 << "%1" << 400.0 << 0.0 << true;
    QTest::newRow("one paragraph too tall alone") << 1 << QString(60000, u'x') + "%1" << 200.0 << 0.0 << false;
    QTest::newRow("paragraphs spaced by the largest spacing") << 300 << "p%1" << 12.0 << 31680.0 << true;
    QTest::newRow("empty lines of a pupil list") << 40000 << "" << 10.0 << 0.0 << true;
    QTest::newRow("empty paragraphs with the largest spacing") << 21 << "" << 12.0 << 31680.0 << true;
    QTest::newRow("spacing far beyond any page") << 3 << "p%1" << 12.0 << 2.0e6 << true;
    // clang-format on
}

void TestTextPieces::pieces()
{
    QFETCH(int, paragraphs);
    QFETCH(QString, paragraph);
    QFETCH(double, pointSize);
    QFETCH(double, spacing);
    QFETCH(bool, cutAtParagraphEnds);
    const auto document = documentOf(paragraphs, paragraph, pointSize, spacing);
    const QString whole = document->toPlainText();
    const auto pieces = splitIntoPieces(document, emptyDocument);

    const bool fitsInOne = paragraphs == 40;
    QCOMPARE(pieces.size() == 1, fitsInOne);
    if (fitsInOne)
        QCOMPARE(pieces.front(), document);
    QCOMPARE(joined(pieces, cutAtParagraphEnds ? QStringLiteral("\n") : QString()), whole);
    for (const auto &piece : pieces) {
        piece->setTextWidth(10000);
        QVERIFY(piece->documentLayout()->documentSize().height() <= MaxPieceHeight);
        if (!paragraph.isEmpty())
            QCOMPARE(piece->begin().begin().fragment().charFormat().fontPointSize(), pointSize);
    }
}

// Help files whose tables and pictures are taller together than a piece: no
// piece is too tall to lay out, and no row, word or picture is lost or doubled.
void TestTextPieces::tablesAndPictures_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<int>("rows");
    QTest::addColumn<double>("leastHeight"); // of all pieces together
    // clang-format off
    QTest::newRow("rows at least 22 inches tall") << repeated("\\trowd\\trrh31680\\cellx3000\\cellx6000\\pard\\intbl r%1a\\cell r%1b\\cell\\row", 200) << 200 << 200 * 31680.0;
    QTest::newRow("cells of widely spaced paragraphs") << "avant\\par" + repeated("\\trowd\\cellx3000\\cellx6000\\pard\\intbl\\sb31680 c%1a\\cell c%1b\\cell\\row", 40) << 40 << 0.0;
    QTest::newRow("one row taller than a piece: its text is kept") << "\\trowd\\cellx3000\\pard\\intbl\\fs400 " + repeated("l%1\\line ", 1200) + "\\cell\\row" << 0 << 0.0;
    QTest::newRow("pictures 22 inches tall") << repeated("{\\pict\\wbitmap0\\picwgoal1000\\pichgoal31680 00}p%1\\par", 200) << 0 << 200 * 31680.0;
    // clang-format on
}

void TestTextPieces::tablesAndPictures()
{
    QFETCH(QString, body);
    QFETCH(int, rows);
    QFETCH(double, leastHeight);
    const auto document = emptyDocument();
    QTextCursor cursor(document.get());
    readRtf(QStringLiteral("{\\rtf1 ") + body + QStringLiteral("\\pard fin}"), cursor);
    // Pieces may cut inside a paragraph: the letters are compared, not the spaces.
    const auto letters = [](QString text) {
        return text.remove(QRegularExpression(QStringLiteral("\\s")));
    };
    const QString whole = letters(document->toPlainText());
    const auto pieces = splitIntoPieces(document, emptyDocument);

    QVERIFY(pieces.size() > 1);
    QString pieceLetters;
    int pieceRows = 0;
    double height = 0;
    for (const auto &piece : pieces) {
        pieceLetters += letters(piece->toPlainText());
        pieceRows += tableRows(*piece);
        piece->setTextWidth(9000);
        const double pieceHeight = piece->documentLayout()->documentSize().height();
        QVERIFY(pieceHeight <= MaxPieceHeight);
        height += pieceHeight;
    }
    QCOMPARE(pieceLetters, whole);
    QCOMPARE(pieceRows, rows);
    QVERIFY(height >= leastHeight);
}

QTEST_MAIN(TestTextPieces)
#include "tst_textpieces.moc"
