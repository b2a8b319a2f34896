// The whole way from the command line to the builder: options, request decoding,
// then InitAppli with the clipboard, for inputs at and past what the format carries.
// What a replayed fuzz input can see (no crash, a builder called or not) is left to
// fuzz/seeds/request; these rows check which builder, and which texts.
#include "advice/BusyPointer.h"
#include "advice/DispatchRecorder.h"
#include "advice/InitAppli.h"
#include "app/ProgramOptions.h"
#include "app/RequestDecoder.h"
#include "common/AdviceTexts.h"
#include "common/TextClipboard.h"

#include <QTest>

using namespace virelai;

namespace {

// What one start of the program decided.
struct Outcome
{
    bool refused = false; // by the options or by the request decoding
    QString builder; // "" when none was called
    AdviceTexts texts;
};

Outcome start(const QStringList &arguments, const QString &clipboardText = {})
{
    Outcome outcome;
    const auto options = parseProgramOptions(arguments);
    outcome.refused = !options;
    if (outcome.refused)
        return outcome;
    const auto decoded = decodeCommandLine(options.value().request, RequestState());
    outcome.refused = !decoded;
    if (outcome.refused)
        return outcome;
    const TextClipboard clipboard(clipboardText);
    DispatchRecorder builders;
    NoPointer pointer;
    InitAppli(decoded.value(), outcome.texts, clipboard, builders, pointer);
    outcome.builder = builders.builder();
    return outcome;
}

const QString pupil = QStringLiteral("X  X       BERNARD Chloé\r\n");

} // namespace

class HostileRequestsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commandLines_data();
    void commandLines();
    void pupilLists_data();
    void pupilLists();
};

void HostileRequestsTest::commandLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("builder");
    const QString commas(100000, u',');
    const QString surrogates = QString("5,0,a") + QChar(0) + QChar(0xD800) + ",b" + QChar(0xDC00);
    // clang-format off
    QTest::newRow("type 1 then 10^5 commas in the rest") << QStringList {"1,2,a,b," + commas} << false << "AffMoyenne";
    QTest::newRow("type 10 with 10^5 commas after field 5") << QStringList {"10,3,20,8,titre" + commas} << false << "AffTypeComp";
    QTest::newRow("type written with 400 digits") << QStringList {QString(400, u'9') + ",1,a,b,"} << true << "";
    QTest::newRow("NUL and lone surrogates in the fields") << QStringList {surrogates + ","} << false << "AffRevVit";
    QTest::newRow("many arguments are joined into one request") << QStringList(50000, ",") << false << "";
    QTest::newRow("unknown long option") << QStringList {"--" + QString(10000, u'x')} << true << "";
    // clang-format on
}

void HostileRequestsTest::commandLines()
{
    QFETCH(QStringList, arguments);
    const Outcome outcome = start(arguments);
    QTEST(outcome.refused, "refused");
    QTEST(outcome.builder, "builder");
}

// A clipboard of blanks reads as empty: the pages take their "no pupil" texts.
// Any list with a name in it, however long, is a list.
void HostileRequestsTest::pupilLists_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("noPupil");
    const QString comprehension = QStringLiteral("5,0,Élèves,CE2,");
    const QString narrative = QStringLiteral("7,0,Élèves,textes narratifs,");
    // clang-format off
    QTest::newRow("40 000 spaces") << narrative << QString(40000, u' ') << true;
    QTest::newRow("40 000-character list") << comprehension << pupil.repeated(1600) << false;
    QTest::newRow("40 000 characters in one line") << narrative << QString(40000, u'X') << false;
    // clang-format on
}

void HostileRequestsTest::pupilLists()
{
    QFETCH(QString, request);
    QFETCH(QString, clipboard);
    QFETCH(bool, noPupil);
    const Outcome outcome = start({request}, clipboard);
    const Outcome expected = start({request}, noPupil ? QString() : pupil);
    const Outcome other = start({request}, noPupil ? pupil : QString());
    QVERIFY(!outcome.builder.isEmpty());
    QVERIFY(expected.texts.Suggestion != other.texts.Suggestion);
    QCOMPARE(outcome.texts.Suggestion, expected.texts.Suggestion);
    QCOMPARE(outcome.texts.Rappel, expected.texts.Rappel);
}

QTEST_APPLESS_MAIN(HostileRequestsTest)
#include "tst_hostilerequests.moc"
