#include "document/surface/DocumentLimits.h"
#include "document/surface/Surface.h"
#include "document/surface/SurfaceDocument.h"
#include "document/surface/TextComposer.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace virelai;

// The page model: documents, state, texts and boxes.
class TestSurface : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void onlyACompleteBuildIsShown();
    void startingStyle_data();
    void startingStyle();
    void paragraphMovesPositionDown_data();
    void paragraphMovesPositionDown();
    void whatIsLeftOutIsToldOnce_data();
    void whatIsLeftOutIsToldOnce();
};

namespace {

QTextCharFormat firstCharFormat(const QTextDocument &document)
{
    const QTextBlock block = document.begin();
    for (auto it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().isValid() && !it.fragment().text().trimmed().isEmpty())
            return it.fragment().charFormat();
    return {};
}

QString richParagraphs(int count)
{
    QString rtf = QStringLiteral("{\\rtf1\\ansi ");
    for (int i = 1; i <= count; ++i)
        rtf += QStringLiteral("Paragraphe %1 de l'aide.\\par ").arg(i);
    return rtf + QLatin1Char('}');
}

// Rows of 64 cells of one letter each.
QString tableRows(int count)
{
    QString row = QStringLiteral("\\trowd");
    for (int cell = 1; cell <= 64; ++cell)
        row += QStringLiteral("\\cellx%1").arg(cell * 100);
    return (row + QStringLiteral(" a\\cell").repeated(64) + QStringLiteral("\\row "))
        .repeated(count);
}

} // namespace

// Only a complete build replaces the page shown and printed; one in progress,
// or never ended, leaves it.
void TestSurface::onlyACompleteBuildIsShown()
{
    Surface surface;
    QSignalSpy shown(&surface, &Surface::documentShown);
    std::vector<std::shared_ptr<const SurfaceDocument>> printed;
    surface.setPrintHandler([&](auto document) { printed.push_back(document); });
    surface.setDocAction(Surface::PrintDocument);
    QVERIFY(printed.empty()); // nothing shown yet: nothing to print, nor to write
    QTemporaryDir dir;
    QVERIFY(!surface.writePdf(dir.filePath(QStringLiteral("vide.pdf"))));
    surface.setDocAction(Surface::NewDocument);
    surface.setParagraphText(QStringLiteral("première page"));
    surface.setDocAction(Surface::EndDocument);
    const auto first = surface.shownDocument();

    surface.setDocAction(Surface::NewDocument);
    surface.setRichText(richParagraphs(300));
    surface.setDocAction(Surface::PrintDocument);
    QCOMPARE(surface.shownDocument(), first);
    QCOMPARE(surface.pageCount(), 1);
    QCOMPARE(shown.count(), 1);
    QCOMPARE(printed, std::vector {first});

    surface.setDocAction(Surface::NewDocument);
    surface.setParagraphText(QStringLiteral("seconde"));
    surface.setDocAction(Surface::EndDocument);
    QVERIFY(surface.shownDocument() != first);
    QCOMPARE(surface.pageCount(), 1);
    QCOMPARE(shown.count(), 2);
}

// The surface's style is bold, underlined, red, 7 points, at a line spacing of
// 150 %; paragraph text keeps its blanks, with one break per line end.
void TestSurface::startingStyle_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("alwaysPlain");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<double>("pointSize");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("plainText"); // of paragraph text
    // clang-format off
    QTest::newRow("plain text takes the surface style") << QStringLiteral("Proposition\rsuite") << false << true << true << 7.0 << QColor(192, 0, 0) << QString();
    QTest::newRow("rtf group starts from rtf defaults") << QStringLiteral("{Lire chaque jour\\par suite}") << false << false << false << 12.0 << QColor(Qt::black) << QString();
    QTest::newRow("paragraph text never reads rtf") << QStringLiteral("{\\b0 Trim}\t\tx  x\r\nBob\t \tx") << true << true << true << 7.0 << QColor(192, 0, 0) << QStringLiteral("{\\b0 Trim}\t\tx  x\nBob\t \tx");
    QTest::newRow("trailing break") << QStringLiteral("a\r") << true << true << true << 7.0 << QColor(192, 0, 0) << QStringLiteral("a\n");
    // clang-format on
}

