#include "RtfTestDocument.h"
#include "document/rtf/RtfPageFurniture.h"

#include <QTest>

using namespace virelai;
using namespace virelai::testing;

namespace {

// Lists 1 ("1.", "a)", "i.") and 3 (roman numbers inside a text).
const QString Lists = QStringLiteral(
    "{\\rtf1"
    "{\\*\\listtable{\\list\\listtemplateid5"
    "{\\listlevel\\levelnfc0\\levelstartat1{\\leveltext\\leveltemplateid9 \\'02\\'00.;}"
    "{\\levelnumbers\\'01;}\\fi-360\\li720}"
    "{\\listlevel\\levelnfc4\\levelstartat1{\\leveltext \\'02\\'01);}{\\levelnumbers\\'01;}}"
    "{\\listlevel\\levelnfc2\\levelstartat1{\\leveltext \\'02\\'02.;}{\\levelnumbers\\'01;}}"
    "{\\listname ;}\\listid7}"
    "{\\list{\\listlevel\\levelnfc1\\levelstartat4\\levelfollow1{\\leveltext \\'09\\'c9tape "
    "\\'00 :;}}{\\listlevel\\levelnfc3\\levelfollow2{\\leveltext \\'03\\'00.\\'01;}}\\listid9}}"
    "{\\*\\listoverridetable{\\listoverride\\listid7\\listoverridecount0\\ls1}"
    "{\\listoverride\\listid9\\listoverridecount0\\ls3}}\\pard ");

struct Style
{
    QString family;
    double pointSize;
    bool bold;
    bool italic;
    bool underline;
    QColor color;
};

} // namespace

Q_DECLARE_METATYPE(Style)

class TestRtfReader : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void blocks_data();
    void blocks();
    void characterFormats_data();
    void characterFormats();
    void decorations_data();
    void decorations();
    void paragraphFormats_data();
    void paragraphFormats();
    void sideDocuments_data();
    void sideDocuments();
    void unicodeAndCodePages_data();
    void unicodeAndCodePages();
    void isRtfText_data();
    void isRtfText();
};

