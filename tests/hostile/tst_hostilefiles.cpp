// Stored documents are read by name from the program's folder, where anything
// can stand under that name: only a regular file is shown, and whatever else is
// found leaves the page that was shown before.
#include "document/builders/HelpFileReading.h"
#include "document/builders/OuvreFicPages.h"
#include "document/surface/Surface.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace virelai;

class HostileFilesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void storedDocuments_data();
    void storedDocuments();

private:
    QTemporaryDir folder;
};

void HostileFilesTest::initTestCase()
{
    QVERIFY(folder.isValid());
    QFile stored(folder.filePath("moyenne.rtf"));
    QVERIFY(stored.open(QIODevice::WriteOnly));
    stored.write("{\\rtf1 Conseil m\\'e9moris\\'e9}");
    stored.close();
    QVERIFY(QDir(folder.path()).mkdir("dossier.rtf"));
    QCOMPARE(::mkfifo(QFile::encodeName(folder.filePath("tube.rtf")).constData(), 0600), 0);
    QVERIFY(QFile::link("/dev/zero", folder.filePath("zero.rtf")));
}

void HostileFilesTest::storedDocuments_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("shown");
    QTest::newRow("regular file") << folder.filePath("moyenne.rtf") << true;
    QTest::newRow("missing") << folder.filePath("absent.rtf") << false;
    QTest::newRow("directory") << folder.filePath("dossier.rtf") << false;
    QTest::newRow("FIFO without a writer") << folder.filePath("tube.rtf") << false;
    QTest::newRow("link to an endless device") << folder.filePath("zero.rtf") << false;
    QTest::newRow("the folder itself") << folder.path() + u'/' << false;
}

void HostileFilesTest::storedDocuments()
{
    QFETCH(QString, path);
    QFETCH(bool, shown);
    Surface VSPrinter1;
    VSPrinter1.setDocAction(Surface::NewDocument);
    VSPrinter1.setRichText(QStringLiteral("{\\rtf1 avant}"));
    VSPrinter1.setDocAction(Surface::EndDocument);
    const auto before = VSPrinter1.shownDocument();
    QCOMPARE(showStoredDocument(VSPrinter1, path, readHelpFileBytes), shown);
    QCOMPARE(VSPrinter1.shownDocument() != before, shown);
}

QTEST_MAIN(HostileFilesTest)
#include "tst_hostilefiles.moc"
