#include "RtfTestDocument.h"

#include <QTest>

using namespace virelai;
using namespace virelai::testing;

namespace {

QString fontTable(int entries)
{
    QString table = QStringLiteral("{\\rtf1{\\fonttbl");
    for (int i = 0; i < entries; ++i)
        table += QStringLiteral("{\\f%1 F%1;}").arg(i);
    return table + u'}';
}

// Fonts, colours, a bullet list, escapes and a style: a cut can fall in any of them.
const QString Sample = QStringLiteral(
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}{\\f2 Symbol;}}"
    "{\\colortbl ;\\red0\\green0\\blue255;}{\\stylesheet{\\s1\\b Titre;}}\\pard\\f0\\fs24 "
    "{\\s1\\cf1\\ul\\i Rappel\\par \\ulnone Pour am\\'e9liorer les performances \\u233?\\par"
    "\\pard{\\pntext\\f2\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf2\\pnindent360{\\pntxtb\\'B7}}"
    "\\nowidctlpar\\fi-720\\li1420\\tx360 des pratiques culturelles ;\\par{\\pntext\\f2\\'B7\\tab}"
    "des entra\\'eenements.\\par}\\pard\\b\\f1 Avec le groupe A\\line\\b0\\f2\\fs20 fin\\par}");

QString withoutTrailingLineBreaks(QString text)
{
    while (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

} // namespace

class TestRtfHostile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readsWhatItCan_data();
    void readsWhatItCan();
    void formatsBounded_data();
    void formatsBounded();
    void truncationAtEveryCharacter();
    void nullCursor();
};

void TestRtfHostile::readsWhatItCan_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("complete");
    const int million = 1000000;
    const QString sixteenMiB(qsizetype(16) * 1024 * 1024, u'a');
    // clang-format off
    QTest::newRow("a million nested braces") << QString(million, u'{') + "x" + QString(million, u'}') + "y" << "xy" << true;
    QTest::newRow("a million unclosed braces") << QString(million, u'{') + "\\b x" << "x" << true;
    QTest::newRow("formatting kept beyond the depth limit") << QString(300, u'{') + "\\b x" + QString(300, u'}') << "x" << true;
    QTest::newRow("a million stray closing braces") << QString(million, u'}') + "x" << "x" << true;
    QTest::newRow("huge bin") << "{a\\bin2147483647 bcd}" << "a" << false;
    QTest::newRow("bin skips braces and backslashes") << "{a\\bin4 {\\}}b}" << "ab" << true;
    QTest::newRow("sign without digits dropped") << "{\\b-x}" << "x" << true;
    QTest::newRow("bin inside skipped group") << "{a{\\*\\x\\bin3 }}}}b}c" << "abc" << true;
    QTest::newRow("u-1") << "{\\u-1?y}" << "\ufffdy" << true;
    QTest::newRow("u out of range") << "{\\u70000?\\u-40000?y}" << "\ufffd\ufffdy" << true;
    QTest::newRow("u control character dropped") << "{\\u0?\\u7?\\u9?y}" << "\ty" << true;
    QTest::newRow("uc99") << "{\\uc99\\u233 abcdef}g" << "ég" << true;
    QTest::newRow("uc beyond limit") << "{\\uc2147483647\\u233 abc}d" << "éd" << true;
    QTest::newRow("negative uc") << "{\\uc-5\\u233 abc}" << "éabc" << true;
    QTest::newRow("33-letter word") << "{a\\" + QString(33, 'q') + "5 b}" << "ab" << true;
    QTest::newRow("40-letter known prefix") << "{a\\par" + QString(37, 'q') + " b}" << "ab" << true;
    QTest::newRow("NUL characters") << QString("{a") + QChar(0) + "b\\'00c" + QChar(0) + "}" << "abc" << true;
    QTest::newRow("control characters") << QString("{a\x01\x1f\x7f" "b}") << "ab" << true;
    QTest::newRow("lone surrogates") << QString("{a") + QChar(0xD800) + "b" + QChar(0xDC00) + "}" << "a\ufffdb\ufffd" << true;
    QTest::newRow("lone u surrogates") << "{\\u-10179?x\\u-8704?}" << "\ufffdx\ufffd" << true;
    QTest::newRow("high surrogate at the end") << "{x\\u-10179?" << "x\ufffd" << true;
    QTest::newRow("lone backslash at end") << "{a\\" << "a" << true;
    QTest::newRow("broken hex escapes") << "{a\\'zz\\'e}" << "azz" << true;
    QTest::newRow("star everywhere") << "{a\\*b}c{\\*}d" << "acd" << true;
    QTest::newRow("destinations outside any group") << "\\*a\\fonttbl b\\info c" << "abc" << true;
    QTest::newRow("not RTF at all") << "plain text" << "plain text" << true;
    QTest::newRow("empty") << "" << "" << true;
    QTest::newRow("16 MiB read whole") << "{{\\*\\x " + sixteenMiB + "}b}" << "b" << true;
    QTest::newRow("beyond the size limit the rest is dropped, and said so") << "{{\\*\\x " + sixteenMiB.repeated(3) + "}b}" << "" << false;
    // clang-format on
}

