#include "RtfSamples.h"
#include "RtfTestDocument.h"
#include "document/rtf/RtfPageFurniture.h"

#include <QTest>

using namespace virelai;
using namespace virelai::testing;

namespace {

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
    void emptyParagraphKeepsItsStyle();
    void footnotesOwnNumber_data();
    void footnotesOwnNumber();
    void finalParagraphOfHeadersAndNotes_data();
    void finalParagraphOfHeadersAndNotes();
    void headersAndNotesSpacedOnTheirOwn_data();
    void headersAndNotesSpacedOnTheirOwn();
    void legacyBulletShownOnce();
    void unicodeAndCodePages_data();
    void unicodeAndCodePages();
    void isRtfText_data();
    void isRtfText();
    void decodeWindows1252_data();
    void decodeWindows1252();
};

void TestRtfReader::blocks_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<QStringList>("expected");
    // clang-format off
    QTest::newRow("heading ends with two empty paragraphs") << Heading << QStringList {"Moyenne de la classe", "Suggestions Pédagogiques", "", ""};
    QTest::newRow("reminder with bullets") << ReminderA << QStringList { "Rappel", "Pour améliorer les performances des élèves , il est conseillé de mettre en oeuvre " "à la fois ", "·\tdes pratiques culturelles régulières ;", "·\tdes entraînements méthodiques (Ateliers de questionnement de textes, Exercices " "spécifiques proposés par le Guide de Perfectionnement ).", "On propose éventuellement ci-dessus des domaines prioritaires ; cela ne signifie " "pas qu'on néglige les autres."};
    QTest::newRow("joined parts with ligature") << Type9Joined << QStringList {"Les élèves marqués d'une croix ont des difficultés partout.", "2) on privilégiera \"Recherche d'informations\" bien entendu.", "3) les stratégies à mettre en œuvre, p 30."};
    QTest::newRow("several top-level groups") << "{Un}{ deux}{\\par trois}" << QStringList {"Un deux", "trois"};
    QTest::newRow("one delimiting space eaten, the rest kept") << "{\\ul Note\\ulnone  : il n'y a}" << QStringList {"Note : il n'y a"};
    QTest::newRow("double blanks kept") << "{\\ulnone Les  performances}" << QStringList {"Les  performances"};
    QTest::newRow("line breaks in the source are not text") << "{a\r\nb\nc\rd}" << QStringList {"abcd"};
    QTest::newRow("backslash before line break is a paragraph") << "{a\\\nb\\\rc}" << QStringList {"a", "b", "c"};
    QTest::newRow("line, tab and special symbols") << "{a\\line b\\tab c\\~d\\-e\\_f\\{\\}\\\\}" << QStringList {QString("a\u2028b\tc\u00a0d\u00ade\u2011f{}\\")};
    QTest::newRow("hidden text not shown") << "{a{\\v cach\\'e9}b\\v c\\v0 d}" << QStringList {"abd"};
    QTest::newRow("ignorable destination skipped") << "{a{\\*\\unknown hidden {nested}}b}" << QStringList {"ab"};
    // clang-format on
}

void TestRtfReader::blocks()
{
    QFETCH(QString, rtf);
    QFETCH(QStringList, expected);
    const ReadDocument read = readIntoDocument(rtf);
    QVERIFY(read.result.complete);
    QCOMPARE(blockTexts(*read.document), expected);
}

