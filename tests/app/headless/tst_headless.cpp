#include "app/ProgramOptions.h"
#include "app/headless/PdfRunner.h"
#include "app/headless/SourceDateEpoch.h"
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

} // namespace

// What the end-to-end runs cannot reach: a full disk, the bounds of the build
// moment and its local time (they run in UTC).
class HeadlessTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qputenv("TZ", "Pacific/Tahiti"); }
    void fullDiskKeepsThePreviousPdf();
    void buildMomentReadsWholeSecondsOnly_data();
    void buildMomentReadsWholeSecondsOnly();
};

void HeadlessTest::fullDiskKeepsThePreviousPdf()
{
    const QByteArray previous("%PDF-1.4 la page d'hier");
    QTemporaryDir folder;
    QFile pdf(folder.filePath("page.pdf"));
    QVERIFY(pdf.open(QIODevice::WriteOnly) && pdf.write(previous) == previous.size());
    pdf.close();
    ProgramOptions options;
    options.pdfFile = pdf.fileName();
    options.request = QStringLiteral("5,0,Élèves concernés,CE2,");
    FullDiskWriter full;
    QCOMPARE(writeRequestedPdf(options, full), PdfFailed);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QCOMPARE(pdf.readAll(), previous);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList {"page.pdf"}); // no temporary
}

void HeadlessTest::buildMomentReadsWholeSecondsOnly_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("local"); // empty: refused
    // clang-format off
    QTest::newRow("december 2026, the day before in Tahiti") << QByteArray("1796461500") << "04-12-2026 23:05:00";
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("fraction") << QByteArray("100.5") << "";
    QTest::newRow("last second of 9999") << QByteArray("253402300799") << "31-12-9999 13:59:59";
    QTest::newRow("year 10000") << QByteArray("253402300800") << "";
    QTest::newRow("beyond 64 bits") << QByteArray("99999999999999999999999") << "";
    // clang-format on
}

void HeadlessTest::buildMomentReadsWholeSecondsOnly()
{
    QFETCH(QByteArray, value);
    QFETCH(QString, local);
    const auto moment = momentFromSourceDateEpoch(value);
    QCOMPARE(moment.has_value(), !local.isEmpty());
    if (moment)
        QCOMPARE(moment->toString(QStringLiteral("dd-MM-yyyy HH:mm:ss")), local);
}

QTEST_MAIN(HeadlessTest)
#include "tst_headless.moc"