void TestRtfHostile::readsWhatItCan()
{
    QFETCH(QString, rtf);
    QFETCH(QString, expected);
    QFETCH(bool, complete);
    const LaidOut read(rtf);
    QCOMPARE(read.document.toPlainText(), expected);
    QCOMPARE(read.result.complete, complete);
    QCOMPARE(read.result.problem.isEmpty(), complete);
}

void TestRtfHostile::formatsBounded_data()
{
    QTest::addColumn<QString>("rtf");
    QTest::addColumn<double>("pointSize");
    QTest::addColumn<double>("leftMargin");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QColor>("color");
    const QColor black(Qt::black);
    const QString fonts = fontTable(20000);
    const QString colors = "{\\colortbl;" + QString("\\red1;").repeated(20000) + "}";
    // clang-format off
    QTest::newRow("fs2147483647") << "{\\fs2147483647\\li2147483647 x}" << 1638.0 << 31680.0 << "Arial" << black;
    QTest::newRow("negative fs and li") << "{\\fs-2147483648\\li-2147483648 x}" << 1.0 << -31680.0 << "Arial" << black;
    QTest::newRow("fs0") << "{\\fs0 x}" << 1.0 << 0.0 << "Arial" << black;
    QTest::newRow("40-digit parameter") << "{\\fs9999999999999999999999999999999999999999 x}" << 1638.0 << 0.0 << "Arial" << black;
    QTest::newRow("last font kept") << fonts + "\\f4095 x}" << 12.0 << 0.0 << "F4095" << black;
    QTest::newRow("fonts beyond the limit ignored") << fonts + "\\f19999 x}" << 12.0 << 0.0 << "Arial" << black;
    QTest::newRow("huge font number") << "{\\f2147483647 x}" << 12.0 << 0.0 << "Arial" << black;
    QTest::newRow("last colour kept") << colors + "{\\cf4095 x}" << 12.0 << 0.0 << "Arial" << QColor(1, 0, 0);
    QTest::newRow("colours beyond the limit ignored") << colors + "{\\cf4096 x}" << 12.0 << 0.0 << "Arial" << black;
    QTest::newRow("colour components clamped") << "{\\colortbl;\\red999\\green-4\\blue128;}{\\cf1 x}" << 12.0 << 0.0 << "Arial" << QColor(255, 0, 128);
    QTest::newRow("overlong font name cut") << "{\\fonttbl{\\f0 " + QString(100000, 'N') + ";}}\\f0 x" << 12.0 << 0.0 << QString(256, 'N') << black;
    // clang-format on
}

void TestRtfHostile::formatsBounded()
{
    QFETCH(QString, rtf);
    QFETCH(double, pointSize);
    QFETCH(double, leftMargin);
    QFETCH(QString, family);
    QFETCH(QColor, color);
    const LaidOut read(rtf);
    QCOMPARE(read.document.toPlainText(), QString("x"));
    const QTextCharFormat format = formatOf(read.document, "x");
    QCOMPARE(format.fontPointSize(), pointSize);
    QCOMPARE(blockHolding(read.document, "x").blockFormat().leftMargin(), leftMargin);
    QCOMPARE(format.fontFamilies().toStringList(), QStringList {family});
    QCOMPARE(format.foreground().color(), color);
}

// A cut text shows the beginning of what the whole text shows.
void TestRtfHostile::truncationAtEveryCharacter()
{
    const QString whole = LaidOut(Sample).document.toPlainText();
    for (qsizetype length = 0; length <= Sample.size(); ++length) {
        const LaidOut read(Sample.first(length));
        QVERIFY(read.result.complete);
        const QString shown = withoutTrailingLineBreaks(read.document.toPlainText());
        QVERIFY2(whole.startsWith(shown), qPrintable(QString::number(length) + ": " + shown));
    }
}

void TestRtfHostile::nullCursor()
{
    QTextCursor cursor;
    const RtfReadResult result = readRtf(u"{x}", cursor);
    QVERIFY(!result.complete);
}

QTEST_MAIN(TestRtfHostile)
#include "tst_rtfhostile.moc"
