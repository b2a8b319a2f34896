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
};

void TestFileClipboard::decodes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("accents") << QByteArray("\xc3\xa9l\xc3\xa8ve") << QStringLiteral("élève");
    QTest::newRow("leading byte-order mark dropped") << QByteArray("\xef\xbb\xbf"
                                                                   "abc")
                                                     << QStringLiteral("abc");
    QTest::newRow("inner byte-order mark kept") << QByteArray("a\xef\xbb\xbf"
                                                              "b")
                                                << QStringLiteral("a") + QChar(0xFEFF) + "b";
    QTest::newRow("CR LF kept") << QByteArray("a\r\nb\rc\n") << QStringLiteral("a\r\nb\rc\n");
    QTest::newRow("Windows-1252 byte becomes replacement")
        << QByteArray("caf\xe9!") << QStringLiteral("caf") + QChar(0xFFFD) + "!";
    QTest::newRow("truncated sequence at the end")
        << QByteArray("a\xc3") << QStringLiteral("a") + QChar(0xFFFD);
    QTest::newRow("NUL kept") << QByteArray("a\0b", 3)
                              << QString(QStringLiteral("a") + QChar(0) + "b");
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

    QString erreur;
    const auto clipboard = FileClipboard::load(path, erreur);
    QVERIFY2(clipboard.has_value(), qPrintable(erreur));
    QCOMPARE(clipboard->text(), QStringLiteral("1\r\n{Titre é}\r\n"));
}

void TestFileClipboard::refusesWhatCannotBeRead_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing file") << "absent.txt";
    QTest::newRow("directory") << ".";
}

void TestFileClipboard::refusesWhatCannotBeRead()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(name);
    QString erreur;
    QVERIFY(!FileClipboard::load(path, erreur).has_value());
    QVERIFY2(erreur.contains(path), qPrintable(erreur));
}

QTEST_APPLESS_MAIN(TestFileClipboard)
#include "tst_fileclipboard.moc"
