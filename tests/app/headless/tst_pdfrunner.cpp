#include "app/ProgramOptions.h"
#include "app/headless/PdfRunner.h"
#include "chart/files/AtomicFileWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

using namespace virelai;

namespace {

// A disk with no room left.
class FullDiskWriter : public AtomicFileWriter
{
protected:
    ssize_t writeSome(int, const char *, size_t) override
    {
        errno = ENOSPC;
        return -1;
    }
};

const QByteArray PreviousPdf("%PDF-1.4 la page d'hier");
const QByteArray PupilList("DUPONT Marie\rMARTIN Paul");

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class PdfRunnerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void failedWriteKeepsWhatWasThere_data();
    void failedWriteKeepsWhatWasThere();
};

void PdfRunnerTest::failedWriteKeepsWhatWasThere_data()
{
    QTest::addColumn<QString>("pdfName");
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<QByteArray>("kept");
    // clang-format off
    QTest::newRow("full disk: the previous PDF stays") << "page.pdf" << true << PreviousPdf;
    QTest::newRow("output named as the data file: refused") << "eleves.txt" << false << PupilList;
    // clang-format on
}

void PdfRunnerTest::failedWriteKeepsWhatWasThere()
{
    QFETCH(QString, pdfName);
    QFETCH(bool, fullDisk);
    QFETCH(QByteArray, kept);
    QTemporaryDir folder;
    QVERIFY(write(folder.filePath("page.pdf"), PreviousPdf));
    QVERIFY(write(folder.filePath("eleves.txt"), PupilList));
    ProgramOptions options;
    options.pdfFile = folder.filePath(pdfName);
    options.dataFile = folder.filePath("eleves.txt");
    options.request = QStringLiteral("5,0,Élèves concernés,CE2,");
    FullDiskWriter full;
    AtomicFileWriter disk;
    const int status
        = writeRequestedPdf(options, fullDisk ? static_cast<FileWriter &>(full) : disk);
    QCOMPARE(status, PdfFailed);
    QCOMPARE(contents(folder.filePath(pdfName)), kept);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
             (QStringList {"eleves.txt", "page.pdf"})); // no temporary file left
}

QTEST_MAIN(PdfRunnerTest)
#include "tst_pdfrunner.moc"
