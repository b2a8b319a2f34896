#include "RtfBalance.h"
#include "advice/Catalogue.h"

#include <QList>
#include <QTest>

using namespace virelai;

namespace {

QString joined(std::span<const QStringView> parts)
{
    QString text;
    for (QStringView part : parts)
        text += part;
    return text;
}

} // namespace

// The texts themselves are in the golden --dump-advice file; what it cannot
// see is that each is one balanced RTF group, or closes as marked.
class TestCatalogue : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void profileTextsCloseAsMarked_data();
    void profileTextsCloseAsMarked();
    void groupTextsAreBalanced();
};

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
    const ProfileText profile = *profileSuggestion(qint16(cas));
    QCOMPARE(profile.open, open);
    QVERIFY(profile.text.startsWith(uR"({\rtf1\ansi\ansicpg1252\deff0\deflang1036{\fonttbl)"));
    if (open) {
        QVERIFY(!isOneBalancedGroup(profile.text));
        QVERIFY(isOneBalancedGroup(profile.text.toString() + PlainClosing.toString()));
        QVERIFY(isOneBalancedGroup(profile.text.toString() + closingNote().toString()));
    } else {
        QVERIFY(isOneBalancedGroup(profile.text));
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

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
