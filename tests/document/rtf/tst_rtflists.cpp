// Numbered and bulleted paragraphs: lists (\listtable, \ls, \ilvl) and the
// older \pn numbering show their numbers as word processors count them.
#include "RtfTestDocument.h"

#include <QTest>

using namespace virelai;
using namespace virelai::testing;

namespace {

// A list of three levels: "1.", "a)", "i.", with font 1 a Symbol font.
const QString Lists = QStringLiteral(
    "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}"
    "{\\*\\listtable{\\list\\listtemplateid5"
    "{\\listlevel\\levelnfc0\\levelstartat1{\\leveltext\\leveltemplateid9 \\'02\\'00.;}"
    "{\\levelnumbers\\'01;}\\fi-360\\li720}"
    "{\\listlevel\\levelnfc4\\levelstartat1{\\leveltext \\'02\\'01);}{\\levelnumbers\\'01;}}"
    "{\\listlevel\\levelnfc2\\levelstartat1{\\leveltext \\'02\\'02.;}{\\levelnumbers\\'01;}}"
    "{\\listname ;}\\listid7}"
    "{\\list{\\listlevel\\levelnfc23{\\leveltext \\'01\\u-3913 ?;}\\f1}\\listid8}"
    "{\\list{\\listlevel\\levelnfc1\\levelstartat4\\levelfollow1{\\leveltext \\'09\\'c9tape "
    "\\'00 :;}}{\\listlevel\\levelnfc3\\levelfollow2{\\leveltext \\'03\\'00.\\'01;}}\\listid9}}"
    "{\\*\\listoverridetable{\\listoverride\\listid7\\listoverridecount0\\ls1}"
    "{\\listoverride\\listid8\\listoverridecount0\\ls2}"
    "{\\listoverride\\listid9\\listoverridecount0\\ls3}}\\pard ");

} // namespace

class TestRtfLists : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void numbers_data();
    void numbers();
};

void TestRtfLists::numbers_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<QStringList>("expected");
    // clang-format off
    QTest::newRow("1., a), i.: a lower level starts again under each number") << Lists + "\\ls1 Un\\par\\ls1 Deux\\par\\ls1\\ilvl1 a\\par\\ls1\\ilvl2 i\\par\\ls1\\ilvl2 " "ii\\par" "\\ls1\\ilvl1 b\\par\\ls1\\ilvl0 Trois\\par\\ls1\\ilvl1 a}" << QStringList {"1.\tUn",  "2.\tDeux", "a)\ta",     "i.\ti", "ii.\tii", "b)\tb",    "3.\tTrois", "a)\ta"};
    QTest::newRow("numbering goes on after an ordinary paragraph") << Lists + "\\ls1 Un\\par\\pard Texte\\par\\ls1 Deux}" << QStringList {"1.\tUn", "Texte", "2.\tDeux"};
    QTest::newRow("bullet of a Symbol font") << Lists + "\\ls2 Point\\par}" << QStringList {"\u2022\tPoint", ""};
    QTest::newRow("text around the number, space after, start at IV, capitals") << Lists + "\\ls3 x\\par\\ls3\\ilvl1 y}" << QStringList {"\u00c9tape IV : x", "IV.Ay"};
    QTest::newRow("the list's own number, not the listtext written for other readers") << Lists + "{\\listtext\\pard\\plain 9.\\tab}\\ls1 x}" << QStringList {"1.\tx"};
    QTest::newRow("listtext of a list the text does not define") << "{\\rtf1{\\listtext\\pard\\plain 4.\\tab}\\ls5 x}" << QStringList {"4.\tx"};
    QTest::newRow("old-style numbers and bullets") << "{\\rtf1{\\fonttbl{\\f1 Symbol;}}\\pard\\fi-283\\li283{\\*\\pn\\pnlvlbody\\pndec" "\\pnstart1{\\pntxta .}}{Alpha\\par Beta\\par}\\pard\\fi-283\\li283{\\*\\pn\\pnlvlblt" "\\pnf1\\pnstart1{\\pntxtb \\'b7}}{Alpha\\par}}" << QStringList {"1.\tAlpha", "2.\tBeta", "\u00b7\tAlpha", ""};
    QTest::newRow("old-style letters start again after an ordinary paragraph") << "{\\rtf1{\\*\\pn\\pnlvlbody\\pnlcltr{\\pntxta )}}a\\par b\\par\\pard c\\par" "{\\*\\pn\\pnlvlbody\\pnlcltr{\\pntxta )}}d}" << QStringList {"a)\ta", "b)\tb", "c", "a)\td"};
    // clang-format on
}

void TestRtfLists::numbers()
{
    QFETCH(QString, rtf);
    QFETCH(QStringList, expected);
    const ReadDocument read = readIntoDocument(rtf);
    QCOMPARE(blockTexts(*read.document), expected);
}

QTEST_MAIN(TestRtfLists)
#include "tst_rtflists.moc"
