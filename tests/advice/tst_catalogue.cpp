#include "RtfBalance.h"
#include "advice/Catalogue.h"

#include <QList>
#include <QTest>

using namespace virelai;
using namespace virelai::catalogue;

class TestCatalogue : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void caseRanges_data();
    void caseRanges();
    void profileTextsCloseAsMarked_data();
    void profileTextsCloseAsMarked();
    void groupTextsAreBalanced();
    void averageCases9And10ShareOneText();
    void markersOnlyWhereListed_data();
    void markersOnlyWhereListed();
    void noMarkerOutsideAverageTexts();
    void onlyTheLigatureLeavesLatin1();
    void remindersDifferInTwoCapitals();
};

namespace {

// Every text other than the class-average cases, as the selection hands them on.
QList<QStringView> textsWithoutMarkers()
{
    QList<QStringView> texts {rappelA(), rappelB(), closingNote()};
    for (qint16 type = 1; type <= 10; ++type)
        texts.append(explication(type));
    for (qint16 cas = 1; cas <= 19; ++cas)
        texts.append(profileSuggestion(cas)->text);
    for (qint16 cas = 1; cas <= 8; ++cas)
        texts.append(*comprehensionTypeSuggestion(cas));
    for (qint16 type : {5, 6}) {
        const WeaknessTexts t = weaknessTexts(type);
        texts.append({t.noPupil, t.cm2, t.suggestion, t.reminder});
    }
    for (qint16 type : {7, 8, 9}) {
        const DomainTexts t = domainTexts(type);
        texts.append(t.noPupil);
        texts.append(QList<QStringView>(t.parts.begin(), t.parts.end()));
    }
    return texts;
}

QString joined(std::span<const QStringView> parts)
{
    QString text;
    for (QStringView part : parts)
        text += part;
    return text;
}

} // namespace

void TestCatalogue::caseRanges_data()
{
    QTest::addColumn<int>("kind"); // 1 average, 2 profile, 10 comprehension type
    QTest::addColumn<int>("cas");
    QTest::addColumn<bool>("hasText");
    QTest::newRow("average -1") << 1 << -1 << false;
    QTest::newRow("average 0") << 1 << 0 << true;
    QTest::newRow("average 15") << 1 << 15 << true;
    QTest::newRow("average 16") << 1 << 16 << false;
    QTest::newRow("profile 0") << 2 << 0 << false;
    QTest::newRow("profile 1") << 2 << 1 << true;
    QTest::newRow("profile 19") << 2 << 19 << true;
    QTest::newRow("profile 20") << 2 << 20 << false;
    QTest::newRow("comprehension type 0") << 10 << 0 << false;
    QTest::newRow("comprehension type 1") << 10 << 1 << true;
    QTest::newRow("comprehension type 8") << 10 << 8 << true;
    QTest::newRow("comprehension type 9") << 10 << 9 << false;
    QTest::newRow("comprehension type -32768") << 10 << -32768 << false;
}

void TestCatalogue::caseRanges()
{
    QFETCH(int, kind);
    QFETCH(int, cas);
    QFETCH(bool, hasText);
    const qint16 c = qint16(cas);
    const bool found = kind == 1 ? averageSuggestion(c).has_value()
        : kind == 2              ? profileSuggestion(c).has_value()
                                 : comprehensionTypeSuggestion(c).has_value();
    QCOMPARE(found, hasText);
}

void TestCatalogue::profileTextsCloseAsMarked_data()
{
    QTest::addColumn<int>("cas");
    QTest::addColumn<bool>("open");
    const QList<int> openCases {1, 2, 4, 5, 6, 7, 8, 9, 10, 12, 14, 16, 17};
    for (int cas = 1; cas <= 19; ++cas)
        QTest::addRow("case %d", cas) << cas << openCases.contains(cas);
}

void TestCatalogue::profileTextsCloseAsMarked()
{
    QFETCH(int, cas);
    QFETCH(bool, open);
    const ProfileText chooseProfile = *profileSuggestion(qint16(cas));
    QCOMPARE(chooseProfile.open, open);
    QVERIFY(
        chooseProfile.text.startsWith(uR"({\rtf1\ansi\ansicpg1252\deff0\deflang1036{\fonttbl)"));
    if (open) {
        QVERIFY(!isOneBalancedGroup(chooseProfile.text));
        QVERIFY(isOneBalancedGroup(chooseProfile.text.toString() + PlainClosing.toString()));
        QVERIFY(isOneBalancedGroup(chooseProfile.text.toString() + closingNote().toString()));
    } else {
        QVERIFY(isOneBalancedGroup(chooseProfile.text));
    }
}