void TestRtfReader::characterFormats_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<Style>("expected");
    const QColor black(Qt::black);
    const QColor blue(0, 0, 255);
    // clang-format off
    QTest::newRow("bold run") << "{\\fs28 Il est {\\b une seule} fois}" << "une seule" << Style {"Arial", 14, true, false, false, black};
    QTest::newRow("after bold run") << "{\\fs28 Il est {\\b une seule} fois}" << " fois" << Style {"Arial", 14, false, false, false, black};
    QTest::newRow("underlined group") << SlowPupils << "Si ces élèves sont lents" << Style {"Arial", 12, false, false, true, black};
    QTest::newRow("ulnone after underlined group") << SlowPupils << ", il se peut" << Style {"Arial", 12, false, false, false, black};
    QTest::newRow("ulnone inside ul") << ReminderA << "Pour am" << Style {"Arial", 12, false, true, false, black};
    QTest::newRow("reminder title") << ReminderA << "Rappel" << Style {"Arial", 12, false, true, true, black};
    QTest::newRow("heading first line") << Heading << "Moyenne" << Style {"Arial", 20, true, false, false, blue};
    QTest::newRow("complete document, second font") << CompleteCase3 << "Avec le groupe A" << Style {"Arial", 12, true, false, false, black};
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
    const ReadDocument read = readIntoDocument(rtf);
    const QTextCharFormat format = formatOf(*read.document, probe);
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
    const ReadDocument read = readIntoDocument(rtf);
    const QTextCharFormat format = formatOf(*read.document, QStringLiteral("x"));
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
    QTest::newRow("bullet paragraph") << ReminderA << "des pratiques" << int(Qt::AlignLeft) << QList<double> {1420, 0, -720} << QList<double> {720};
    QTest::newRow("pard resets indents") << ReminderA << "On propose" << int(Qt::AlignLeft) << none << QList<double> {};
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
    const ReadDocument read = readIntoDocument(rtf);
    const QTextBlockFormat format = blockHolding(*read.document, probe).blockFormat();
    QCOMPARE(int(format.alignment() & Qt::AlignHorizontal_Mask), alignment);
    const QList<double> margins {format.leftMargin(), format.rightMargin(), format.textIndent()};
    QCOMPARE(margins, marginsLeftRightIndent);
    QList<double> positions;
    for (const QTextOption::Tab &tab : format.tabPositions())
        positions << qRound(tab.position / tabUnitsPerTwip());
    QCOMPARE(positions, tabs);
}

