#include "common/TrimBlancs.h"

#include <QTest>

using namespace virelai;

class TestTrimBlancs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void trims_data();
    void trims();
};

void TestTrimBlancs::trims_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("both ends, inner space kept") << "  a b  "
                                                 << "a b";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("spaces only") << "    "
                                 << "";
    QTest::newRow("single space") << " "
                                  << "";
    QTest::newRow("nothing to trim") << "abc"
                                     << "abc";
    QTest::newRow("tab at either end stays") << "\t a \t"
                                             << "\t a \t";
    QTest::newRow("line break stays") << " \r\n "
                                      << "\r\n";
    QTest::newRow("no-break space stays")
        << QStringLiteral(" \u00a0x\u00a0 ") << QStringLiteral("\u00a0x\u00a0");
    QTest::newRow("inner double blank kept") << " a  b "
                                             << "a  b";
    QTest::newRow("leading only") << "   3"
                                  << "3";
    QTest::newRow("trailing only") << "3   "
                                   << "3";
}

void TestTrimBlancs::trims()
{
    QFETCH(QString, text);
    QTEST(TrimBlancs(text), "expected");
}

QTEST_APPLESS_MAIN(TestTrimBlancs)
#include "tst_trimblancs.moc"
