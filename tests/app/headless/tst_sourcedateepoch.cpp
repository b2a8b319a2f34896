#include "app/headless/SourceDateEpoch.h"

#include <QTest>

using namespace virelai;

class SourceDateEpochTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsWholeSecondsOnly_data();
    void readsWholeSecondsOnly();
    void givesLocalTime();
};

void SourceDateEpochTest::readsWholeSecondsOnly_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<qint64>("seconds");
    // clang-format off
    QTest::newRow("epoch") << QByteArray("0") << true << qint64(0);
    QTest::newRow("december 2026") << QByteArray("1796461500") << true << qint64(1796461500);
    QTest::newRow("empty") << QByteArray() << false << qint64(0);
    QTest::newRow("negative") << QByteArray("-5") << false << qint64(0);
    QTest::newRow("leading blank") << QByteArray(" 100") << false << qint64(0);
    QTest::newRow("fraction") << QByteArray("100.5") << false << qint64(0);
    QTest::newRow("hexadecimal") << QByteArray("0x10") << false << qint64(0);
    QTest::newRow("last second of 9999") << QByteArray("253402300799") << true << qint64(253402300799);
    QTest::newRow("year 10000") << QByteArray("253402300800") << false << qint64(0);
    QTest::newRow("beyond 64 bits") << QByteArray("99999999999999999999999") << false << qint64(0);
    // clang-format on
}

void SourceDateEpochTest::readsWholeSecondsOnly()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, accepted);
    QFETCH(qint64, seconds);
    const auto moment = momentFromSourceDateEpoch(value);
    QCOMPARE(moment.has_value(), accepted);
    if (accepted)
        QCOMPARE(moment->toSecsSinceEpoch(), seconds);
}

void SourceDateEpochTest::givesLocalTime()
{
    qputenv("TZ", "Europe/Paris");
    const auto moment = momentFromSourceDateEpoch("1796461500"); // 2026-12-05 09:05 UTC
    QVERIFY(moment);
    QCOMPARE(moment->toString(QStringLiteral("dd-MM-yyyy HH:mm")),
             QStringLiteral("05-12-2026 10:05"));
}

QTEST_APPLESS_MAIN(SourceDateEpochTest)
#include "tst_sourcedateepoch.moc"
