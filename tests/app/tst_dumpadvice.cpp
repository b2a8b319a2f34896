#include "app/DumpAdvice.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace virelai;

class TestDumpAdvice : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void printsOneJsonLine();
    void readsTheDataFile();
    void refuses_data();
    void refuses();
};

namespace {

ProgramOptions requestOptions(const QString &request)
{
    ProgramOptions options;
    options.dumpAdvice = true;
    options.request = request;
    return options;
}

} // namespace

void TestDumpAdvice::printsOneJsonLine()
{
    const auto described = dumpAdvice(requestOptions(QStringLiteral("10,8,a,b,c, 3 ")));
    QVERIFY(described);
    const QByteArray &line = described.value();
    QVERIFY(line.endsWith('\n'));
    QCOMPARE(line.count('\n'), 1);

    QJsonParseError parseError;
    const QJsonObject object = QJsonDocument::fromJson(line, &parseError).object();
    QCOMPARE(parseError.error, QJsonParseError::NoError);
    QCOMPARE(object.size(), 13);
    QCOMPARE(object.value("TypeDoc"), QJsonValue(10));
    QCOMPARE(object.value("CasSelect"), QJsonValue(8));
    QCOMPARE(object.value("Param5"), QJsonValue("c"));
    QCOMPARE(object.value("Param6"), QJsonValue(" 3 "));
    QCOMPARE(object.value("IndOrigine"), QJsonValue(0));
    QCOMPARE(object.value("CasOrigine"), QJsonValue(0));
    QCOMPARE(object.value("Suggestion"),
             QJsonValue(QStringLiteral(R"({\fs28 Pas d'épreuve passée.})")));
    QVERIFY(object.value("Explication").toString().endsWith(" 3 épreuves."));
    QCOMPARE(object.value("builder"), QJsonValue("AffTypeComp"));
}

void TestDumpAdvice::readsTheDataFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("eleves.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Martin X\r\n");
    file.close();

    ProgramOptions options = requestOptions(QStringLiteral("6,0,Liste,CE2,"));
    const auto withoutData = QJsonDocument::fromJson(dumpAdvice(options).value()).object();
    options.dataFile = path;
    const auto withData = QJsonDocument::fromJson(dumpAdvice(options).value()).object();
    QVERIFY(withoutData.value("Rappel").toString().isEmpty()); // no pupil
    QVERIFY(withData.value("Rappel").toString().contains("bons compreneurs"));
}

void TestDumpAdvice::refuses_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("dataFile");
    QTest::newRow("type out of range") << "70000,1,a,b,"
                                       << "";
    QTest::newRow("type 10 without field 5 comma") << "10,3,a"
                                                   << "";
    QTest::newRow("unreadable data file") << "5,0,a,b,"
                                          << "/nonexistent/eleves.txt";
}

void TestDumpAdvice::refuses()
{
    QFETCH(QString, request);
    QFETCH(QString, dataFile);
    ProgramOptions options = requestOptions(request);
    if (!dataFile.isEmpty())
        options.dataFile = dataFile;
    const auto described = dumpAdvice(options);
    QVERIFY(!described);
    QVERIFY(!described.failure().message.isEmpty());
}

QTEST_APPLESS_MAIN(TestDumpAdvice)
#include "tst_dumpadvice.moc"
