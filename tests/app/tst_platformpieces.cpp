#include "app/OverrideCursorPointer.h"
#include "app/SystemClipboard.h"

#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QTest>

using namespace virelai;

class TestPlatformPieces : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void hourglassThenDefault();
    void repeatedHourglassIsOneOverride();
    void destructionGivesPointerBack();
    void clipboardText();
};

namespace {

bool showsHourglass()
{
    const QCursor *cursor = QGuiApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}

} // namespace

void TestPlatformPieces::hourglassThenDefault()
{
    OverrideCursorPointer pointer;
    pointer.setMousePointer(BusyPointer::Hourglass);
    QVERIFY(showsHourglass());
    pointer.setMousePointer(BusyPointer::Default);
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestPlatformPieces::repeatedHourglassIsOneOverride()
{
    OverrideCursorPointer pointer;
    pointer.setMousePointer(BusyPointer::Hourglass);
    pointer.setMousePointer(BusyPointer::Hourglass);
    pointer.setMousePointer(BusyPointer::Default);
    QVERIFY(!QGuiApplication::overrideCursor());
    pointer.setMousePointer(BusyPointer::Default); // no override left to pop
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestPlatformPieces::destructionGivesPointerBack()
{
    {
        OverrideCursorPointer pointer;
        pointer.setMousePointer(BusyPointer::Hourglass);
    }
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestPlatformPieces::clipboardText()
{
    const QString figures = QStringLiteral("1\r\n{Moyenne}\r\n");
    QGuiApplication::clipboard()->setText(figures);
    QCOMPARE(SystemClipboard().text(), figures);
    QGuiApplication::clipboard()->clear();
    QCOMPARE(SystemClipboard().text(), QString());
}

QTEST_MAIN(TestPlatformPieces)
#include "tst_platformpieces.moc"
