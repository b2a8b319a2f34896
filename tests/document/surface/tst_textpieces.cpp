#include "document/rtf/RtfReader.h"
#include "document/surface/TextPieces.h"
#include "document/surface/TwipsDevice.h"

#include <QAbstractTextDocumentLayout>
#include <QRegularExpression>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

using namespace virelai;

// Help files too tall for one layout are cut into pieces that Qt can lay out.
// That none hangs is the layout fuzzer's regression files; these check that no
// row, word or picture is lost or doubled.
class TestTextPieces : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pieces_data();
    void pieces();
};

namespace {

std::shared_ptr<QTextDocument> emptyDocument()
{
    auto document = std::make_shared<QTextDocument>();
    document->documentLayout()->setPaintDevice(twipsPaintDevice());
    document->setPageSize(QSizeF(0, 0));
    return document;
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

// Pieces may cut inside a paragraph: the letters are compared, not the spaces.
QString letters(QString text)
{
    static const QRegularExpression blank(QStringLiteral("\\s"));
    return text.remove(blank);
}

} // namespace

void TestTextPieces::pieces_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<bool>("cut");
    QTest::addColumn<int>("rows");
    QTest::addColumn<double>("leastHeight"); // of all pieces together
    // clang-format off
    QTest::newRow("a page of text stays whole") << repeated("Ligne %1 du fichier d'aide.\\par ", 40) << false << 0 << 0.0;
    QTest::newRow("thousands of huge lines") << "\\fs800 " + repeated("%1\\par ", 1200) << true << 0 << 0.0;
    QTest::newRow("one paragraph too tall alone") << "\\fs400 " + QString(60000, u'x') << true << 0 << 0.0;
    QTest::newRow("paragraphs spaced by the largest spacing") << "\\sb31680\\sa31680 " + repeated("p%1\\par ", 300) << true << 0 << 0.0;
    QTest::newRow("rows at least 22 inches tall") << repeated("\\trowd\\trrh31680\\cellx3000\\cellx6000\\pard\\intbl r%1a\\cell r%1b\\cell\\row", 200) << true << 200 << 200 * 31680.0;
    QTest::newRow("cells of widely spaced paragraphs") << "avant\\par" + repeated("\\trowd\\cellx3000\\cellx6000\\pard\\intbl\\sb31680 c%1a\\cell c%1b\\cell\\row", 40) << true << 40 << 0.0;
    QTest::newRow("one row taller than a piece: its text is kept") << "\\trowd\\cellx3000\\pard\\intbl\\fs400 " + repeated("l%1\\line ", 1200) + "\\cell\\row" << true << 0 << 0.0;
    QTest::newRow("pictures 22 inches tall") << repeated("{\\pict\\wbitmap0\\picwgoal1000\\pichgoal31680 00}p%1\\par", 200) << true << 0 << 200 * 31680.0;
    // clang-format on
}

void TestTextPieces::pieces()
{
    QFETCH(QString, body);
    QFETCH(bool, cut);
    QFETCH(int, rows);
    QFETCH(double, leastHeight);
    const auto document = emptyDocument();
    QTextCursor cursor(document.get());
    readRtf(QStringLiteral("{\\rtf1 ") + body + QStringLiteral("\\pard fin}"), cursor);
    const QString whole = letters(document->toPlainText());
    const auto pieces = splitIntoPieces(document, emptyDocument);

    QCOMPARE(pieces.size() > 1, cut);
    if (!cut)
        QCOMPARE(pieces.front(), document);
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
