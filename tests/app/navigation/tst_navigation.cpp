#include "../menus/FormBench.h"
#include "app/menus/Form1Menus.h"
#include "app/navigation/OutlineNavigation.h"
#include "app/printing/PrinterSetup.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace virelai;
using namespace virelai::testing;

namespace {

const QString MoyenneCas2 = QStringLiteral("1,2,textes narratifs,textes documentaires,");
const QString MoyenneCas4 = QStringLiteral("1,4,textes narratifs,textes documentaires,");

void clickLabel(Form1 &form, const QString &name)
{
    auto *control = form.findChild<QLabel *>(name);
    QVERIFY(control);
    QTest::mouseClick(control, Qt::LeftButton);
}

void clickLegend(Form1 &form)
{
    auto *legend = form.findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    QVERIFY(legend);
    QTest::mouseClick(legend->viewport(), Qt::LeftButton);
}

void clickOutlineEntry(Form1 &form, int position)
{
    auto *outline = form.findChild<QTreeWidget *>(QStringLiteral("Outline1"));
    QVERIFY(outline);
    const QRect entry = outline->visualItemRect(outline->topLevelItem(position));
    QVERIFY(entry.isValid());
    QTest::mouseClick(outline->viewport(), Qt::LeftButton, {}, entry.center());
}

void addEntries(Form1 &form)
{
    form.navigation->ajouterEntree(
        {QStringLiteral("Moyenne de la classe"), QStringLiteral("moyenne.rtf"), 6, 1});
    form.navigation->ajouterEntree(
        {QStringLiteral("Profil de la classe"), QStringLiteral("profil.rtf"), 6, 2});
}

} // namespace

class NavigationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void caseButtonShowsTheLastTextsUntilThePageSetUp();
    void selectionWithoutElementChangesNothing_data();
    void selectionWithoutElementChangesNothing();
    void returnToTheFirstAdviceRunsTheSelectionOnce();
    void returnWithNoOriginLeavesNothingSelected();
    void storedDocumentOfANegativeType();
    void unreadableStoredDocumentKeepsThePage();
};

void NavigationTest::caseButtonShowsTheLastTextsUntilThePageSetUp()
{
    const auto form = startedForm(MoyenneCas2);
    const QString case2 = suggestionShown(*form);
    const QString case4 = suggestionShown(*startedForm(MoyenneCas4));
    QVERIFY(case2 != case4);
    addEntries(*form);
    form->navigation->setListIndex(1);
    const auto before = form->VSPrinter1->shownDocument();

    clickLabel(*form, QStringLiteral("Image2_3"));
    QCOMPARE(form->request.CasSelect, qint16(4));
    QCOMPARE(form->request.IndSelect, qint16(2));
    QCOMPARE(form->windowTitle(), QStringLiteral("Suggestions pédagogiques : Profil de la classe"));
    QVERIFY(form->VSPrinter1->shownDocument() != before);
    QCOMPARE(suggestionShown(*form), case2);

    form->printing->askPageSetup = [](const QPageLayout &, const QPrinter &, QWidget *) {
        return std::optional<QPageLayout>();
    };
    form->menus->menus().ConfMiseEnPage->trigger();
    QCOMPARE(suggestionShown(*form), case4);
}

void NavigationTest::selectionWithoutElementChangesNothing_data()
{
    QTest::addColumn<bool>("entries");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("CasSelect");
    QTest::newRow("empty list, case button") << false << QStringLiteral("Image2_5") << 6;
    QTest::newRow("empty list, legend box") << false << QStringLiteral("Text1") << 2;
    QTest::newRow("nothing selected, case button") << true << QStringLiteral("Image2_0") << 1;
}