void TestSurface::startingStyle()
{
    QFETCH(QString, text);
    QFETCH(bool, alwaysPlain);
    QFETCH(bool, bold);
    QFETCH(bool, underline);
    QFETCH(double, pointSize);
    QFETCH(QColor, color);
    QFETCH(QString, plainText);
    TextRequest request;
    request.text = text;
    request.alwaysPlain = alwaysPlain;
    request.plainStyle.pointSize = 7;
    request.plainStyle.bold = true;
    request.plainStyle.underline = true;
    request.plainStyle.color = 192;
    request.width = 6000;
    request.lineSpacingPercent = 150;
    const ComposedText composed = composeText(request);
    const QTextDocument &document = *composed.pieces.front();
    const QTextCharFormat format = firstCharFormat(document);
    QCOMPARE(format.font().bold(), bold);
    QCOMPARE(format.font().underline(), underline);
    QCOMPARE(format.font().pointSizeF(), pointSize);
    const QColor actual = format.hasProperty(QTextFormat::ForegroundBrush)
        ? format.foreground().color()
        : QColor(Qt::black);
    QCOMPARE(actual, color);
    if (alwaysPlain)
        QCOMPARE(document.toPlainText(), plainText);
    QVERIFY(document.blockCount() > 1);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QCOMPARE(block.blockFormat().lineHeightType(), int(QTextBlockFormat::ProportionalHeight));
        QCOMPARE(block.blockFormat().lineHeight(), 150.0);
    }
}

void TestSurface::paragraphMovesPositionDown_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lineCount");
    // clang-format off
    QTest::newRow("one line") << QStringLiteral("Proposition") << 1;
    QTest::newRow("a leading CR ends the line before") << QStringLiteral("\rTrim\r1  2  3") << 2;
    QTest::newRow("CR LF is one break") << QStringLiteral("a\r\nb") << 2;
    QTest::newRow("LF alone") << QStringLiteral("a\nb\nc") << 3;
    // clang-format on
}

void TestSurface::paragraphMovesPositionDown()
{
    QFETCH(QString, text);
    QFETCH(int, lineCount);
    Surface surface;
    surface.setDocAction(Surface::NewDocument);
    surface.setParagraphText(QStringLiteral("x"));
    const double oneLine = surface.CurrentY() - surface.MarginTop();
    const double before = surface.CurrentY();
    surface.setParagraphText(text);
    QCOMPARE(qRound((surface.CurrentY() - before) / oneLine), lineCount);
    QCOMPARE(surface.CurrentX(), surface.MarginLeft());
}

// One message per document, once it is shown, however many texts lack their
// end: a text too long for the pages is cut, as is one of more paragraphs than
// a text may have, however it is written.
void TestSurface::whatIsLeftOutIsToldOnce_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("texts");
    QTest::addColumn<QStringList>("causes");
    const QString tallLines = QStringLiteral("{\\fs1600 ")
        + QStringLiteral("a\\par ").repeated(MaxPages + 10) + QLatin1Char('}');
    // clang-format off
    QTest::newRow("texts that fit") << richParagraphs(120) << 2 << QStringList();
    QTest::newRow("lines past the last page, in two texts") << tallLines << 2 << QStringList {causeTextPastLastPage()};
    QTest::newRow("a plain text of too many lines, too long for the pages as well") << QStringLiteral("x\n").repeated(MaxParagraphs) + QLatin1Char('y') << 1 << QStringList {causeParagraphsPastLimit(), causeTextPastLastPage()};
    QTest::newRow("an RTF text of too many paragraphs") << QStringLiteral("{\\fs2 ") + QStringLiteral("\\par ").repeated(MaxParagraphs) + QStringLiteral("y}") << 1 << QStringList {causeParagraphsPastLimit()};
    QTest::newRow("an RTF text of too many table cells") << QStringLiteral("{") + tableRows(MaxTableCells / 64 + 1) + QStringLiteral("\\pard y}") << 1 << QStringList {causeTableCellsPastLimit()};
    QTest::newRow("an RTF text of as many paragraphs as a text may have") << QStringLiteral("{\\fs2 ") + QStringLiteral("x\\par ").repeated(MaxParagraphs) + QLatin1Char('}') << 1 << QStringList();
    // clang-format on
}

void TestSurface::whatIsLeftOutIsToldOnce()
{
    QFETCH(QString, text);
    QFETCH(int, texts);
    QFETCH(QStringList, causes);
    Surface surface;
    QStringList told;
    std::shared_ptr<const SurfaceDocument> shownWhenTold;
    connect(&surface, &Surface::textCut, [&](const QString &message) {
        told << message;
        shownWhenTold = surface.shownDocument();
    });
    surface.setDocAction(Surface::NewDocument);
    for (int i = 0; i < texts; ++i)
        surface.setRichText(text);
    surface.setDocAction(Surface::EndDocument);
    if (causes.isEmpty()) {
        QCOMPARE(told, QStringList());
        return;
    }
    QCOMPARE(told,
             QStringList {QStringLiteral("Le document ne montre pas tout son texte : %1.")
                              .arg(causes.join(QStringLiteral(" ; ")))});
    QCOMPARE(shownWhenTold, surface.shownDocument());
    if (causes.contains(causeTextPastLastPage()))
        QCOMPARE(surface.pageCount(), MaxPages);
}

QTEST_MAIN(TestSurface)
#include "tst_surface.moc"