void TestRtfReader::blocks_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<QStringList>("expected");
    // clang-format off
    QTest::newRow("a heading's group ends with two empty paragraphs") << "{\\qc {Titre\\par Suite}\\par\\par }" << QStringList {"Titre", "Suite", "", ""};
    QTest::newRow("a legacy bullet shown once, not as its pntext and its pn") << "{Rappel\\par\\pard{\\pntext\\f2\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf2{\\pntxtb\\'B7}}\\fi-720\\li1420 un ;\\par{\\pntext\\f2\\'B7\\tab}deux.\\par\\pard Fin}" << QStringList {"Rappel", "·\tun ;", "·\tdeux.", "Fin"};
    QTest::newRow("several top-level groups") << "{Un}{ deux}{\\par trois}" << QStringList {"Un deux", "trois"};
    QTest::newRow("one delimiting space eaten, the rest kept") << "{\\ul Note\\ulnone  : il n'y a  deux}" << QStringList {"Note : il n'y a  deux"};
    QTest::newRow("line breaks in the source are not text") << "{a\r\nb\nc\rd}" << QStringList {"abcd"};
    QTest::newRow("backslash before a line break is a paragraph") << "{a\\\nb\\\rc\\\r\nd}" << QStringList {"a", "b", "c", "d"};
    QTest::newRow("line, tab and special symbols") << "{a\\line b\\tab c\\~d\\-e\\_f\\{\\}\\\\}" << QStringList {QString("a\u2028b\tc\u00a0d\u00ade\u2011f{}\\")};
    QTest::newRow("hidden text not shown") << "{a{\\v cach\\'e9}b\\v c\\v0 d}" << QStringList {"abd"};
    QTest::newRow("ignorable destination skipped") << "{a{\\*\\unknown hidden {nested}}b}" << QStringList {"ab"};
    QTest::newRow("1., a), i.: a lower level starts again under each number") << Lists + "\\ls1 Un\\par\\ls1 Deux\\par\\ls1\\ilvl1 a\\par\\ls1\\ilvl2 i\\par\\ls1\\ilvl2 " "ii\\par" "\\ls1\\ilvl1 b\\par\\ls1\\ilvl0 Trois\\par\\ls1\\ilvl1 a}" << QStringList {"1.\tUn", "2.\tDeux", "a)\ta", "i.\ti", "ii.\tii", "b)\tb", "3.\tTrois", "a)\ta"};
    QTest::newRow("text around the number, space after, start at IV, capitals") << Lists + "\\ls3 x\\par\\ls3\\ilvl1 y}" << QStringList {"\u00c9tape IV : x", "IV.Ay"};
    QTest::newRow("the list's own number, not the listtext written for other readers") << Lists + "{\\listtext\\pard\\plain 9.\\tab}\\ls1 x}" << QStringList {"1.\tx"};
    QTest::newRow("listtext of a list the text does not define") << "{\\rtf1{\\listtext\\pard\\plain 4.\\tab}\\ls5 x}" << QStringList {"4.\tx"};
    QTest::newRow("old-style numbers and bullets") << "{\\rtf1{\\fonttbl{\\f1 Symbol;}}\\pard\\fi-283\\li283{\\*\\pn\\pnlvlbody\\pndec" "\\pnstart1{\\pntxta .}}{Alpha\\par Beta\\par}\\pard\\fi-283\\li283{\\*\\pn\\pnlvlblt" "\\pnf1\\pnstart1{\\pntxtb \\'b7}}{Alpha\\par}}" << QStringList {"1.\tAlpha", "2.\tBeta", "\u00b7\tAlpha", ""};
    QTest::newRow("old-style letters start again after an ordinary paragraph") << "{\\rtf1{\\*\\pn\\pnlvlbody\\pnlcltr{\\pntxta )}}a\\par b\\par\\pard c\\par" "{\\*\\pn\\pnlvlbody\\pnlcltr{\\pntxta )}}d}" << QStringList {"a)\ta", "b)\tb", "c", "a)\td"};
    // clang-format on
}

void TestRtfReader::blocks()
{
    QFETCH(QString, rtf);
    QFETCH(QStringList, expected);
    const LaidOut read(rtf);
    QVERIFY(read.result.complete);
    QCOMPARE(blockTexts(read.document), expected);
}

