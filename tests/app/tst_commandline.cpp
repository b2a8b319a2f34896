#include "app/ClipboardLimit.h"
#include "app/FileClipboard.h"
#include "app/ProgramOptions.h"
#include "app/RequestDecoder.h"
#include "app/headless/PdfRunner.h"
#include "app/headless/SourceDateEpoch.h"
#include "support/FullDiskWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace virelai;

// What the program reads and writes without its window, where the golden
// --dump-advice cases and the end-to-end runs do not reach: the request's
// bounds, blanks, missing commas, 16-bit positions and refusals; the limit of a
// --data file; the build moment's bounds and local time (they run in UTC); a
// full disk under --pdf.
class TestCommandLine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { qputenv("TZ", "Pacific/Tahiti"); }
    void request_data();
    void request();
    void dataFile_data();
    void dataFile();
    void buildMoment_data();
    void buildMoment();
    void fullDiskKeepsThePreviousPdf();
};

namespace {

// What the program knows before it reads the request; the request leaves it.
RequestState earlier()
{
    RequestState state;
    state.chemin = QStringLiteral("/programme/");
    return state;
}

// A request long enough for its commas to sit at the edge of 16-bit positions.
QString withLongField(const QString &before, qsizetype length, const QString &after)
{
    return before + QString(length, u'a') + after;
}

// The request's fields joined by '|', or the message of its refusal.
QString outcomeOf(const QStringList &arguments)
{
    const auto parsed = parseProgramOptions(arguments);
    if (!parsed)
        return parsed.failure().message;
    const auto decoded = decodeCommandLine(parsed.value().request, earlier());
    if (!decoded)
        return decoded.failure().message;
    const RequestState &state = decoded.value();
    if (state.chemin != earlier().chemin)
        return QStringLiteral("chemin lost");
    return QStringLiteral("%1|%2|%3|%4|%5|%6")
        .arg(QString::number(state.TypeDoc), QString::number(state.CasSelect), state.Param3,
             state.Param4, state.Param5, state.Param6);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

void TestCommandLine::request_data()
{
    QTest::addColumn<QStringList>("arguments");
    // The fields TypeDoc|CasSelect|Param3|Param4|Param5|Param6, or what the refusal names.
    QTest::addColumn<QString>("outcome");
    // clang-format off
    QTest::newRow("no request at all") << QStringList() << "1|-1||||";
    QTest::newRow("double dash ends options") << QStringList {"--dump-advice", "--", "--data", "x"} << "0|0|||--data x|";
    QTest::newRow("options after the request are request text") << QStringList {"1,2,a,b,", "--dump-advice"} << "1|2|a|b| --dump-advice|";
    QTest::newRow("blanks in numbers, rest keeps its comma") << QStringList {"2 , 7 ,x,y,z,w"} << "2|7|x|y|z,w|";
    QTest::newRow("type 10 empty fields 5 and 6") << QStringList {"10,3,a,b,,"} << "10|3|a|b||";
    QTest::newRow("blank inside type 10") << QStringList {" 1 0 ,3,a,b,c,d"} << "10|3|a|b|c|d";
    QTest::newRow("lowest and highest values") << QStringList {"-32768,32767,a,b,"} << "-32768|32767|a|b||";
    QTest::newRow("just below the top rounds in range") << QStringList {"1,32766.5,a,b,"} << "1|32766|a|b||";
    QTest::newRow("half below the bottom rounds to even in range") << QStringList {"1,-32768.5,a,b,"} << "1|-32768|a|b||";
    QTest::newRow("type without case comma") << QStringList {"1,4"} << "1|0|||4|";
    QTest::newRow("all fields empty") << QStringList {",,,,"} << "0|0||||";
    QTest::newRow("comma at position 32766 is taken") << QStringList {withLongField("1,2,", 32761, ",reste")} << "1|2|" + QString(32761, u'a') + "||reste|";
    QTest::newRow("commas of the rest never matter") << QStringList {withLongField("1,2,a,b,", 40000, ",x,y")} << "1|2|a|b|" + QString(40000, u'a') + ",x,y|";
    QTest::newRow("pdf without file") << QStringList {"--dump-advice", "--pdf"} << "--pdf";
    QTest::newRow("data given twice") << QStringList {"--data", "a", "--data", "b", "1,2,a,b,"} << "--data";
    QTest::newRow("dump and pdf together") << QStringList {"--dump-advice", "--pdf", "x.pdf", "1,2,a,b,"} << "--pdf";
    QTest::newRow("type rounds above range") << QStringList {"32767.5,1,a,b,"} << "champ 1";
    QTest::newRow("type rounds below range") << QStringList {"-32768.6,1,a,b,"} << "champ 1";
    QTest::newRow("type overflows to infinity") << QStringList {"1e400,1,a,b,"} << "champ 1";
    QTest::newRow("case above range") << QStringList {"1,40000,a,b,"} << "champ 2";
    QTest::newRow("type 10 without comma after field 5") << QStringList {"10,3,a,b,c"} << "champ 5";
    QTest::newRow("comma of field 3 at 32767") << QStringList {withLongField("1,2,", 32762, ",reste")} << "champ 3";
    QTest::newRow("comma of field 5 at 32767") << QStringList {withLongField("10,3,a,b,", 32757, ",4")} << "champ 5";
    // clang-format on
}

void TestCommandLine::request()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, outcome);
    const QString found = outcomeOf(arguments);
    // A refusal's message only has to name what is wrong.
    const bool refused = !found.contains(u'|');
    QVERIFY2(refused ? found.contains(outcome) : found == outcome, qPrintable(found));
}

