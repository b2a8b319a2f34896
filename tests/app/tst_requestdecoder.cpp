#include "app/RequestDecoder.h"

#include <QTest>

using namespace virelai;

class TestRequestDecoder : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void decodesFields_data();
    void decodesFields();
    void rejectsWhatTheFormatCannotCarry_data();
    void rejectsWhatTheFormatCannotCarry();
    void emptyRequestResetsOriginsOnly();
};

namespace {

// A request long enough for its commas to sit at the edge of 16-bit positions.
QString withLongField(const QString &before, qsizetype length, const QString &after)
{
    return before + QString(length, u'a') + after;
}

} // namespace

void TestRequestDecoder::decodesFields_data()
{
    QTest::addColumn<QString>("S");
    QTest::addColumn<int>("TypeDoc");
    QTest::addColumn<int>("CasSelect");
    QTest::addColumn<QString>("Param3");
    QTest::addColumn<QString>("Param4");
    QTest::addColumn<QString>("Param5");
    QTest::addColumn<QString>("Param6");

    // The rows of the format's own table.
    // clang-format off
    QTest::newRow("empty: class average without a case") << "" << 1 << -1 << "" << "" << "" << "";
    QTest::newRow("no comma: nothing requested") << "3" << 0 << 0 << "" << "" << "3" << "";
    QTest::newRow("no comma after field 4") << "1,4,textes narratifs,textes documentaires" << 1 << 4 << "textes narratifs" << "" << "textes documentaires" << "";
    QTest::newRow("empty rest") << "1,4,A,B," << 1 << 4 << "A" << "B" << "" << "";
    QTest::newRow("empty case field reads 0") << "1,,A,B," << 1 << 0 << "A" << "B" << "" << "";
    QTest::newRow("blanks in numbers, rest keeps its comma") << "2 , 7 ,x,y,z,w" << 2 << 7 << "x" << "y" << "z,w" << "";
    QTest::newRow("type 10 full") << "10,3,a,b,c,4" << 10 << 3 << "a" << "b" << "c" << "4";
    QTest::newRow("type 10 empty fields 5 and 6") << "10,3,a,b,," << 10 << 3 << "a" << "b" << "" << "";
    QTest::newRow("half rounds to even 2") << "2.5,1,a,b," << 2 << 1 << "a" << "b" << "" << "";
    QTest::newRow("letters read 0") << "x,1,a,b," << 0 << 1 << "a" << "b" << "" << "";
    // clang-format on

    // Numbers.
    // clang-format off
    QTest::newRow("half rounds to even 4") << "3.5,1,a,b," << 4 << 1 << "a" << "b" << "" << "";
    QTest::newRow("negative type") << "-1,0,aide.rtf,," << -1 << 0 << "aide.rtf" << "" << "" << "";
    QTest::newRow("explicit plus") << "+2,1,a,b," << 2 << 1 << "a" << "b" << "" << "";
    QTest::newRow("negative case") << "1,-2,a,b," << 1 << -2 << "a" << "b" << "" << "";
    QTest::newRow("exponent") << "2e0,1E1,a,b," << 2 << 10 << "a" << "b" << "" << "";
    QTest::newRow("D is no exponent") << "1D2,3,a,b," << 1 << 3 << "a" << "b" << "" << "";
    QTest::newRow("blank inside type 10") << " 1 0 ,3,a,b,c,d" << 10 << 3 << "a" << "b" << "c" << "d";
    QTest::newRow("tab and line feed ignored") << "\t1\n,2,a,b," << 1 << 2 << "a" << "b" << "" << "";
    QTest::newRow("carriage return stops the number") << "1\r2,2,a,b," << 1 << 2 << "a" << "b" << "" << "";
    QTest::newRow("lowest and highest values") << "-32768,32767,a,b," << -32768 << 32767 << "a" << "b" << "" << "";
    QTest::newRow("just below the top rounds in range") << "1,32766.5,a,b," << 1 << 32766 << "a" << "b" << "" << "";
    QTest::newRow("half below the bottom rounds to even in range") << "1,-32768.5,a,b," << 1 << -32768 << "a" << "b" << "" << "";
    // clang-format on

    // Missing commas and text fields.
    // clang-format off
    QTest::newRow("type without case comma") << "1,4" << 1 << 0 << "" << "" << "4" << "";
    QTest::newRow("no comma after field 3") << "1,4,A" << 1 << 4 << "" << "" << "A" << "";
    QTest::newRow("all fields empty") << ",,,," << 0 << 0 << "" << "" << "" << "";
    QTest::newRow("text fields keep their blanks") << "1,4, A , B ,  reste " << 1 << 4 << " A " << " B " << "  reste " << "";
    QTest::newRow("rest keeps CR LF") << "1,2,a,b,c\r\nd" << 1 << 2 << "a" << "b" << "c\r\nd" << "";
    QTest::newRow("type 10 rest keeps its commas") << "10,3,a,b,c,d,e" << 10 << 3 << "a" << "b" << "c" << "d,e";
    QTest::newRow("lone 10 is no type 10") << "10" << 0 << 0 << "" << "" << "10" << "";
    // clang-format on

    // 16-bit positions.
    // clang-format off
    QTest::newRow("comma at position 32766 is taken") << withLongField("1,2,", 32761, ",reste") << 1 << 2 << QString(32761, u'a') << "" << "reste" << "";
    QTest::newRow("commas of the rest never matter") << withLongField("1,2,a,b,", 40000, ",x,y") << 1 << 2 << "a" << "b" << QString(40000, u'a') + ",x,y" << "";
    // clang-format on
}

