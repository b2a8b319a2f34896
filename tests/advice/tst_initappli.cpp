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

bool startsWithOrBothEmpty(const QString &text, const QString &start)
{
    return start.isEmpty() ? text.isEmpty() : text.startsWith(start);
}

AdviceTexts presetTexts()
{
    return {QStringLiteral("titre"), QStringLiteral("explication"), QStringLiteral("suggestion"),
            QStringLiteral("rappel")};
}

const QString Heading2 = QStringLiteral(R"(\par\cf0\fs36 Suggestions Pédagogiques)");
const QString ClosingNote = QStringLiteral(
    R"(\par\b0\f0\par\ul Note\ulnone  : il n'y a pas de raison d'entra\'eener sp\'e9cifiquement les enfants de cat\'e9gorie 1.\f2\fs20})");

} // namespace

class TestInitAppli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void typeZeroDoesNothing();
    void dispatch_data();
    void dispatch();
    void helpTypesKeepEveryText();
    void pointerComesBackWhenBuilderFails();
    void averageSubstitution_data();
    void averageSubstitution();
    void averageCases9And10Alike();
    void profileClosing_data();
    void profileClosing();
    void weakPupils_data();
    void weakPupils();
    void weakInDomain_data();
    void weakInDomain();
    void countSentence_data();
    void countSentence();
    void countSentenceDoesNotAccumulate();
    void outOfRangeKeepsPreviousSuggestion_data();
    void outOfRangeKeepsPreviousSuggestion();
};

void TestInitAppli::typeZeroDoesNothing()
{
    Run run(request(0, 3, "a", "b"));
    run.texts = presetTexts();
    run();
    QVERIFY(run.builders.calls.isEmpty());
    QVERIFY(run.pointer.values.isEmpty());
    QCOMPARE(run.texts.Suggestion, QStringLiteral("suggestion"));
    QCOMPARE(run.texts.Titre, QStringLiteral("titre"));
}

void TestInitAppli::dispatch_data()
{
    QTest::addColumn<int>("TypeDoc");
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("titleWords");
    QTest::newRow("1 class average") << 1 << "AffMoyenne"
                                     << "Moyenne de la classe";
    QTest::newRow("2 profile narrative") << 2 << "AffProfil"
                                         << "Profil de la classe pour les textes Narratifs";
    QTest::newRow("3 profile documentary") << 3 << "AffProfil"
                                           << "Profil de la classe pour les textes Documentaires";
    QTest::newRow("4 profile search")
        << 4 << "AffProfil"
        << "Profil de la classe pour l'Aptitude à la Recherche d'Informations";
    QTest::newRow("5 general comprehension") << 5 << "AffRevVit"
                                             << "Elèves faibles en compréhension générale";
    QTest::newRow("6 reading speed") << 6 << "AffRevVit"
                                     << "Elèves faibles en vitesse de lecture";
    QTest::newRow("7 narrative") << 7 << "AffCompGene"
                                 << "Elèves faibles en domaine";
    QTest::newRow("8 documentary") << 8 << "AffCompGene"
                                   << "Elèves faibles en domaine";
    QTest::newRow("9 search") << 9 << "AffCompGene"
                              << "Elèves faibles en domaine";
    QTest::newRow("10 comprehension type") << 10 << "AffTypeComp"
                                           << "Résultats par type de compréhension";
    QTest::newRow("-1 help") << -1 << "AffAide(aide.rtf)"
                             << "";
    QTest::newRow("11 help") << 11 << "AffAide(aide.rtf)"
                             << "";
    QTest::newRow("200 help") << 200 << "AffAide(aide.rtf)"
                              << "";
    QTest::newRow("-32768 help") << -32768 << "AffAide(aide.rtf)"
                                 << "";
}

void TestInitAppli::dispatch()
{
    QFETCH(int, TypeDoc);
    QFETCH(QString, call);
    QFETCH(QString, titleWords);
    Run run(request(TypeDoc, 1, "aide.rtf", "domaine"));
    run();
    QCOMPARE(run.builders.calls, QStringList {call});
    QCOMPARE(run.pointer.values, (QList<int> {11, 0}));
    if (!titleWords.isEmpty())
        QCOMPARE(run.texts.Titre, R"(\fs40 )" + titleWords + Heading2);
}

