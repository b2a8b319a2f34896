#include "common/NumericReading.h"

#include <QTest>
#include <clocale>
#include <cmath>

using namespace virelai;

class TestNumericReading : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void val_data();
    void val();
};

// A French desktop writes "12,5": the reading must not follow it.
void TestNumericReading::initTestCase()
{
    QVERIFY2(std::setlocale(LC_ALL, "fr_FR.UTF-8"), "la locale fr_FR.UTF-8 manque");
}

void TestNumericReading::val_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    // clang-format off
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blank inside number") << "1 2" << 12.0;
    QTest::newRow("tab and line feed ignored") << "\t1\n2" << 12.0;
    QTest::newRow("carriage return stops") << "1\r2" << 1.0;
    QTest::newRow("no-break space stops") << QString("1") + QChar(0xA0) + "2" << 1.0;
    QTest::newRow("units after the number") << "  7 kg" << 7.0;
    QTest::newRow("blank after sign") << "- 5" << -5.0;
    QTest::newRow("explicit plus") << "+4" << 4.0;
    QTest::newRow("fraction") << "12.5" << 12.5;
    QTest::newRow("sign then leading point") << "-.5" << -0.5;
    QTest::newRow("comma is not a decimal point") << "12,5" << 12.0;
    QTest::newRow("capital exponent with sign") << "25E-1" << 2.5;
    QTest::newRow("blanks around exponent") << "1 e 2" << 100.0;
    QTest::newRow("point before exponent") << "1.e2" << 100.0;
    QTest::newRow("dangling exponent") << "1e" << 1.0;
    QTest::newRow("dangling exponent sign") << "1e+" << 1.0;
    QTest::newRow("exponent sign without digits then digit stops") << "2e-x3" << 2.0;
    QTest::newRow("D is not an exponent") << "1D2" << 1.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("exponent alone") << "e5" << 0.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("second sign stops") << "1-2" << 1.0;
    QTest::newRow("huge exponent overflows") << "1e99999" << qInf();
    QTest::newRow("huge negative overflows") << "-1e99999" << -qInf();
    QTest::newRow("many digits overflow") << QString(400, u'9') << qInf();
    QTest::newRow("tiny exponent underflows to zero") << "1e-99999" << 0.0;
    QTest::newRow("tiny negative underflows to zero") << "-0.001e-400" << -0.0;
    QTest::newRow("many fraction digits") << "0." + QString(400, u'0') + "5e400" << 0.5;
    // clang-format on
}

void TestNumericReading::val()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(Val(text), expected);
}

QTEST_APPLESS_MAIN(TestNumericReading)
#include "tst_numericreading.moc"
