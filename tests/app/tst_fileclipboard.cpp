#include "app/ClipboardLimit.h"
#include "app/FileClipboard.h"

#include <QTemporaryDir>
#include <QTest>

using namespace virelai;

// Missing and unreadable data files are the golden --dump-advice error cases.
class TestFileClipboard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void loads_data();
    void loads();
};

void TestFileClipboard::loads_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected"); // null: refused as too long
    const QByteArray e = QByteArray("\xc3\xa9");
    const QByteArray smile = QByteArray("\xf0\x9f\x98\x80"); // two characters of the text
    const int limit = int(LargestClipboardText);
    // clang-format off
    QTest::newRow("Windows-1252 byte becomes replacement") << QByteArray("caf\xe9!") << QStringLiteral("caf") + QChar(0xFFFD) + "!";
    QTest::newRow("as long as a clipboard text may be") << QByteArray(limit, 'a') << QString(limit, u'a');
    QTest::newRow("one character more") << QByteArray(limit + 1, 'a') << QString();
    QTest::newRow("with a byte-order mark, dropped and not counted") << QByteArray("\xef\xbb\xbf") + e.repeated(limit) << QStringLiteral("é").repeated(limit);
    QTest::newRow("letters outside 16 bits count twice") << smile.repeated(limit / 2 + 1) << QString();
    QTest::newRow("far past the limit") << QByteArray(16 * limit, '\n') << QString();
    // clang-format on
}

void TestFileClipboard::loads()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("liste.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    const auto clipboard = FileClipboard::load(path);
    QCOMPARE(clipboard.hasValue(), !expected.isNull());
    if (clipboard)
        QCOMPARE(clipboard.value().text(), expected);
    else
        QCOMPARE(clipboard.failure().message, dataFileTooLargeMessage(path));
}

QTEST_APPLESS_MAIN(TestFileClipboard)
#include "tst_fileclipboard.moc"