void TestInitAppli::helpTypesKeepEveryText()
{
    Run run(request(-1, 2, "aide.rtf", "Note"));
    run.texts = presetTexts();
    run();
    QCOMPARE(run.builders.calls, QStringList {"AffAide(aide.rtf)"});
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

void TestInitAppli::averageSubstitution_data()
{
    QTest::addColumn<int>("cas");
    QTest::addColumn<QString>("Param3");
    QTest::addColumn<QString>("Param4");
    QTest::addColumn<QString>("Suggestion");

    QTest::newRow("case 4, both markers in place")
        << 4 << "textes narratifs"
        << "textes documentaires"
        << R"({\uc1\pard\f0\fs28 Dans les activités de perfectionnement, la priorité semble devoir être accordée au travail sur les textes narratifs et sur les textes documentaires : en effet, les résultats de la classe sont plus faibles que les nationaux dans ces domaines.})";
    QTest::newRow("case 2, empty Param3 leaves two blanks")
        << 2 << ""
        << "ignoré"
        << R"({\uc1\pard\f0\fs28 Dans les activités de perfectionnement, la priorité semble devoir être accordée au travail sur les  : en effet, les résultats de la classe sont plus faibles que les nationaux dans ce domaine.})";
    QTest::newRow("case 2, Param3 holding YYY gets Param4")
        << 2 << "aYYYb"
        << "documentaires"
        << R"({\uc1\pard\f0\fs28 Dans les activités de perfectionnement, la priorité semble devoir être accordée au travail sur les adocumentairesb : en effet, les résultats de la classe sont plus faibles que les nationaux dans ce domaine.})";
    QTest::newRow("case 5, Param3 holding XXX is not searched again")
        << 5 << "XXX"
        << " B "
        << R"({\uc1\pard\f0\fs28 Dans les activités de perfectionnement, la priorité sera accordée au travail sur les XXX et surtout sur les  B  : en effet, les résultats de la classe sont respectivement plus faibles et nettement plus faibles  que les nationaux dans ces domaines.})";
    QTest::newRow("case 0 has no marker") << 0 << "a"
                                          << "b"
                                          << R"({\uc1\pard\f0\fs28 CAS NON PREVU.})";
    QTest::newRow("case -1 of the empty command line") << -1 << ""
                                                       << ""
                                                       << "";
}

void TestInitAppli::averageSubstitution()
{
    QFETCH(int, cas);
    QFETCH(QString, Param3);
    QFETCH(QString, Param4);
    Run run(request(1, cas, Param3, Param4));
    run();
    QTEST(run.texts.Suggestion, "Suggestion");
    QVERIFY(run.texts.Explication.startsWith(R"({\b0 Les moyennes vous permettent)"));
    QVERIFY(run.texts.Rappel.contains("(Ateliers de questionnement de textes, Exercices"));
}

void TestInitAppli::averageCases9And10Alike()
{
    Run nine(request(1, 9));
    Run ten(request(1, 10));
    nine();
    ten();
    QVERIFY(nine.texts.Suggestion.contains("dans tous les domaines. \\par Les activités"));
    QCOMPARE(ten.texts.Suggestion, nine.texts.Suggestion);
}

void TestInitAppli::profileClosing_data()
{
    QTest::addColumn<int>("TypeDoc");
    QTest::addColumn<int>("cas");
    QTest::addColumn<QString>("Param4");
    QTest::addColumn<QString>("ending");

    QTest::newRow("open case with Note") << 2 << 1 << "Note"
                                         << "puis de niveau 1" + ClosingNote;
    QTest::newRow("open case, lower-case note") << 3 << 1 << "note"
                                                << "puis de niveau 1}";
    QTest::newRow("open case, Note and a blank") << 4 << 1 << "Note "
                                                 << "puis de niveau 1}";
    QTest::newRow("open case 17 with Note") << 2 << 17 << "Note"
                                            << "peut \\'eatre entrepris" + ClosingNote;
    QTest::newRow("complete case 3 ignores Note") << 2 << 3 << "Note"
                                                  << "textes de niveau 2\\b0\\f2\\fs20\\par}";
    QTest::newRow("complete case 11 gets nothing") << 3 << 11 << ""
                                                   << "niveau 1 \\b0\\f2\\fs20}";
    QTest::newRow("complete case 15 ignores Note") << 4 << 15 << "Note"
                                                   << "longs\\f1\\fs20\\par}";
}

void TestInitAppli::profileClosing()
{
    QFETCH(int, TypeDoc);
    QFETCH(int, cas);
    QFETCH(QString, Param4);
    QFETCH(QString, ending);
    Run run(request(TypeDoc, cas, "40", Param4));
    run();
    QVERIFY2(run.texts.Suggestion.endsWith(ending), qPrintable(run.texts.Suggestion.right(120)));
    QCOMPARE(run.texts.Suggestion.count(QStringLiteral("Note\\ulnone")),
             ending.contains("Note\\ulnone") ? 1 : 0);
    QVERIFY(run.texts.Suggestion.startsWith(R"({\rtf1\ansi\ansicpg1252\deff0\deflang1036)"));
    QVERIFY(run.texts.Explication.startsWith(R"({\b0\fs20 Les suggestions ici faites)"));
    QVERIFY(run.texts.Rappel.contains("(Ateliers de questionnement de textes, Exercices"));
}

void TestInitAppli::weakPupils_data()
{
    QTest::addColumn<int>("TypeDoc");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("Param4");
    QTest::addColumn<QString>("suggestionStart"); // "" for an empty Suggestion
    QTest::addColumn<QString>("rappelStart"); // "" for an empty Rappel

    const QString none5 = R"({\fs24 Il n'y a pas d'élèves faibles en compréhension générale)";
    const QString slow = R"({\fs24 {\ul Si ces élèves sont lents})";
    const QString fewDecoding = R"({\fs24 {\ul Si ces élèves ont peu de problèmes)";
    const QString cm2Type5 = R"({\fs24 On proposera à ces élèves)";
    QTest::newRow("5, empty clipboard") << 5 << ""
                                        << "CE2" << none5 << "";
    QTest::newRow("5, spaces only") << 5 << "    "
                                    << "CE2" << none5 << "";
    QTest::newRow("5, a line break is a pupil list") << 5 << "\r\n"
                                                     << "CE2" << slow << fewDecoding;
    QTest::newRow("5, a tab is a pupil list") << 5 << " \t "
                                              << "CE2" << slow << fewDecoding;
    QTest::newRow("5, CM2") << 5 << "Martin"
                            << "CM2"
                            << "" << cm2Type5;
    QTest::newRow("5, CM2 and a blank is not CM2") << 5 << "Martin"
                                                   << "CM2 " << slow << fewDecoding;
    QTest::newRow("5, empty clipboard wins over CM2") << 5 << ""
                                                      << "CM2" << none5 << "";

    const QString none6 = R"({\fs24 Il n'y a pas d'élèves qui lisent de façon exagérément lente)";
    const QString weak = R"({\fs24 {\ul Si ces élèves sont faibles en compréhension})";
    const QString good = R"({\fs24 {\ul Si ces élèves sont de bons compreneurs})";
    const QString cm2Type6 = R"({\fs24 {\ul Si ces élèves sont des compreneurs acceptables)";
    QTest::newRow("6, empty clipboard") << 6 << ""
                                        << "CM1" << none6 << "";
    QTest::newRow("6, pupils") << 6 << "Martin"
                               << "CM1" << weak << good;
    QTest::newRow("6, CM2") << 6 << "Martin"
                            << "CM2"
                            << "" << cm2Type6;
}

void TestInitAppli::weakPupils()
{
    QFETCH(int, TypeDoc);
    QFETCH(QString, clipboard);
    QFETCH(QString, Param4);
    QFETCH(QString, suggestionStart);
    QFETCH(QString, rappelStart);
    Run run(request(TypeDoc, 0, "Liste", Param4), clipboard, presetTexts());
    run();
    QVERIFY(startsWithOrBothEmpty(run.texts.Suggestion, suggestionStart));
    QVERIFY(startsWithOrBothEmpty(run.texts.Rappel, rappelStart));
    QVERIFY(run.texts.Explication.startsWith(TypeDoc == 5 ? "{Il s'agit d'élèves"
                                                          : "{La vitesse de lecture"));
}

void TestInitAppli::weakInDomain_data()
{
    QTest::addColumn<int>("TypeDoc");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("suggestionStart");
    QTest::addColumn<QString>("suggestionEnd");

    const QString parts = R"({\fs24 Les élèves marqués d'une croix)";
    QTest::newRow("7, no pupil") << 7 << " "
                                 << R"({\fs24 Il n'y a pas d'élèves faibles en texte narratifs)"
                                 << "dans cette classe.}";
    QTest::newRow("7, pupils") << 7 << "Martin X" << parts << "Littérature Jeunesse.}";
    QTest::newRow("8, no pupil") << 8 << ""
                                 << R"({\fs24 Il n'y a pas d'élèves faibles en texte documentaires)"
                                 << "dans cette classe.}";
    QTest::newRow("8, pupils") << 8 << "\n" << parts << "points abordés.}";
    QTest::newRow("9, no pupil") << 9 << ""
                                 << R"({\fs24 Il n'y a pas d'élèves faibles en recherche)"
                                 << "dans cette classe.}";
    QTest::newRow("9, pupils") << 9 << "Martin" << parts << R"({\b p 30}.})";
}

void TestInitAppli::weakInDomain()
{
    QFETCH(int, TypeDoc);
    QFETCH(QString, clipboard);
    QFETCH(QString, suggestionStart);
    QFETCH(QString, suggestionEnd);
    Run run(request(TypeDoc, 0, "Liste", " textes narratifs "), clipboard, presetTexts());
    run();
    QCOMPARE(run.texts.Titre, R"(\fs40 Elèves faibles en  textes narratifs )" + Heading2);
    QVERIFY(run.texts.Suggestion.startsWith(suggestionStart));
    QVERIFY(run.texts.Suggestion.endsWith(suggestionEnd));
    QVERIFY(run.texts.Rappel.isEmpty());
    QVERIFY(run.texts.Explication.startsWith("{Ces élèves ont des résultats régulièrement"));
}

void TestInitAppli::countSentence_data()
{
    QTest::addColumn<QString>("Param6");
    QTest::addColumn<QString>("ending");
    QTest::newRow("1 is singular") << "1"
                                   << "sur 1 épreuve.";
    QTest::newRow("0 is singular") << "0"
                                   << "sur 0 épreuve.";
    QTest::newRow("3 is plural") << "3"
                                 << "sur 3 épreuves.";
    QTest::newRow("empty puts nothing before the singular") << ""
                                                            << "sur  épreuve.";
    QTest::newRow("03 is shown as written") << "03"
                                            << "sur 03 épreuves.";
    QTest::newRow("1.5 is plural, not rounded") << "1.5"
                                                << "sur 1.5 épreuves.";
    QTest::newRow("99999 is plural, not range-checked") << "99999"
                                                        << "sur 99999 épreuves.";
    QTest::newRow("blanks trimmed") << "  2 "
                                    << "sur 2 épreuves.";
    QTest::newRow("tab kept, number read through it") << "\t2"
                                                      << "sur \t2 épreuves.";
    QTest::newRow("text reads 0") << "deux"
                                  << "sur deux épreuve.";
    QTest::newRow("negative is singular") << "-4"
                                          << "sur -4 épreuve.";
    QTest::newRow("exponent") << "1e1"
                              << "sur 1e1 épreuves.";
}

void TestInitAppli::countSentence()
{
    QFETCH(QString, Param6);
    QFETCH(QString, ending);
    Run run(request(10, 5, "a", "b", Param6));
    run();
    const QString explanation = QStringLiteral(
        R"({\ulnone Les  performances comparées à la compréhension d'informations explicites d'une part, implicites ou à reconstruire d'autre part, permettent parfois de dégager pour tel enfant un profil de lecteur. Pour ceux dont c'est le cas, on indique ici sur quoi insister dans les perfectionnements.})");
    QCOMPARE(run.texts.Explication, explanation + R"(\par\par Performances cumulées )" + ending);
    QVERIFY(run.texts.Rappel.contains("(ateliers de questionnement de textes, exercices"));
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
    QTest::newRow("average 16") << 1 << 7 << 16;
    QTest::newRow("average -1") << 1 << 7 << -1;
    QTest::newRow("profile 0") << 2 << 3 << 0;
    QTest::newRow("profile 20") << 4 << 3 << 20;
    QTest::newRow("comprehension type 9") << 10 << 2 << 9;
    QTest::newRow("comprehension type 0") << 10 << 2 << 0;
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