void TestRtfReader::characterFormats_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<Style>("expected");
    const QColor black(Qt::black);
    // clang-format off
    QTest::newRow("bold run") << "{\\fs28 Il est {\\b une seule} fois}" << "une seule" << Style {"Arial", 14, true, false, false, black};
    QTest::newRow("after bold run") << "{\\fs28 Il est {\\b une seule} fois}" << " fois" << Style {"Arial", 14, false, false, false, black};
    QTest::newRow("ulnone: underline off, italic on") << "{\\i\\ul Rappel\\ulnone  x}" << "x" << Style {"Arial", 12, false, true, false, black};
    QTest::newRow("deff without \\f") << "{\\rtf1\\deff1{\\fonttbl{\\f1 Courier New;}}x}" << "x" << Style {"Courier New", 12, false, false, false, black};
    QTest::newRow("font missing from table") << "{\\f7\\fs20 x}" << "x" << Style {"Arial", 10, false, false, false, black};
    QTest::newRow("colour table in same group") << "{{\\colortbl;\\red255\\green0\\blue0;}\\cf1 rouge}" << "rouge" << Style {"Arial", 12, false, false, false, QColor(255, 0, 0)};
    QTest::newRow("components a colour entry leaves out are 0") << "{{\\colortbl;\\red255\\green9;\\blue7;}\\cf2 x}" << "x" << Style {"Arial", 12, false, false, false, QColor(0, 0, 7)};
    QTest::newRow("colour index beyond table is black") << "{\\colortbl;\\red9;}{\\cf5 x}" << "x" << Style {"Arial", 12, false, false, false, black};
    QTest::newRow("plain resets") << "{\\b\\i\\ul\\fs40\\cf1 \\plain x}" << "x" << Style {"Arial", 12, false, false, false, black};
    QTest::newRow("fs without parameter is the default size") << "{\\fs40\\fs x}" << "x" << Style {"Arial", 12, false, false, false, black};
    QTest::newRow("character style") << "{{\\stylesheet{\\*\\cs10\\b\\fs40 Fort;}}a {\\cs10 x}}" << "x" << Style {"Arial", 20, true, false, false, black};
    QTest::newRow("paragraph style's character formats, then the text's own") << "{{\\stylesheet{\\s3\\i\\fs40 Citation;}}\\s3\\fs20 x}" << "x" << Style {"Arial", 10, false, true, false, black};
    QTest::newRow("small capitals: a capital keeps the text's size") << "{\\scaps\\fs20 Fichier}" << "F" << Style {"Arial", 10, false, false, false, black};
    QTest::newRow("small capitals: lowercase letters as capitals, four fifths as high") << "{\\scaps\\fs20 Fichier}" << "ICHIER" << Style {"Arial", 8, false, false, false, black};
    QTest::newRow("b0 i0 ul0 switch off") << "{\\b\\i\\ul a\\b0\\i0\\ul0 x}" << "x" << Style {"Arial", 12, false, false, false, black};
    // clang-format on
}

void TestRtfReader::characterFormats()
{
    QFETCH(QString, rtf);
    QFETCH(QString, probe);
    QFETCH(Style, expected);
    const LaidOut read(rtf);
    const QTextCharFormat format = formatOf(read.document, probe);
    QVERIFY2(format.isValid(), qPrintable(probe));
    QCOMPARE(format.fontFamilies().toStringList(), QStringList {expected.family});
    QCOMPARE(format.fontPointSize(), expected.pointSize);
    QCOMPARE(format.fontWeight() == QFont::Bold, expected.bold);
    QCOMPARE(format.fontItalic(), expected.italic);
    QCOMPARE(format.fontUnderline(), expected.underline);
    QCOMPARE(format.foreground().color(), expected.color);
}

void TestRtfReader::decorations_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<bool>("strike");
    QTest::addColumn<int>("capitals");
    QTest::addColumn<int>("script");
    QTest::addColumn<QColor>("background");
    const QString colours
        = QStringLiteral("{\\colortbl;\\red255\\green255\\blue0;\\red0\\green0\\blue255;}");
    const int none = int(QFont::MixedCase);
    const int normal = int(QTextCharFormat::AlignNormal);
    // clang-format off
    QTest::newRow("strike") << "{\\strike x}" << true << none << normal << QColor();
    QTest::newRow("capitals") << "{\\caps x}" << false << int(QFont::AllUppercase) << normal << QColor();
    QTest::newRow("superscript") << "{\\super x}" << false << none << int(QTextCharFormat::AlignSuperScript) << QColor();
    QTest::newRow("nosupersub ends it") << "{\\sub\\nosupersub x}" << false << none << normal << QColor();
    QTest::newRow("highlight from the colour table") << colours + "{\\highlight1 x}" << false << none << normal << QColor(255, 255, 0);
    QTest::newRow("shading mixes the foreground into the background") << colours + "{\\chcbpat1\\chcfpat2\\chshdng5000 x}" << false << none << normal << QColor(127, 127, 127);
    QTest::newRow("highlight 0 is none") << colours + "{\\highlight1\\highlight0 x}" << false << none << normal << QColor();
    // clang-format on
}

