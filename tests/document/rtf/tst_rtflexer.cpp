#include "document/rtf/RtfLexer.h"

#include <QStringList>
#include <QTest>

using namespace virelai::rtf;

namespace {

// One short line per token, so that a whole sequence compares at once.
QStringList describeTokens(const QString &input, bool *binaryRanPastEnd = nullptr)
{
    RtfLexer lexer(input);
    QStringList described;
    for (RtfToken token = lexer.next(); token.kind != RtfToken::Kind::End; token = lexer.next()) {
        switch (token.kind) {
        case RtfToken::Kind::GroupOpen:
            described << "{";
            break;
        case RtfToken::Kind::GroupClose:
            described << "}";
            break;
        case RtfToken::Kind::ControlWord:
            described << "w:" + token.name.toString()
                    + (token.hasParam ? ":" + QString::number(token.param) : QString());
            break;
        case RtfToken::Kind::OverlongWord:
            described << "overlong";
            break;
        case RtfToken::Kind::ControlSymbol:
            described << "s:" + QString(token.symbol);
            break;
        case RtfToken::Kind::HexByte:
            described << "h:" + QString::number(token.param, 16);
            break;
        case RtfToken::Kind::Text:
            described << "t:" + token.text.toString();
            break;
        case RtfToken::Kind::End:
            break;
        }
    }
    if (binaryRanPastEnd)
        *binaryRanPastEnd = lexer.binaryRanPastEnd();
    return described;
}

} // namespace

class TestRtfLexer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void tokens_data();
    void tokens();
    void binaryPastTheEnd();
};

void TestRtfLexer::tokens_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("word eats one space") << "{\\b0  x}" << QStringList {"{", "w:b:0", "t: x", "}"};
    QTest::newRow("word without parameter") << "\\par\\pard" << QStringList {"w:par", "w:pard"};
    QTest::newRow("negative parameter")
        << "\\fi-720\\li1420 a" << QStringList {"w:fi:-720", "w:li:1420", "t:a"};
    QTest::newRow("sign without digits is dropped") << "\\b-x" << QStringList {"w:b", "t:x"};
    QTest::newRow("parameter saturates high")
        << "\\fs99999999999999999999 " << QStringList {"w:fs:2147483647"};
    QTest::newRow("parameter saturates low")
        << "\\fs-99999999999999999999" << QStringList {"w:fs:-2147483648"};
    QTest::newRow("32 letters is a word")
        << "\\" + QString(32, 'a') + "1" << QStringList {"w:" + QString(32, 'a') + ":1"};
    QTest::newRow("33 letters is overlong")
        << "\\" + QString(33, 'a') + "1 x" << QStringList {"overlong", "t:x"};
    QTest::newRow("hex escape") << "\\'e9\\'B7" << QStringList {"h:e9", "h:b7"};
    QTest::newRow("broken hex escape dropped") << "\\'zz\\'e" << QStringList {"t:zz"};
    QTest::newRow("control symbols")
        << "\\*\\~\\{\\}\\\\" << QStringList {"s:*", "s:~", "s:{", "s:}", "s:\\"};
    QTest::newRow("backslash newline") << "a\\\r\nb" << QStringList {"t:a", "s:\n", "t:b"};
    QTest::newRow("line breaks split text") << "a\r\nb" << QStringList {"t:a", "t:b"};
    QTest::newRow("bin skips braces and backslashes")
        << "\\bin4 {\\}}}x" << QStringList {"}", "t:x"};
    QTest::newRow("bin without count skips nothing") << "\\bin x" << QStringList {"t:x"};
    QTest::newRow("negative bin skips nothing") << "\\bin-3 x" << QStringList {"t:x"};
    QTest::newRow("lone backslash at end") << "a\\" << QStringList {"t:a"};
    QTest::newRow("many broken escapes")
        << QString("\\'").repeated(100000) + "x" << QStringList {"t:x"};
}

void TestRtfLexer::tokens()
{
    QFETCH(QString, input);
    QFETCH(QStringList, expected);
    bool pastEnd = true;
    QCOMPARE(describeTokens(input, &pastEnd), expected);
    QVERIFY(!pastEnd);
}

void TestRtfLexer::binaryPastTheEnd()
{
    bool pastEnd = false;
    QCOMPARE(describeTokens("a\\bin2147483647 bcd", &pastEnd), QStringList {"t:a"});
    QVERIFY(pastEnd);
}

QTEST_GUILESS_MAIN(TestRtfLexer)
#include "tst_rtflexer.moc"
