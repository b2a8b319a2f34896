#include "app/ClipboardLimit.h"
#include "app/FileClipboard.h"

#include <QTemporaryDir>
#include <QTest>

using namespace virelai;

class TestFileClipboard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void decodes_data();
    void decodes();
    void loadsFileBytesAsTheyAre();
    void refusesWhatCannotBeRead_data();
    void refusesWhatCannotBeRead();
    void refusesATextPastTheLimit_data();
    void refusesATextPastTheLimit();
};

void TestFileClipboard::decodes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("accents") << QByteArray("\xc3\xa9l\xc3\xa8ve") << QStringLiteral("élève");
    QTest::newRow("leading byte-order mark dropped") << QByteArray("\xef\xbb\xbf" "abc") << QStringLiteral("abc");
    QTest::newRow("inner byte-order mark kept") << QByteArray("a\xef\xbb\xbf" "b") << QStringLiteral("a") + QChar(0xFEFF) + "b";
    QTest::newRow("CR LF kept") << QByteArray("a\r\nb\rc\n") << QStringLiteral("a\r\nb\rc\n");
    QTest::newRow("Windows-1252 byte becomes replacement") << QByteArray("caf\xe9!") << QStringLiteral("caf") + QChar(0xFFFD) + "!";
    QTest::newRow("truncated sequence at the end") << QByteArray("a\xc3") << QStringLiteral("a") + QChar(0xFFFD);
    QTest::newRow("NUL kept") << QByteArray("a\0b", 3) << QString(QStringLiteral("a") + QChar(0) + "b");
    // clang-format on
}

void TestFileClipboard::decodes()
{
    QFETCH(QByteArray, bytes);
    QTEST(decodeClipboardBytes(bytes), "expected");
}

void TestFileClipboard::loadsFileBytesAsTheyAre()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("donnees.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\xef\xbb\xbf"
               "1\r\n{Titre \xc3\xa9}\r\n");
    file.close();

    const auto clipboard = FileClipboard::load(path);
    QVERIFY2(clipboard.hasValue(), qPrintable(clipboard ? QString() : clipboard.failure().message));
    QCOMPARE(clipboard.value().text(), QStringLiteral("1\r\n{Titre é}\r\n"));
}

void TestFileClipboard::refusesWhatCannotBeRead_data()
{
    QTest::addColumn<QString>("name");
    // clang-format off
    QTest::newRow("missing file") << "absent.txt";
    QTest::newRow("directory") << ".";
    // clang-format on
}

void TestFileClipboard::refusesWhatCannotBeRead()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(name);
    const auto clipboard = FileClipboard::load(path);
    QVERIFY(!clipboard.hasValue());
    QVERIFY2(clipboard.failure().message.contains(path), qPrintable(clipboard.failure().message));
}

void TestFileClipboard::refusesATextPastTheLimit_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("accepted");
    const QByteArray e = QByteArray("\xc3\xa9");
    const QByteArray smile = QByteArray("\xf0\x9f\x98\x80"); // two characters of the text
    const int limit = int(LargestClipboardText);
    // clang-format off
    QTest::newRow("as long as a clipboard text may be") << QByteArray(limit, 'a') << true;
    QTest::newRow("one character more") << QByteArray(limit + 1, 'a') << false;
    QTest::newRow("accented letters count once each") << e.repeated(limit) << true;
    QTest::newRow("with a byte-order mark, that does not count") << QByteArray("\xef\xbb\xbf") + e.repeated(limit) << true;
    QTest::newRow("letters outside 16 bits count twice") << smile.repeated(limit / 2 + 1) << false;
    QTest::newRow("far past the limit") << QByteArray(16 * limit, '\n') << false;
    // clang-format on
}

void TestFileClipboard::refusesATextPastTheLimit()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, accepted);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("liste.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const auto clipboard = FileClipboard::load(path);
    QCOMPARE(clipboard.hasValue(), accepted);
    if (accepted)
        QCOMPARE(clipboard.value().text(), decodeClipboardBytes(bytes));
    else
        QCOMPARE(clipboard.failure().message, dataFileTooLargeMessage(path));
}

QTEST_APPLESS_MAIN(TestFileClipboard)
#include "tst_fileclipboard.moc"
