#include "document/builders/PageTexts.h"

#include <QTest>

using namespace virelai;

namespace {

// Braces of a fragment, ignoring escaped ones: every group it opens is closed.
bool bracesBalance(const QString &rtf)
{
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == u'\\') {
            ++i;
            continue;
        }
        depth += rtf[i] == u'{' ? 1 : rtf[i] == u'}' ? -1 : 0;
        if (depth < 0)
            return false;
    }
    return depth == 0;
}

} // namespace

class PageTextsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void headingWrapsTheTitle();
    void footerCarriesDateTimeAndVersion_data();
    void footerCarriesDateTimeAndVersion();
    void footerClosesEveryGroup();
    void suggestionJoins_data();
    void suggestionJoins();
    void trimesterHeaderIsOneParagraphOnTheNextLine();
};

void PageTextsTest::headingWrapsTheTitle()
{
    const QString Titre
        = QStringLiteral("\\fs40 Moyenne de la classe\\par\\cf0\\fs36 Suggestions Pédagogiques");
    QCOMPARE(blocTitre(Titre),
             QStringLiteral("{\\colortbl ;\\red0\\green0\\blue255;}{\\cf1\\fs36\\b\\qc {") + Titre
                 + QStringLiteral("}\\par\\par }"));
}

void PageTextsTest::footerCarriesDateTimeAndVersion_data()
{
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QString>("dateAndTime");
    QTest::newRow("morning, leading zeros")
        << QDateTime(QDate(2026, 12, 5), QTime(9, 5)) << QStringLiteral("05-12-2026 à 09:05");
    QTest::newRow("evening, 24-hour clock")
        << QDateTime(QDate(2027, 1, 31), QTime(21, 47)) << QStringLiteral("31-01-2027 à 21:47");
    QTest::newRow("midnight") << QDateTime(QDate(2026, 6, 1), QTime(0, 0, 59))
                              << QStringLiteral("01-06-2026 à 00:00");
    QTest::newRow("past year 9999 in local time, bounded")
        << QDateTime(QDate(10000, 1, 1), QTime(0, 30)) << QStringLiteral("31-12-9999 à 23:59");
}

void PageTextsTest::footerCarriesDateTimeAndVersion()
{
    QFETCH(QDateTime, moment);
    QFETCH(QString, dateAndTime);
    const QString footer = piedDePage(moment, QStringLiteral("2.1.0"));
    QVERIFY(footer.startsWith(
        QStringLiteral("{\\b\\qc {-%d-}\\par}{\\fs16\\ql Suggestions pédagogiques du : ")
        + dateAndTime
        + QStringLiteral(" \\par\\fs12\\i Document réalisé par le logiciel 'Virelai' V2.1.0")));
}

void PageTextsTest::footerClosesEveryGroup()
{
    const QString footer = piedDePage(QDateTime(QDate(2026, 12, 5), QTime(9, 5)), "2.1.0");
    QVERIFY(footer.endsWith(u'}'));
    QVERIFY(bracesBalance(footer));
    QCOMPARE(footer.count(QStringLiteral("%d")), 1);
}

void PageTextsTest::suggestionJoins_data()
{
    QTest::addColumn<QString>("Suggestion");
    QTest::addColumn<QString>("Rappel");
    QTest::addColumn<QString>("generalWeakness");
    QTest::addColumn<QString>("byDomain");
    QTest::newRow("both") << "{S}"
                          << "{R}"
                          << "{S}\\par\\par {R}"
                          << "{S}\\par\\par {R}";
    QTest::newRow("no reminder") << "{S}"
                                 << ""
                                 << "{S}"
                                 << "{S}";
    QTest::newRow("reminder alone (CM2)") << ""
                                          << "{R}"
                                          << "{R}"
                                          << "\\par\\par {R}";
    QTest::newRow("neither") << ""
                             << ""
                             << ""
                             << "";
}

void PageTextsTest::suggestionJoins()
{
    QFETCH(QString, Suggestion);
    QFETCH(QString, Rappel);
    QFETCH(QString, generalWeakness);
    QFETCH(QString, byDomain);
    QCOMPARE(suggestionEtRappel(Suggestion, Rappel), generalWeakness);
    QCOMPARE(suggestionPuisRappel(Suggestion, Rappel), byDomain);
}

void PageTextsTest::trimesterHeaderIsOneParagraphOnTheNextLine()
{
    QCOMPARE(enteteListeTrimestres(), QStringLiteral("\rTrim\r1  2  3"));
}

QTEST_APPLESS_MAIN(PageTextsTest)
#include "tst_pagetexts.moc"
