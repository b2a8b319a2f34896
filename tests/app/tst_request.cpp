#include "app/ProgramOptions.h"
#include "app/RequestDecoder.h"

#include <QTest>

using namespace virelai;

// The way from the command line to the request's fields, for what the golden
// --dump-advice cases and the end-to-end runs do not carry: where the options
// end, bounds, blanks, missing commas, 16-bit positions, and the refusals.
class TestRequest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void decodesFields_data();
    void decodesFields();
    void refuses_data();
    void refuses();
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

} // namespace

void TestRequest::decodesFields_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("fields"); // TypeDoc|CasSelect|Param3|Param4|Param5|Param6
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
    // clang-format on
}

void TestRequest::decodesFields()
{
    QFETCH(QStringList, arguments);
    const auto parsed = parseProgramOptions(arguments);
    QVERIFY2(parsed, parsed ? "" : qPrintable(parsed.failure().message));
    const auto decoded = decodeCommandLine(parsed.value().request, earlier());
    QVERIFY2(decoded, decoded ? "" : qPrintable(decoded.failure().message));
    const RequestState &state = decoded.value();
    const QStringList fields {QString::number(state.TypeDoc),
                              QString::number(state.CasSelect),
                              state.Param3,
                              state.Param4,
                              state.Param5,
                              state.Param6};
    QTEST(fields.join(u'|'), "fields");
    QCOMPARE(state.chemin, earlier().chemin);
}

// Refused by the options or by the request's decoding, naming what is wrong.
void TestRequest::refuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("mentioned");
    // clang-format off
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

void TestRequest::refuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, mentioned);
    const auto parsed = parseProgramOptions(arguments);
    QString message = parsed ? QString() : parsed.failure().message;
    if (parsed) {
        const auto decoded = decodeCommandLine(parsed.value().request, RequestState());
        QVERIFY(!decoded);
        message = decoded.failure().message;
    }
    QVERIFY2(message.contains(mentioned), qPrintable(message));
}

QTEST_APPLESS_MAIN(TestRequest)
#include "tst_request.moc"