void TestRtfReader::decorations()
{
    QFETCH(QString, rtf);
    QFETCH(bool, strike);
    QFETCH(int, capitals);
    QFETCH(int, script);
    QFETCH(QColor, background);
    const LaidOut read(rtf);
    const QTextCharFormat format = formatOf(read.document, QStringLiteral("x"));
    QCOMPARE(format.fontStrikeOut(), strike);
    QCOMPARE(int(format.fontCapitalization()), capitals);
    QCOMPARE(int(format.verticalAlignment()), script);
    QCOMPARE(format.background().style() == Qt::NoBrush ? QColor() : format.background().color(),
             background);
}

void TestRtfReader::paragraphFormats_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QList<double>>("marginsLeftRightIndent");
    QTest::addColumn<QList<double>>("tabs");
    const QList<double> none {0, 0, 0};
    // clang-format off
    QTest::newRow("hanging indent: a stop where the lines start, none left of the first line") << "{\\fi-720\\li1420\\tx360 a\\par\\pard b}" << "a" << int(Qt::AlignLeft) << QList<double> {1420, 0, -720} << QList<double> {720};
    QTest::newRow("pard resets indents") << "{\\fi-720\\li1420\\tx360 a\\par\\pard b}" << "b" << int(Qt::AlignLeft) << none << QList<double> {};
    QTest::newRow("right, justified") << "{\\qr a\\par\\qj\\ri200\\tx100\\tx2000 b\\par}" << "b" << int(Qt::AlignJustify) << QList<double> {0, 200, 0} << QList<double> {100, 2000};
    QTest::newRow("tab stops counted from where the first line starts") << "{\\li500\\fi100\\tx400\\tx1000 a\\par}" << "a" << int(Qt::AlignLeft) << QList<double> {500, 0, 100} << QList<double> {400};
    QTest::newRow("properties at the paragraph's end win") << "{a\\qc\\li300\\par}" << "a" << int(Qt::AlignHCenter) << QList<double> {300, 0, 0} << QList<double> {};
    // clang-format on
}

void TestRtfReader::paragraphFormats()
{
    QFETCH(QString, rtf);
    QFETCH(QString, probe);
    QFETCH(int, alignment);
    QFETCH(QList<double>, marginsLeftRightIndent);
    QFETCH(QList<double>, tabs);
    const LaidOut read(rtf);
    const QTextBlockFormat format = blockHolding(read.document, probe).blockFormat();
    QCOMPARE(int(format.alignment() & Qt::AlignHorizontal_Mask), alignment);
    const QList<double> margins {format.leftMargin(), format.rightMargin(), format.textIndent()};
    QCOMPARE(margins, marginsLeftRightIndent);
    QList<double> positions;
    for (const QTextOption::Tab &tab : format.tabPositions())
        positions << qRound(tab.position / tabUnitsPerTwip());
    QCOMPARE(positions, tabs);
}

// A header or a note is a document of its own: a footnote keeps the empty
// paragraph its final \\par opens, a header drops it; neither takes the space
// after the paragraph before it; a note's own number written before its first
// paragraph takes the note's text format, not the anchor's superscript.
void TestRtfReader::sideDocuments_data()
{
    QTest::addColumn<QString>("side");
    QTest::addColumn<QStringList>("paragraphs");
    QTest::addColumn<bool>("superscript");
    QTest::addColumn<double>("pointSize");
    // clang-format off
    QTest::newRow("header") << "{\\header Haut\\par}" << QStringList {"Haut"} << false << 12.0;
    QTest::newRow("footnote") << "{\\super\\chftn}{\\footnote Note.\\par}" << QStringList {"Note.", ""} << false << 12.0;
    QTest::newRow("number before the note's paragraph") << "{\\super\\fs24\\chftn{\\*\\footnote\\chftn\\pard\\plain\\fs18\\tab Note.}}" << QStringList {"1\tNote."} << false << 9.0;
    QTest::newRow("number in the note's paragraph") << "{\\super\\chftn}{\\footnote\\pard\\plain\\fs18{\\super\\fs24\\chftn} Note.}" << QStringList {"1 Note."} << true << 12.0;
    // clang-format on
}

