#include "document/builders/PageTexts.h"

#include <QTest>

using namespace virelai;

// The page texts as a whole are read back from the end-to-end PDFs; these are
// the cases those pages do not meet.
class PageTextsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void footerMoment_data();
    void footerMoment();
    void suggestionJoins_data();
    void suggestionJoins();
};

void PageTextsTest::footerMoment_data()
{
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QString>("dateAndTime");
    // clang-format off
    QTest::newRow("evening, 24-hour clock") << QDateTime(QDate(2027, 1, 31), QTime(21, 47)) << QStringLiteral("31-01-2027 à 21:47");
    QTest::newRow("past year 9999 in local time, bounded") << QDateTime(QDate(10000, 1, 1), QTime(0, 30)) << QStringLiteral("31-12-9999 à 23:59");
    // clang-format on
}

void PageTextsTest::footerMoment()
{
    QFETCH(QDateTime, moment);
    QFETCH(QString, dateAndTime);
    // The footer's words are read back from the end-to-end pages.
    QVERIFY(footerRtf(moment, QStringLiteral("2.1.0")).contains(" du : " + dateAndTime + " \\par"));
}

void PageTextsTest::suggestionJoins_data()
{
    QTest::addColumn<QString>("Suggestion");
    QTest::addColumn<QString>("Rappel");
    QTest::addColumn<QString>("generalWeakness");
    QTest::addColumn<QString>("byDomain");
    // clang-format off
    QTest::newRow("both")                 << "{S}" << "{R}" << "{S}\\par\\par {R}" << "{S}\\par\\par {R}";
    QTest::newRow("no reminder")          << "{S}" << ""    << "{S}"               << "{S}";
    QTest::newRow("reminder alone (CM2)") << ""    << "{R}" << "{R}"               << "\\par\\par {R}";
    QTest::newRow("neither")              << ""    << ""    << ""                  << "";
    // clang-format on
}

void PageTextsTest::suggestionJoins()
{
    QFETCH(QString, Suggestion);
    QFETCH(QString, Rappel);
    QFETCH(QString, generalWeakness);
    QFETCH(QString, byDomain);
    QCOMPARE(suggestionAndReminder(Suggestion, Rappel), generalWeakness);
    QCOMPARE(suggestionThenReminder(Suggestion, Rappel), byDomain);
}

QTEST_APPLESS_MAIN(PageTextsTest)
#include "tst_pagetexts.moc"