void NavigationTest::selectionWithoutElementChangesNothing()
{
    QFETCH(bool, entries);
    QFETCH(QString, control);
    QFETCH(int, CasSelect);
    const auto form = startedForm(MoyenneCas2);
    if (entries)
        addEntries(*form);
    const QString caption = form->windowTitle();
    const auto shown = form->VSPrinter1->shownDocument();
    if (control == QStringLiteral("Text1"))
        clickLegend(*form);
    else
        clickLabel(*form, control);
    QCOMPARE(form->request.CasSelect, qint16(CasSelect));
    QCOMPARE(form->request.IndSelect, qint16(0));
    QCOMPARE(form->windowTitle(), caption);
    QCOMPARE(form->VSPrinter1->shownDocument(), shown);
}

void NavigationTest::returnToTheFirstAdviceRunsTheSelectionOnce()
{
    auto form = std::make_unique<Form1>(std::make_unique<FileClipboard>(sampleText("type1.txt")));
    addEntries(*form);
    form->Form_Load(MoyenneCas2);
    QCOMPARE(form->request.IndOrigine, qint16(1));
    QCOMPARE(form->request.CasOrigine, qint16(2));
    form->navigation->setListIndex(1);
    clickLabel(*form, QStringLiteral("Image2_4"));
    QCOMPARE(form->request.CasSelect, qint16(5));

    QSignalSpy shown(form->VSPrinter1, &Surface::documentShown);
    clickLegend(*form);
    QCOMPARE(shown.count(), 1);
    QCOMPARE(form->navigation->ListIndex(), 0);
    QCOMPARE(form->request.IndSelect, qint16(1));
    QCOMPARE(form->request.CasSelect, qint16(2));
    QCOMPARE(form->windowTitle(), QStringLiteral("Virelai des graphiques : Moyenne de la classe"));
}

void NavigationTest::returnWithNoOriginLeavesNothingSelected()
{
    const auto form = startedForm(MoyenneCas2);
    addEntries(*form); // after start-up: the request has no entry to return to
    QCOMPARE(form->request.IndOrigine, qint16(0));
    form->navigation->setListIndex(1);
    clickLabel(*form, QStringLiteral("Image2_2"));
    const QString caption = form->windowTitle();
    const auto shown = form->VSPrinter1->shownDocument();

    form->navigation->Menuconseil_Click();
    QCOMPARE(form->navigation->ListIndex(), -1);
    QCOMPARE(form->request.CasSelect, qint16(2));
    QCOMPARE(form->request.IndSelect, qint16(0));
    QCOMPARE(form->windowTitle(), caption);
    QCOMPARE(form->VSPrinter1->shownDocument(), shown);
}

void NavigationTest::storedDocumentOfANegativeType()
{
    QTemporaryDir dir;
    QFile stored(dir.filePath(QStringLiteral("profil.rtf")));
    QVERIFY(stored.open(QIODevice::WriteOnly));
    stored.write("{\\rtf1\\ansi Conseil m\xe9moris\xe9}");
    stored.close();
    Form1 form(std::make_unique<FileClipboard>(QString()));
    form.request.TypeDoc = -1;
    form.request.chemin = dir.path() + QLatin1Char('/');
    addEntries(form);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    clickOutlineEntry(form, 1);
    QCOMPARE(form.request.IndSelect, qint16(2));
    QCOMPARE(form.windowTitle(), QStringLiteral("Suggestions pédagogiques : Profil de la classe"));
    QVERIFY(shownText(*form.VSPrinter1, dir.path()).contains(QStringLiteral("Conseil mémorisé")));
}

void NavigationTest::unreadableStoredDocumentKeepsThePage()
{
    QTemporaryDir dir;
    Form1 form(std::make_unique<FileClipboard>(QString()));
    RecordingMessages messages;
    form.navigation->messages = &messages;
    form.request.TypeDoc = -1;
    form.request.chemin = dir.path() + QLatin1Char('/');
    addEntries(form);
    const auto shown = form.VSPrinter1->shownDocument();

    form.navigation->setListIndex(0);
    form.navigation->Outline1_Click();
    QCOMPARE(messages.prompts,
             QStringList {"Impossible d'ouvrir le fichier " + dir.path() + "/moyenne.rtf"});
    QCOMPARE(messages.titles, QStringList {"Erreur"});
    QCOMPARE(form.VSPrinter1->shownDocument(), shown);
}

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