void TestRequestDecoder::decodesFields()
{
    QFETCH(QString, S);
    const auto decoded = decodeCommandLine(S, RequestState());
    QVERIFY2(decoded, decoded ? "" : qPrintable(decoded.failure().message));
    const RequestState &state = decoded.value();
    QTEST(int(state.TypeDoc), "TypeDoc");
    QTEST(int(state.CasSelect), "CasSelect");
    QTEST(state.Param3, "Param3");
    QTEST(state.Param4, "Param4");
    QTEST(state.Param5, "Param5");
    QTEST(state.Param6, "Param6");
    QCOMPARE(state.IndOrigine, 0);
    QCOMPARE(state.CasOrigine, 0);
}

void TestRequestDecoder::rejectsWhatTheFormatCannotCarry_data()
{
    QTest::addColumn<QString>("S");
    QTest::addColumn<QString>("namedField");

    // clang-format off
    QTest::newRow("type above range") << "99999,1,a,b," << "champ 1";
    QTest::newRow("type rounds above range") << "32767.5,1,a,b," << "champ 1";
    QTest::newRow("type rounds below range") << "-32768.6,1,a,b," << "champ 1";
    QTest::newRow("type overflows to infinity") << "1e400,1,a,b," << "champ 1";
    QTest::newRow("case above range") << "1,40000,a,b," << "champ 2";
    QTest::newRow("case below range") << "1,-32769,a,b," << "champ 2";
    QTest::newRow("type 10 without comma after field 3") << "10,3,a" << "champ 5";
    QTest::newRow("type 10 without comma after field 5") << "10,3,a,b,c" << "champ 5";
    QTest::newRow("type 10 ending after field 4") << "10,3,a,b," << "champ 5";
    QTest::newRow("comma of field 1 at 32767") << QString(32766, u' ') + ",1,a,b," << "champ 1";
    QTest::newRow("comma of field 3 at 32767") << withLongField("1,2,", 32762, ",reste") << "champ 3";
    QTest::newRow("comma of field 5 at 32767") << withLongField("10,3,a,b,", 32757, ",4") << "champ 5";
    // clang-format on
}

void TestRequestDecoder::rejectsWhatTheFormatCannotCarry()
{
    QFETCH(QString, S);
    QFETCH(QString, namedField);
    const auto decoded = decodeCommandLine(S, RequestState());
    QVERIFY(!decoded);
    QVERIFY2(decoded.failure().message.contains(namedField), qPrintable(decoded.failure().message));
}

void TestRequestDecoder::emptyRequestResetsOriginsOnly()
{
    RequestState state;
    state.IndOrigine = 3;
    state.CasOrigine = 4;
    state.Param5 = QStringLiteral("inchangé");
    const auto decoded = decodeCommandLine(QString(), state);
    QVERIFY(decoded);
    state = decoded.value();
    QCOMPARE(state.Param5, QStringLiteral("inchangé"));
    QCOMPARE(state.TypeDoc, 1);
    QCOMPARE(state.CasSelect, -1);
    QCOMPARE(state.IndOrigine, 0);
    QCOMPARE(state.CasOrigine, 0);
}

QTEST_APPLESS_MAIN(TestRequestDecoder)
#include "tst_requestdecoder.moc"
