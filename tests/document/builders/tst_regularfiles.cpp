// Help files and chart pictures are read only from regular files: either can
// be replaced between runs by anything that has a name.
#include "../metafile/WmfBuilder.h"
#include "document/builders/HelpFileReading.h"
#include "document/metafile/MetafilePicture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace virelai;

class RegularFilesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void readsOnlyRegularFiles_data();
    void readsOnlyRegularFiles();

private:
    QTemporaryDir folder;
    // A metafile, read by the help reader as bytes kept as they are.
    QByteArray fileBytes = WmfBuilder::filling(0xFF).rectangle(0, 0, 100, 100).bytes();
};

void RegularFilesTest::initTestCase()
{
    QVERIFY(folder.isValid());
    QFile file(folder.filePath("fichier"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(fileBytes);
    file.close();
    QVERIFY(::mkfifo(QFile::encodeName(folder.filePath("tube")).constData(), 0600) == 0);
    QVERIFY(QFile::link(folder.filePath("fichier"), folder.filePath("lien")));
    QVERIFY(QDir(folder.path()).mkdir("dossier"));
    for (const auto &[name, size] :
         {std::pair {"grand", MaxHelpFileBytes}, {"trop-grand", MaxHelpFileBytes + 1}}) {
        QFile large(folder.filePath(name));
        QVERIFY(large.open(QIODevice::WriteOnly));
        QVERIFY(large.resize(size));
    }
}

void RegularFilesTest::readsOnlyRegularFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("helpRead");
    QTest::addColumn<QByteArray>("helpBytes");
    QTest::addColumn<bool>("pictureLoaded");
    const QByteArray none;
    // clang-format off
    QTest::newRow("regular file") << "fichier" << true << fileBytes << true;
    QTest::newRow("link to a regular file") << "lien" << true << fileBytes << true;
    QTest::newRow("missing") << "absent" << false << none << false;
    QTest::newRow("directory") << "dossier" << false << none << false;
    QTest::newRow("FIFO without a writer") << "tube" << false << none << false;
    QTest::newRow("endless device") << "/dev/zero" << false << none << false;
    QTest::newRow("as large as a help file may be") << "grand" << true << QByteArray(MaxHelpFileBytes, '\0') << false;
    QTest::newRow("one byte larger") << "trop-grand" << false << none << false;
    QTest::newRow("procfs file of size 0, read to its end") << "/proc/sys/kernel/ostype" << true << QByteArray("Linux\n") << false;
    // clang-format on
}

void RegularFilesTest::readsOnlyRegularFiles()
{
    QFETCH(QString, name);
    QFETCH(bool, helpRead);
    QFETCH(QByteArray, helpBytes);
    QFETCH(bool, pictureLoaded);
    const QString path = QDir(folder.path()).filePath(name);
    const auto read = readHelpFileBytes(path);
    QCOMPARE(read.has_value(), helpRead);
    if (helpRead)
        QCOMPARE(*read, helpBytes);
    QCOMPARE(loadMetafilePicture(path) != nullptr, pictureLoaded);
}

QTEST_APPLESS_MAIN(RegularFilesTest)
#include "tst_regularfiles.moc"