void TestRtfReader::emptyParagraphKeepsItsStyle()
{
    // The empty lines under the heading are 18 pt high, not 12 pt.
    const ReadDocument read = readIntoDocument(Heading);
    const QTextBlock last = read.document->lastBlock();
    QVERIFY(last.text().isEmpty());
    QCOMPARE(last.charFormat().fontPointSize(), 18.0);
    QCOMPARE(last.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

void TestRtfReader::footnotesOwnNumber_data()
{
    QTest::addColumn<QString>("note");
    QTest::addColumn<bool>("superscript");
    QTest::addColumn<double>("pointSize");
    // clang-format off
    QTest::newRow("before the note's paragraph: in the note's text format") << "{\\super\\fs24\\chftn{\\*\\footnote\\chftn\\pard\\plain\\fs18\\tab Note.}}" << false << 9.0;
    QTest::newRow("in the note's paragraph: in its own format") << "{\\super\\chftn}{\\footnote\\pard\\plain\\fs18{\\super\\fs24\\chftn} Note.}" << true << 12.0;
    // clang-format on
}

void TestRtfReader::footnotesOwnNumber()
{
    QFETCH(QString, note);
    QFETCH(bool, superscript);
    QFETCH(double, pointSize);
    const ReadDocument read = readIntoDocument("{\\rtf1 Texte" + note + "\\par}");
    const PageFurniture *furniture = pageFurnitureOf(*read.document);
    QVERIFY(furniture && furniture->footnotes.size() == 1);
    const QTextBlock first = furniture->footnotes.front()->firstBlock();
    QVERIFY(first.text().startsWith(u'1'));
    const QTextCharFormat number = first.begin().fragment().charFormat();
    QCOMPARE(number.verticalAlignment() == QTextCharFormat::AlignSuperScript, superscript);
    QCOMPARE(number.fontPointSize(), pointSize);
}

// A final \\par opens an empty paragraph: a footnote keeps it, a header drops it.
void TestRtfReader::finalParagraphOfHeadersAndNotes_data()
{
    QTest::addColumn<QString>("side");
    QTest::addColumn<QStringList>("paragraphs");
    // clang-format off
    QTest::newRow("footnote") << "{\\super\\chftn}{\\footnote\\pard Note.\\par}" << QStringList {"Note.", ""};
    QTest::newRow("header") << "{\\header\\pard Haut\\par}" << QStringList {"Haut"};
    // clang-format on
}

void TestRtfReader::finalParagraphOfHeadersAndNotes()
{
    QFETCH(QString, side);
    QFETCH(QStringList, paragraphs);
    const ReadDocument read = readIntoDocument("{\\rtf1 " + side + "Texte\\par}");
    const PageFurniture *furniture = pageFurnitureOf(*read.document);
    QVERIFY(furniture);
    const auto &document
        = furniture->footnotes.empty() ? furniture->header : furniture->footnotes.front();
    QVERIFY(document);
    QCOMPARE(blockTexts(*document), paragraphs);
}

// A header or a note starts its own run of paragraphs: the space after the
// paragraph before it in the text is not its first paragraph's space above.
void TestRtfReader::headersAndNotesSpacedOnTheirOwn_data()
{
    QTest::addColumn<QString>("side");
    QTest::newRow("header") << "{\\header Haut\\par}";
    QTest::newRow("footnote") << "{\\super\\chftn}{\\footnote Note.\\par}";
}

void TestRtfReader::headersAndNotesSpacedOnTheirOwn()
{
    QFETCH(QString, side);
    const ReadDocument read = readIntoDocument("{\\rtf1\\sa400 Texte\\par" + side + "Suite}");
    const PageFurniture *furniture = pageFurnitureOf(*read.document);
    QVERIFY(furniture);
    const auto &document
        = furniture->footnotes.empty() ? furniture->header : furniture->footnotes.front();
    QVERIFY(document);
    QCOMPARE(document->begin().blockFormat().topMargin(), 0.0);
}

void TestRtfReader::legacyBulletShownOnce()
{
    const ReadDocument read = readIntoDocument(ReminderA);
    QCOMPARE(read.document->toPlainText().count(QChar(0xB7)), 2);
    const ReadDocument star = readIntoDocument("{{\\pntext \\'B7\\tab}{\\pn{\\pntxtb \\'B7}}x}");
    QCOMPARE(star.document->toPlainText(), QString("\u00b7\tx"));
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
    QTest::newRow("1252 specials") << "{\\'80\\'9c\\'85}" << "€œ…";
    QTest::newRow("word characters") << "{\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote}" << "—–•‘’“”";
    // clang-format on
}

void TestRtfReader::unicodeAndCodePages()
{
    QFETCH(QString, rtf);
    QFETCH(QString, expected);
    const ReadDocument read = readIntoDocument(rtf);
    QCOMPARE(read.document->toPlainText(), expected);
}

void TestRtfReader::isRtfText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");
    // clang-format off
    QTest::newRow("group") << "{\\b x}" << true;
    QTest::newRow("blanks first") << " \r\n\t{x}" << true;
    QTest::newRow("byte-order mark and blank") << "\ufeff  {x}" << true;
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

void TestRtfReader::decodeWindows1252_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("accents") << QByteArray("\xe9\xe8\xe0\xea") << "éèàê";
    QTest::newRow("euro and oe") << QByteArray("\x80\x9c\x8c") << "€œŒ";
    QTest::newRow("quotes and dashes") << QByteArray("\x91\x92\x93\x94\x96\x97") << "‘’“”–—";
    QTest::newRow("undefined byte kept as control") << QByteArray("\x81") << "\u0081";
    QTest::newRow("NUL kept") << QByteArray("a\0b", 3) << QString("a") + QChar(0) + "b";
    // clang-format on
}

void TestRtfReader::decodeWindows1252()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QCOMPARE(virelai::decodeWindows1252(bytes), expected);
}

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
