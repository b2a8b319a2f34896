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

// Only the space is a blank here: Basic's Trim leaves every other character.
void TestTrimBlancs::trims_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("both ends, inner blanks kept") << " a  b  " << "a  b";
    QTest::newRow("spaces only") << "    " << "";
    QTest::newRow("tab at either end stays") << "\t a \t" << "\t a \t";
    QTest::newRow("line break stays") << " \r\n " << "\r\n";
    QTest::newRow("no-break space stays") << " \u00a0x\u00a0 " << "\u00a0x\u00a0";
    // clang-format on
}

void TestTrimBlancs::trims()
{
    QFETCH(QString, text);
    QTEST(TrimBlancs(text), "expected");
}

QTEST_APPLESS_MAIN(TestTrimBlancs)
#include "tst_trimblancs.moc"