void TestCatalogue::groupTextsAreBalanced()
{
    QList<QString> groups {rappelA().toString(), rappelB().toString()};
    for (qint16 type = 1; type <= 10; ++type)
        groups.append(explication(type).toString());
    for (qint16 cas = 0; cas <= 15; ++cas)
        groups.append(averageSuggestion(cas)->toString());
    for (qint16 cas = 1; cas <= 8; ++cas)
        groups.append(comprehensionTypeSuggestion(cas)->toString());
    for (qint16 type : {5, 6}) {
        const WeaknessTexts t = weaknessTexts(type);
        for (QStringView text : {t.noPupil, t.cm2, t.suggestion, t.reminder})
            groups.append(text.toString());
    }
    for (qint16 type : {7, 8, 9}) {
        groups.append(domainTexts(type).noPupil.toString());
        groups.append(joined(domainTexts(type).parts));
    }
    for (const QString &text : groups)
        QVERIFY2(isOneBalancedGroup(text), qPrintable(text.left(80)));
}

void TestCatalogue::averageCases9And10ShareOneText()
{
    QCOMPARE(*averageSuggestion(10), *averageSuggestion(9));
    QVERIFY(*averageSuggestion(8) != *averageSuggestion(9));
    QVERIFY(*averageSuggestion(11) != *averageSuggestion(10));
}

void TestCatalogue::markersOnlyWhereListed_data()
{
    QTest::addColumn<int>("cas");
    QTest::addColumn<int>("xxx");
    QTest::addColumn<int>("yyy");
    const QList<int> xxxOnly {2, 3, 8, 12, 13};
    const QList<int> both {4, 5, 6};
    for (int cas = 0; cas <= 15; ++cas) {
        const int xxx = xxxOnly.contains(cas) || both.contains(cas) ? 1 : 0;
        QTest::addRow("average case %d", cas) << cas << xxx << (both.contains(cas) ? 1 : 0);
    }
}

void TestCatalogue::markersOnlyWhereListed()
{
    QFETCH(int, cas);
    const QStringView text = *averageSuggestion(qint16(cas));
    QTEST(int(text.count(MarkerXXX)), "xxx");
    QTEST(int(text.count(MarkerYYY)), "yyy");
    if (text.contains(MarkerYYY))
        QVERIFY(text.indexOf(MarkerXXX) < text.indexOf(MarkerYYY));
}

void TestCatalogue::noMarkerOutsideAverageTexts()
{
    for (QStringView text : textsWithoutMarkers()) {
        QVERIFY2(!text.contains(MarkerXXX), qPrintable(text.left(80).toString()));
        QVERIFY2(!text.contains(MarkerYYY), qPrintable(text.left(80).toString()));
    }
}

void TestCatalogue::onlyTheLigatureLeavesLatin1()
{
    QList<QStringView> all = textsWithoutMarkers();
    for (qint16 cas = 0; cas <= 15; ++cas)
        all.append(*averageSuggestion(cas));
    int textsWithLigature = 0;
    for (QStringView text : all) {
        for (QChar c : text)
            QVERIFY2(c.unicode() <= 0xFF || c == QChar(0x0153),
                     qPrintable(text.left(80).toString()));
        textsWithLigature += text.contains(QChar(0x0153)) ? 1 : 0;
    }
    QCOMPARE(textsWithLigature, 1);
    QVERIFY(domainTexts(9).parts[2].contains(QStringLiteral("mettre en œuvre")));
}

void TestCatalogue::remindersDifferInTwoCapitals()
{
    QString a = rappelA().toString();
    a.replace(QStringLiteral("(Ateliers"), QStringLiteral("(ateliers"));
    a.replace(QStringLiteral("Exercices sp"), QStringLiteral("exercices sp"));
    QVERIFY(rappelA() != rappelB());
    QCOMPARE(a, rappelB().toString());
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