// Missing and unreadable data files are the golden --dump-advice error cases.
void TestCommandLine::dataFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected"); // null: refused as too long
    const QByteArray e = QByteArray("\xc3\xa9");
    const QByteArray smile = QByteArray("\xf0\x9f\x98\x80"); // two characters of the text
    const int limit = int(LargestClipboardText);
    // clang-format off
    QTest::newRow("Windows-1252 byte becomes replacement") << QByteArray("caf\xe9!") << QStringLiteral("caf") + QChar(0xFFFD) + "!";
    QTest::newRow("as long as a clipboard text may be") << QByteArray(limit, 'a') << QString(limit, u'a');
    QTest::newRow("one character more") << QByteArray(limit + 1, 'a') << QString();
    QTest::newRow("with a byte-order mark, dropped and not counted") << QByteArray("\xef\xbb\xbf") + e.repeated(limit) << QStringLiteral("é").repeated(limit);
    QTest::newRow("letters outside 16 bits count twice") << smile.repeated(limit / 2 + 1) << QString();
    QTest::newRow("far past the limit") << QByteArray(16 * limit, '\n') << QString();
    // clang-format on
}

void TestCommandLine::dataFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("liste.txt"));
    QVERIFY(writeFile(path, bytes));
    const auto clipboard = FileClipboard::load(path);
    QCOMPARE(clipboard.hasValue(), !expected.isNull());
    if (clipboard)
        QCOMPARE(clipboard.value().text(), expected);
    else
        QCOMPARE(clipboard.failure().message, dataFileTooLargeMessage(path));
}

void TestCommandLine::buildMoment_data()
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

void TestCommandLine::buildMoment()
{
    QFETCH(QByteArray, value);
    QFETCH(QString, local);
    const auto moment = momentFromSourceDateEpoch(value);
    QCOMPARE(moment.has_value(), !local.isEmpty());
    if (moment)
        QCOMPARE(moment->toString(QStringLiteral("dd-MM-yyyy HH:mm:ss")), local);
}

// The writer's own test sees that no temporary file is left.
void TestCommandLine::fullDiskKeepsThePreviousPdf()
{
    const QByteArray previous("%PDF-1.4 la page d'hier");
    QTemporaryDir folder;
    ProgramOptions options;
    options.pdfFile = folder.filePath("page.pdf");
    QVERIFY(writeFile(*options.pdfFile, previous));
    options.request = QStringLiteral("5,0,Élèves concernés,CE2,");
    testing::FullDiskWriter full;
    QCOMPARE(writeRequestedPdf(options, full), PdfFailed);
    QFile pdf(*options.pdfFile);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QCOMPARE(pdf.readAll(), previous);
}

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
