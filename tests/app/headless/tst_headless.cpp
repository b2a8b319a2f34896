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
    void fullDiskKeepsThePreviousPdf();
    void buildMomentReadsWholeSecondsOnly_data();
    void buildMomentReadsWholeSecondsOnly();
    void buildMomentIsLocalTime();
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
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<qint64>("seconds");
    // clang-format off
    QTest::newRow("december 2026") << QByteArray("1796461500") << true << qint64(1796461500);
    QTest::newRow("empty") << QByteArray() << false << qint64(0);
    QTest::newRow("fraction") << QByteArray("100.5") << false << qint64(0);
    QTest::newRow("last second of 9999") << QByteArray("253402300799") << true << qint64(253402300799);
    QTest::newRow("year 10000") << QByteArray("253402300800") << false << qint64(0);
    QTest::newRow("beyond 64 bits") << QByteArray("99999999999999999999999") << false << qint64(0);
    // clang-format on
}

void HeadlessTest::buildMomentReadsWholeSecondsOnly()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, accepted);
    QFETCH(qint64, seconds);
    const auto moment = momentFromSourceDateEpoch(value);
    QCOMPARE(moment.has_value(), accepted);
    if (accepted)
        QCOMPARE(moment->toSecsSinceEpoch(), seconds);
}

void HeadlessTest::buildMomentIsLocalTime()
{
    qputenv("TZ", "Europe/Paris");
    const auto moment = momentFromSourceDateEpoch("1796461500"); // 2026-12-05 09:05 UTC
    QVERIFY(moment);
    QCOMPARE(moment->toString(QStringLiteral("dd-MM-yyyy HH:mm")),
             QStringLiteral("05-12-2026 10:05"));
}

QTEST_MAIN(HeadlessTest)
#include "tst_headless.moc"
