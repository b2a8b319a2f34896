// The whole way from the command line to the builder: options, request decoding,
// then InitAppli with the clipboard, for inputs at and past what the format carries.
#include "advice/BusyPointer.h"
#include "advice/DispatchRecorder.h"
#include "advice/InitAppli.h"
#include "app/ProgramOptions.h"
#include "app/RequestDecoder.h"
#include "common/AdviceTexts.h"
#include "common/ClipboardSource.h"
#include "common/TextClipboard.h"

#include <QTest>

using namespace virelai;

namespace {

class PointerHistory : public BusyPointer
{
public:
    QList<int> values;
    void setMousePointer(int MousePointer) override { values.append(MousePointer); }
};

// What one start of the program decided.
struct Outcome
{
    bool refused = false; // by the options or by the request decoding
    QString builder; // "" when none was called
    QList<int> pointer;
    AdviceTexts texts;
};

Outcome start(const QStringList &arguments, const QString &clipboardText = {})
{
    Outcome outcome;
    const auto options = parseProgramOptions(arguments);
    if (!options) {
        outcome.refused = true;
        return outcome;
    }
    const auto decoded = decodeCommandLine(options.value().request, RequestState());
    if (!decoded) {
        outcome.refused = true;
        return outcome;
    }
    const RequestState &request = decoded.value();
    const TextClipboard clipboard(clipboardText);
    DispatchRecorder builders;
    PointerHistory pointer;
    InitAppli(request, outcome.texts, clipboard, builders, pointer);
    outcome.builder = builders.builder();
    outcome.pointer = pointer.values;
    return outcome;
}

QString repeated(const QString &piece, int times)
{
    QString text;
    text.reserve(piece.size() * times);
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

const QList<int> hourglassThenDefault {BusyPointer::Hourglass, BusyPointer::Default};
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

    QTest::newRow("10^5 commas: carried, nothing built")
        << QStringList {QString(100000, u',')} << false << "";
    QTest::newRow("10^5 characters without a comma: nothing built")
        << QStringList {QString(100000, u'7')} << false << "";
    QTest::newRow("type 1 then 10^5 commas in the rest")
        << QStringList {"1,2,a,b," + QString(100000, u',')} << false << "AffMoyenne";
    QTest::newRow("type 10 with 10^5 commas after field 5")
        << QStringList {"10,3,20,8,titre" + QString(100000, u',')} << false << "AffTypeComp";
    QTest::newRow("first comma past position 32766")
        << QStringList {QString(40000, u' ') + ",1,a,b,"} << true << "";
    QTest::newRow("type beyond 16 bits") << QStringList {"99999,1,a,b,"} << true << "";
    QTest::newRow("type written with 400 digits")
        << QStringList {QString(400, u'9') + ",1,a,b,"} << true << "";
    QTest::newRow("lowest type shows the help file named by field 3")
        << QStringList {"-32768,0,aide.rtf,,"} << false << "AffAide";
    QTest::newRow("NUL and lone surrogates in the fields")
        << QStringList {QString("5,0,a") + QChar(0) + QChar(0xD800) + ",b" + QChar(0xDC00) + ","}
        << false << "AffRevVit";
    QTest::newRow("many arguments are joined into one request")
        << QStringList(50000, QStringLiteral(",")) << false << "";
    QTest::newRow("option without its file") << QStringList {"--pdf"} << true << "";
    QTest::newRow("unknown long option") << QStringList {"--" + QString(10000, u'x')} << true << "";
    QTest::newRow("options after the request are request text")
        << QStringList {"--", "11,0,--pdf,,", "--data"} << false << "AffAide";
}

void HostileRequestsTest::commandLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, refused);
    QFETCH(QString, builder);
    const Outcome outcome = start(arguments);
    QCOMPARE(outcome.refused, refused);
    QCOMPARE(outcome.builder, builder);
    QCOMPARE(outcome.pointer, builder.isEmpty() ? QList<int>() : hourglassThenDefault);
}

// A clipboard with no text, or with no owner, reads as empty: the pages take
// their "no pupil" texts. Any list with a name in it, however long, is a list.
void HostileRequestsTest::pupilLists_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("noPupil");
    const QString comprehension = QStringLiteral("5,0,Élèves,CE2,");
    const QString narrative = QStringLiteral("7,0,Élèves,textes narratifs,");
    QTest::newRow("empty clipboard") << comprehension << QString() << true;
    QTest::newRow("a few spaces") << comprehension << QString("   ") << true;
    QTest::newRow("40 000 spaces") << narrative << QString(40000, u' ') << true;
    QTest::newRow("one pupil") << comprehension << pupil << false;
    QTest::newRow("40 000-character list") << comprehension << repeated(pupil, 1600) << false;
    QTest::newRow("40 000 characters in one line") << narrative << QString(40000, u'X') << false;
    QTest::newRow("RTF on the clipboard")
        << narrative << QString("{\\rtf1 " + pupil + "}") << false;
}

void HostileRequestsTest::pupilLists()
{
    QFETCH(QString, request);
    QFETCH(QString, clipboard);
    QFETCH(bool, noPupil);
    const Outcome outcome = start({request}, clipboard);
    const Outcome empty = start({request}, QString());
    const Outcome onePupil = start({request}, pupil);
    QVERIFY(!outcome.builder.isEmpty());
    const Outcome &expected = noPupil ? empty : onePupil;
    QCOMPARE(outcome.texts.Suggestion, expected.texts.Suggestion);
    QCOMPARE(outcome.texts.Rappel, expected.texts.Rappel);
    QVERIFY(empty.texts.Suggestion != onePupil.texts.Suggestion);
}

QTEST_APPLESS_MAIN(HostileRequestsTest)
#include "tst_hostilerequests.moc"
