#include "document/builders/HelpFileReading.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace virelai;

class HelpFileReadingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void readsOnlyRegularFiles_data();
    void readsOnlyRegularFiles();

private:
    QTemporaryDir folder;
    QByteArray helpBytes = QByteArray("{\\rtf1 caf\xe9 \x80}\r\n", 17);
};

void HelpFileReadingTest::initTestCase()
{
    QVERIFY(folder.isValid());
    QFile help(folder.filePath("aide.rtf"));
    QVERIFY(help.open(QIODevice::WriteOnly));
    help.write(helpBytes);
    help.close();
    QVERIFY(::mkfifo(QFile::encodeName(folder.filePath("tube.rtf")).constData(), 0600) == 0);
    QVERIFY(QFile::link(folder.filePath("aide.rtf"), folder.filePath("lien.rtf")));
    for (const auto &[name, size] :
         {std::pair {"grande.rtf", MaxHelpFileBytes}, {"trop-grande.rtf", MaxHelpFileBytes + 1}}) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(size));
    }
}

// A missing help file and a folder are refused by the end-to-end test.
void HelpFileReadingTest::readsOnlyRegularFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QByteArray>("bytes");
    // clang-format off
    QTest::newRow("regular file, bytes kept as they are") << "aide.rtf" << true << helpBytes;
    QTest::newRow("link to a regular file") << "lien.rtf" << true << helpBytes;
    QTest::newRow("FIFO without a writer") << "tube.rtf" << false << QByteArray();
    QTest::newRow("endless device") << "/dev/zero" << false << QByteArray();
    QTest::newRow("as large as a help file may be") << "grande.rtf" << true << QByteArray(MaxHelpFileBytes, '\0');
    QTest::newRow("one byte larger") << "trop-grande.rtf" << false << QByteArray();
    QTest::newRow("procfs file of size 0, read to its end") << "/proc/sys/kernel/ostype" << true << QByteArray("Linux\n");
    // clang-format on
}

void HelpFileReadingTest::readsOnlyRegularFiles()
{
    QFETCH(QString, name);
    QFETCH(bool, readable);
    QFETCH(QByteArray, bytes);
    const auto read = readHelpFileBytes(QDir(folder.path()).filePath(name));
    QCOMPARE(read.has_value(), readable);
    if (readable)
        QCOMPARE(*read, bytes);
}

QTEST_APPLESS_MAIN(HelpFileReadingTest)
#include "tst_helpfilereading.moc"
