// Where the control words put text once the document is laid out, in twips,
// as word processors place it.
#include "RtfTestDocument.h"

#include <QFontDatabase>
#include <QRegularExpression>
#include <QTest>
#include <QTextLayout>

using namespace virelai;
using namespace virelai::testing;

namespace {

// Read into a document without margins, as the surface does, and laid out.
struct LaidOut
{
    QTextDocument document;
    explicit LaidOut(const QString &rtf) { readAndLayOut(document, rtf, 9000); }
    QTextBlock block(const QString &probe) const { return blockHolding(document, probe); }
};

double topOf(const QTextBlock &block)
{
    return block.layout()->position().y();
}

double bottomOf(const QTextBlock &block)
{
    return topOf(block) + block.layout()->boundingRect().height();
}

// The distance between the tops of a paragraph's first two lines.
double linePitch(const QString &rtf)
{
    const LaidOut laidOut(rtf);
    const QTextLayout *layout = laidOut.block(QStringLiteral("a")).layout();
    return layout->lineAt(1).y() - layout->lineAt(0).y();
}

} // namespace

class TestRtfLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void spaceBetweenParagraphs_data();
    void spaceBetweenParagraphs();
    void lineSpacing_data();
    void lineSpacing();
    void tabStops_data();
    void tabStops();
    void leadersFillTheTab();
    void singleLineAsWordProcessorsMeasureIt_data();
    void singleLineAsWordProcessorsMeasureIt();
    void linesEndedByABreak_data();
    void linesEndedByABreak();
    void emptyParagraphAfterATable_data();
    void emptyParagraphAfterATable();
};

void TestRtfLayout::spaceBetweenParagraphs_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<double>("gapAboveB");
    // clang-format off
    QTest::newRow("space after 283 twips is 283 twips") << "{\\sa283 a\\par b}" << 283.0;
    QTest::newRow("space before") << "{a\\par\\sb120 b}" << 120.0;
    QTest::newRow("space after and before add up") << "{\\sa200 a\\par\\sa0\\sb100 b}" << 300.0;
    QTest::newRow("automatic spacing is 14 pt whatever sb says") << "{a\\par\\sb100\\sbauto1 b}" << 280.0;
    QTest::newRow("automatic space after") << "{\\sa100\\saauto1 a\\par\\pard b}" << 280.0;
    QTest::newRow("contextual spacing kept next to another style") << "{\\s1\\contextualspace\\sa200 a\\par\\s2 b}" << 200.0;
    QTest::newRow("space before the first paragraph") << "{\\sb400 b}" << 400.0;
    QTest::newRow("a style's words before the base style's, given later in the sheet") << "{{\\stylesheet{\\s2\\sbasedon1\\sa0 Note;}{\\s1\\sb100\\sa500 Base;}}a\\par\\s2 b}" << 100.0;
    // clang-format on
}

void TestRtfLayout::spaceBetweenParagraphs()
{
    QFETCH(QString, rtf);
    QFETCH(double, gapAboveB);
    const LaidOut laidOut(rtf);
    const QTextBlock b = laidOut.block(QStringLiteral("b"));
    QVERIFY(b.isValid());
    const double above = b.previous().isValid() ? bottomOf(b.previous()) : 0.0;
    QCOMPARE(qRound(topOf(b) - above), qRound(gapAboveB));
}

void TestRtfLayout::lineSpacing_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<double>("twips");
    QTest::addColumn<double>("singleLines");
    // clang-format off
    QTest::newRow("exactly 200, tighter than the font") << "{\\sl-200 a\\line b}" << 200.0 << 0.0;
    QTest::newRow("at least 100 keeps the font's height") << "{\\sl100 a\\line b}" << 0.0 << 1.0;
    // clang-format on
}

void TestRtfLayout::lineSpacing()
{
    QFETCH(QString, rtf);
    QFETCH(double, twips);
    QFETCH(double, singleLines);
    const double single = linePitch(QStringLiteral("{a\\line b}"));
    QCOMPARE(qRound(linePitch(rtf)), qRound(twips + singleLines * single));
}

void TestRtfLayout::tabStops_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<QChar>("edge"); // l: its left edge, r: its right edge, c: its middle
    // clang-format off
    QTest::newRow("left") << "{\\tx3000 a\\tab bc}" << "bc" << QChar('l');
    QTest::newRow("right: the text ends at the stop") << "{\\tqr\\tx3000 a\\tab 12}" << "12" << QChar('r');
    QTest::newRow("centre: the text centred on the stop") << "{\\tqc\\tx3000 a\\tab WWW}" << "WWW" << QChar('c');
    QTest::newRow("decimal: on the comma, whatever the locale") << "{\\tqdec\\tx3000 a\\tab 112,25}" << "," << QChar('l');
    // clang-format on
}

