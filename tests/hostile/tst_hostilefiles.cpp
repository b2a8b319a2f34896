// Stored documents are read by name from the program's folder, where anything
// can stand under that name. Which files are read is the reader's own table;
// here, whatever cannot be read leaves the page that was shown before.
#include "document/builders/HelpFileReading.h"
#include "document/builders/OuvreFicPages.h"
#include "document/surface/Surface.h"

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
    QCOMPARE(::mkfifo(QFile::encodeName(folder.filePath("tube.rtf")).constData(), 0600), 0);
}

void HostileFilesTest::storedDocuments_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("shown");
    // clang-format off
    QTest::newRow("regular file") << "moyenne.rtf" << true;
    QTest::newRow("FIFO without a writer") << "tube.rtf" << false;
    // clang-format on
}

void HostileFilesTest::storedDocuments()
{
    QFETCH(QString, name);
    QFETCH(bool, shown);
    Surface VSPrinter1;
    VSPrinter1.setDocAction(Surface::NewDocument);
    VSPrinter1.setRichText(QStringLiteral("{\\rtf1 avant}"));
    VSPrinter1.setDocAction(Surface::EndDocument);
    const auto before = VSPrinter1.shownDocument();
    const QString path = folder.path() + u'/' + name;
    QCOMPARE(showStoredDocument(VSPrinter1, path, readHelpFileBytes), shown);
    QCOMPARE(VSPrinter1.shownDocument() != before, shown);
}

QTEST_MAIN(HostileFilesTest)
#include "tst_hostilefiles.moc"
