#include "common/Windows1252.h"

#include <QTest>

using namespace virelai;

class TestWindows1252 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void written_data();
    void written();
    void everyAssignedByteReadsBackToItself();
};

void TestWindows1252::written_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    // clang-format off
    QTest::newRow("high block") << "€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ"
                                << QByteArray("\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C"
                                              "\x8E\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B"
                                              "\x9C\x9E\x9F");
    QTest::newRow("C1 controls are not characters") << QString(QChar(0x81)) << QByteArray("?");
    QTest::newRow("NUL would end the string") << QString(QChar(0)) << QByteArray("?");
    QTest::newRow("beyond the code page") << "Ω😀" << QByteArray("???");
    // clang-format on
}

void TestWindows1252::written()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(toWindows1252(text), bytes);
}

// Reading and writing share one table: a byte the code page assigns is written
// back as itself, and only the five unassigned ones read as C1 controls.
void TestWindows1252::everyAssignedByteReadsBackToItself()
{
    const QByteArray unassigned("\x81\x8D\x8F\x90\x9D");
    for (int byte = 1; byte <= 0xFF; ++byte) {
        const QChar read = windows1252ToUnicode(uchar(byte));
        const bool assigned = !unassigned.contains(char(byte));
        QCOMPARE(read.category() == QChar::Other_Control && byte >= 0x80, !assigned);
        if (assigned)
            QCOMPARE(toWindows1252(QString(read)), QByteArray(1, char(byte)));
    }
}

QTEST_APPLESS_MAIN(TestWindows1252)
#include "tst_windows1252.moc"