// Each stop is at 3000 twips.
void TestRtfLayout::tabStops()
{
    QFETCH(QString, rtf);
    QFETCH(QString, probe);
    QFETCH(QChar, edge);
    const LaidOut laidOut(rtf);
    const QTextBlock block = laidOut.document.begin();
    const QTextLine line = block.layout()->lineAt(0);
    const int start = int(block.text().lastIndexOf(probe));
    const double left = line.cursorToX(start);
    const double right = line.cursorToX(start + int(probe.size()));
    const double x = edge == u'l' ? left : edge == u'r' ? right : (left + right) / 2;
    QCOMPARE(qRound(x / 10), 300);
}

// A leader fills the room the tab takes with its character, up to the text
// after it; the tab keeps the little that is left.
void TestRtfLayout::leadersFillTheTab()
{
    const LaidOut laidOut(QStringLiteral("{\\tldot\\tqr\\tx5000 Chapitre\\tab 12}"));
    const QTextBlock block = laidOut.document.begin();
    const QString text = block.text();
    QVERIFY2(QRegularExpression("^Chapitre\\.{20,}\t12$").match(text).hasMatch(), qPrintable(text));
    const QTextLine line = block.layout()->lineAt(0);
    const int tab = text.indexOf(u'\t');
    const double dot = line.cursorToX(tab) - line.cursorToX(tab - 1);
    QVERIFY(line.cursorToX(tab + 1) - line.cursorToX(tab) < dot);
    QCOMPARE(qRound(line.cursorToX(text.size()) / 10), 500);
}

void TestRtfLayout::singleLineAsWordProcessorsMeasureIt_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("ems");
    // The larger of hhea's ascender, descender and line gap and OS/2's Windows
    // ascent and descent, over the units per em; the typo metrics for a font
    // that asks for them.
    // clang-format off
    QTest::newRow("Caladea (Cambria) asks for its typo metrics: 900 + 250 + 0") << "Caladea" << 1150.0 / 1000;
    // clang-format on
}

void TestRtfLayout::singleLineAsWordProcessorsMeasureIt()
{
    QFETCH(QString, family);
    QFETCH(double, ems);
    if (!QFontDatabase::families().contains(family))
        QSKIP("font not installed (scripts/install-deps installs it)");
    const QString rtf = "{\\rtf1{\\fonttbl{\\f0 " + family + ";}}\\f0\\fs22 a\\line b}";
    QCOMPARE(qRound(linePitch(rtf)), qRound(ems * 11 * 20));
}

void TestRtfLayout::linesEndedByABreak_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<int>("line");
    QTest::addColumn<bool>("reachesTheRightEdge");
    // clang-format off
    QTest::newRow("justified: a line a break ends is stretched") << "{\\qj un deux trois\\line quatre cinq}" << 0 << true;
    QTest::newRow("justified: the paragraph's last line is not") << "{\\qj un deux trois\\line quatre cinq}" << 1 << false;
    QTest::newRow("justified: a line of one word is not") << "{\\qj un\\line deux}" << 0 << false;
    QTest::newRow("left-aligned: a line a break ends is not") << "{\\ql un deux trois\\line quatre cinq}" << 0 << false;
    // clang-format on
}

// As word processors justify a paragraph broken by \line: its broken lines
// spread from edge to edge, spaces widened alike.
void TestRtfLayout::linesEndedByABreak()
{
    QFETCH(QString, rtf);
    QFETCH(int, line);
    QFETCH(bool, reachesTheRightEdge);
    const LaidOut laidOut(rtf);
    const QTextLine broken = laidOut.document.begin().layout()->lineAt(line);
    const double right = broken.x() + broken.naturalTextWidth();
    QCOMPARE(right > 8990 && right <= 9000, reachesTheRightEdge);
}

void TestRtfLayout::emptyParagraphAfterATable_data()
{
    QTest::addColumn<QString>("after");
    QTest::addColumn<double>("spaceBefore");
    // clang-format off
    QTest::newRow("an empty paragraph keeps its line") << "\\pard\\par b" << 0.0;
    QTest::newRow("the next paragraph's space before comes under it") << "\\pard\\par\\sb200 b" << 200.0;
    // clang-format on
}

void TestRtfLayout::emptyParagraphAfterATable()
{
    QFETCH(QString, after);
    QFETCH(double, spaceBefore);
    const LaidOut laidOut("{\\trowd\\cellx2000\\pard\\intbl a\\cell\\row" + after + "}");
    const QAbstractTextDocumentLayout *layout = laidOut.document.documentLayout();
    const double rowBottom = layout->blockBoundingRect(laidOut.block(QStringLiteral("a"))).bottom();
    const double b = layout->blockBoundingRect(laidOut.block(QStringLiteral("b"))).top();
    const double line = linePitch(QStringLiteral("{a\\line b}"));
    QCOMPARE(qRound(b - rowBottom), qRound(line + spaceBefore));
}

QTEST_MAIN(TestRtfLayout)
#include "tst_rtflayout.moc"