void TestRtfReader::sideDocuments()
{
    QFETCH(QString, side);
    QFETCH(QStringList, paragraphs);
    QFETCH(bool, superscript);
    QFETCH(double, pointSize);
    const LaidOut read("{\\rtf1\\sa400 Texte\\par" + side + "Suite\\par}");
    const PageFurniture *furniture = pageFurnitureOf(read.document);
    QVERIFY(furniture);
    const auto &document
        = furniture->footnotes.empty() ? furniture->header : furniture->footnotes.front();
    QVERIFY(document);
    QCOMPARE(blockTexts(*document), paragraphs);
    const QTextBlock first = document->firstBlock();
    QCOMPARE(first.blockFormat().topMargin(), 0.0);
    const QTextCharFormat start = first.begin().fragment().charFormat();
    QCOMPARE(start.verticalAlignment() == QTextCharFormat::AlignSuperScript, superscript);
    QCOMPARE(start.fontPointSize(), pointSize);
}

void TestRtfReader::unicodeAndCodePages_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("u with fallback") << "{\\u233?t\\u8364 E}" << "ét€";
    QTest::newRow("uc0 has no fallback") << "{\\uc0\\u233 t}" << "ét";
    QTest::newRow("uc2 skips hex fallback") << "{\\uc2\\u339\\'6f\\'65uvre}" << "œuvre";
    QTest::newRow("fallback stops at group end") << "{\\uc3{\\u233 a}b}" << "éb";
    QTest::newRow("uc restored at group end") << "{{\\uc0 x}\\u233 ab}" << "xéb";
    QTest::newRow("negative u") << "{\\u-4064 x}" << QString(QChar(0xF020));
    QTest::newRow("surrogate pair") << "{\\u-10179?\\u-8704?}" << QString::fromUcs4(U"\U0001F600");
    QTest::newRow("literal surrogate pair kept") << QString::fromUcs4(U"{a\U0001F600b}") << QString::fromUcs4(U"a\U0001F600b");
    QTest::newRow("ansicpg 1251") << "{\\rtf1\\ansicpg1251 \\'e0}" << "\u0430";
    QTest::newRow("charset 238 of the font") << "{\\rtf1{\\fonttbl{\\f1\\fcharset238 Arial CE;}}\\f1\\'b9}" << "\u0105";
    QTest::newRow("double-byte page") << "{\\rtf1{\\fonttbl{\\f0\\fcharset128 MS Mincho;}}\\f0\\'82\\'a0}" << "\u3042";
    QTest::newRow("symbol charset") << "{\\rtf1{\\fonttbl{\\f3\\fcharset2 Symbol;}}{\\f3 a\\'b7\\u61623 ?}}" << "α••";
    QTest::newRow("unknown ansicpg keeps 1252") << "{\\rtf1\\ansicpg99999 \\'e9}" << "é";
    QTest::newRow("word characters") << "{\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote}" << "—–•‘’“”";
    // clang-format on
}

void TestRtfReader::unicodeAndCodePages()
{
    QFETCH(QString, rtf);
    QFETCH(QString, expected);
    const LaidOut read(rtf);
    QCOMPARE(read.document.toPlainText(), expected);
}

void TestRtfReader::isRtfText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");
    // clang-format off
    QTest::newRow("group") << "{\\b x}" << true;
    QTest::newRow("byte-order mark and blanks") << "\ufeff \r\n\t{x}" << true;
    QTest::newRow("plain text") << "Proposition" << false;
    QTest::newRow("brace later") << "a{x}" << false;
    QTest::newRow("header with leading CR") << "\rTrim\r1  2  3" << false;
    QTest::newRow("empty") << "" << false;
    // clang-format on
}

void TestRtfReader::isRtfText()
{
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QCOMPARE(virelai::isRtfText(text), expected);
}

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
