#include "app/OverrideCursorPointer.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTest>

using namespace virelai;

class TestPlatformPieces : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void hourglassIsOneOverrideGivenBackOnce();
};

// Qt stacks override cursors: a repeated hourglass must not leave one behind.
void TestPlatformPieces::hourglassIsOneOverrideGivenBackOnce()
{
    {
        OverrideCursorPointer pointer;
        pointer.setMousePointer(BusyPointer::Hourglass);
        pointer.setMousePointer(BusyPointer::Hourglass);
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        pointer.setMousePointer(BusyPointer::Default);
        QVERIFY(!QGuiApplication::overrideCursor());
        pointer.setMousePointer(BusyPointer::Hourglass);
    }
    QVERIFY(!QGuiApplication::overrideCursor()); // given back on destruction
}

QTEST_MAIN(TestPlatformPieces)
#include "tst_platformpieces.moc"
