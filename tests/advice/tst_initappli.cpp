#include "advice/InitAppli.h"
#include "common/TextClipboard.h"

#include <QTest>
#include <stdexcept>

using namespace virelai;

namespace {

class RecordingBuilders : public DocumentBuilders
{
public:
    QStringList calls;
    bool fail = false;

    void AffMoyenne() override { record(QStringLiteral("AffMoyenne")); }
    void AffProfil() override { record(QStringLiteral("AffProfil")); }
    void AffRevVit() override { record(QStringLiteral("AffRevVit")); }
    void AffCompGene() override { record(QStringLiteral("AffCompGene")); }
    void AffTypeComp() override { record(QStringLiteral("AffTypeComp")); }
    void AffAide(const QString &Fichier) override { record("AffAide(" + Fichier + ")"); }

private:
    void record(const QString &call)
    {
        calls.append(call);
        if (fail)
            throw std::runtime_error("builder failed");
    }
};

class RecordingPointer : public BusyPointer
{
public:
    QList<int> values;
    void setMousePointer(int MousePointer) override { values.append(MousePointer); }
};

// One InitAppli run on a request, keeping texts between runs like the program does.
struct Run
{
    explicit Run(RequestState request, QString clipboardText = {}, AdviceTexts initial = {})
        : request(std::move(request))
        , texts(std::move(initial))
        , clipboard(std::move(clipboardText))
    { }

    RequestState request;
    AdviceTexts texts;
    TextClipboard clipboard;
    RecordingBuilders builders;
    RecordingPointer pointer;

    void operator()() { InitAppli(request, texts, clipboard, builders, pointer); }
};

RequestState request(int TypeDoc, int CasSelect, const QString &Param3 = {},
                     const QString &Param4 = {}, const QString &Param6 = {})
{
    RequestState r;
    r.TypeDoc = qint16(TypeDoc);
    r.CasSelect = qint16(CasSelect);
    r.Param3 = Param3;
    r.Param4 = Param4;
    r.Param6 = Param6;
    return r;
}

AdviceTexts presetTexts()
{
    return {QStringLiteral("titre"), QStringLiteral("explication"), QStringLiteral("suggestion"),
            QStringLiteral("rappel")};
}

} // namespace

// Every text of every request is in the golden --dump-advice file; what it
// cannot see is what one run leaves to the next and the busy pointer.
class TestInitAppli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void textsKeptWithoutAdvice_data();
    void textsKeptWithoutAdvice();
    void pointerComesBackWhenBuilderFails();
    void countSentenceDoesNotAccumulate();
    void outOfRangeKeepsPreviousSuggestion_data();
    void outOfRangeKeepsPreviousSuggestion();
};

void TestInitAppli::textsKeptWithoutAdvice_data()
{
    QTest::addColumn<int>("TypeDoc");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QList<int>>("pointer");
    // clang-format off
    QTest::newRow("type 0 builds nothing") << 0 << QStringList {} << QList<int> {};
    QTest::newRow("help shows the file") << -1 << QStringList {"AffAide(aide.rtf)"} << QList<int> {11, 0};
    // clang-format on
}

void TestInitAppli::textsKeptWithoutAdvice()
{
    QFETCH(int, TypeDoc);
    QFETCH(QStringList, calls);
    QFETCH(QList<int>, pointer);
    Run run(request(TypeDoc, 2, "aide.rtf", "Note"), {}, presetTexts());
    run();
    QCOMPARE(run.builders.calls, calls);
    QCOMPARE(run.pointer.values, pointer);
    QCOMPARE(run.texts.Titre, QStringLiteral("titre"));
    QCOMPARE(run.texts.Explication, QStringLiteral("explication"));
    QCOMPARE(run.texts.Suggestion, QStringLiteral("suggestion"));
    QCOMPARE(run.texts.Rappel, QStringLiteral("rappel"));
}

void TestInitAppli::pointerComesBackWhenBuilderFails()
{
    Run run(request(1, 4, "a", "b"));
    run.builders.fail = true;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, run());
    QCOMPARE(run.pointer.values, (QList<int> {11, 0}));
}

void TestInitAppli::countSentenceDoesNotAccumulate()
{
    Run run(request(10, 5, "a", "b", "2"));
    run();
    const QString first = run.texts.Explication;
    run();
    QCOMPARE(run.texts.Explication, first);
    QCOMPARE(first.count("Performances cumulées"), 1);
}

void TestInitAppli::outOfRangeKeepsPreviousSuggestion_data()
{
    QTest::addColumn<int>("TypeDoc");
    QTest::addColumn<int>("inRange");
    QTest::addColumn<int>("outOfRange");
    // clang-format off
    QTest::newRow("average 16") << 1 << 7 << 16;
    QTest::newRow("average -1") << 1 << 7 << -1;
    QTest::newRow("profile 0") << 2 << 3 << 0;
    QTest::newRow("profile 20") << 4 << 3 << 20;
    QTest::newRow("comprehension type 9") << 10 << 2 << 9;
    QTest::newRow("comprehension type 0") << 10 << 2 << 0;
    // clang-format on
}

void TestInitAppli::outOfRangeKeepsPreviousSuggestion()
{
    QFETCH(int, TypeDoc);
    QFETCH(int, inRange);
    QFETCH(int, outOfRange);
    Run run(request(TypeDoc, inRange, "a", "b", "1"));
    run();
    const QString chosen = run.texts.Suggestion;
    QVERIFY(!chosen.isEmpty());
    for (int call = 0; call < 2; ++call) {
        run.request.CasSelect = qint16(outOfRange);
        run();
        QCOMPARE(run.texts.Suggestion, chosen);
    }
    QCOMPARE(run.builders.calls.size(), 3);
}

QTEST_APPLESS_MAIN(TestInitAppli)
#include "tst_initappli.moc"
