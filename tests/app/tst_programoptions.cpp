#include "app/ProgramOptions.h"

#include <QTest>

using namespace virelai;

class TestProgramOptions : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parses_data();
    void parses();
    void rejects_data();
    void rejects();
};

void TestProgramOptions::parses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("dumpAdvice");
    QTest::addColumn<QString>("pdfFile"); // "" when absent
    QTest::addColumn<QString>("dataFile"); // "" when absent
    QTest::addColumn<QString>("request");

    // clang-format off
    QTest::newRow("no argument") << QStringList {} << false << "" << "" << "";
    QTest::newRow("empty argument") << QStringList {""} << false << "" << "" << "";
    QTest::newRow("single argument unchanged") << QStringList {"1,4,  textes narratifs ,b,"} << false << "" << "" << "1,4,  textes narratifs ,b,";
    QTest::newRow("arguments joined by one space") << QStringList {"1,4,textes", "narratifs,b,"} << false << "" << "" << "1,4,textes narratifs,b,";
    QTest::newRow("negative type starts the request") << QStringList {"-1,0,aide.rtf,,"} << false << "" << "" << "-1,0,aide.rtf,,";
    QTest::newRow("dump with data") << QStringList {"--dump-advice", "--data", "eleves.txt", "5,0,a,b,"} << true << "" << "eleves.txt" << "5,0,a,b,";
    QTest::newRow("double dash ends options") << QStringList {"--dump-advice", "--", "--data", "x"} << true << "" << "" << "--data x";
    QTest::newRow("options after the request are request text") << QStringList {"1,2,a,b,", "--dump-advice"} << false << "" << "" << "1,2,a,b, --dump-advice";
    QTest::newRow("pdf file kept") << QStringList {"--pdf", "sortie.pdf", "1,2,a,b,"} << false << "sortie.pdf" << "" << "1,2,a,b,";
    QTest::newRow("double dash alone") << QStringList {"--"} << false << "" << "" << "";
    // clang-format on
}

void TestProgramOptions::parses()
{
    QFETCH(QStringList, arguments);
    const auto parsed = parseProgramOptions(arguments);
    QVERIFY2(parsed, parsed ? "" : qPrintable(parsed.failure().message));
    const ProgramOptions &options = parsed.value();
    QTEST(options.dumpAdvice, "dumpAdvice");
    QTEST(options.pdfFile.value_or(QString()), "pdfFile");
    QTEST(options.dataFile.value_or(QString()), "dataFile");
    QTEST(options.request, "request");
}

void TestProgramOptions::rejects_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("mentioned");

    // clang-format off
    QTest::newRow("unknown option") << QStringList {"--verbose", "1,2,a,b,"} << "--verbose";
    QTest::newRow("data without file") << QStringList {"--data"} << "--data";
    QTest::newRow("pdf without file") << QStringList {"--dump-advice", "--pdf"} << "--pdf";
    QTest::newRow("data given twice") << QStringList {"--data", "a", "--data", "b", "1,2,a,b,"} << "--data";
    QTest::newRow("dump and pdf together") << QStringList {"--dump-advice", "--pdf", "x.pdf", "1,2,a,b,"} << "--pdf";
    // clang-format on
}

void TestProgramOptions::rejects()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, mentioned);
    const auto parsed = parseProgramOptions(arguments);
    QVERIFY(!parsed);
    QVERIFY2(parsed.failure().message.contains(mentioned), qPrintable(parsed.failure().message));
}

QTEST_APPLESS_MAIN(TestProgramOptions)
#include "tst_programoptions.moc"
