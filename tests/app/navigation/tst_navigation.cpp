#include "../menus/FormBench.h"
#include "app/navigation/OutlineNavigation.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace virelai;
using namespace virelai::testing;

namespace {

// A click on a control of the window, by its name; on the legend's text area.
void click(const QWidget &window, const QString &name)
{
    auto *control = window.findChild<QWidget *>(name);
    QVERIFY(control);
    const auto *legend = qobject_cast<QPlainTextEdit *>(control);
    QTest::mouseClick(legend ? legend->viewport() : control, Qt::LeftButton);
}

void clickOutlineEntry(const QWidget &window, int position)
{
    auto *outline = window.findChild<QTreeWidget *>(QStringLiteral("Outline1"));
    QVERIFY(outline);
    const QRect entry = outline->visualItemRect(outline->topLevelItem(position));
    QVERIFY(entry.isValid());
    QTest::mouseClick(outline->viewport(), Qt::LeftButton, {}, entry.center());
}

// Two entries; their stored documents are in `folder`, relative to the program's.
void addEntries(OutlineNavigation &navigation, const QString &folder = {})
{
    navigation.addEntry({QStringLiteral("Moyenne de la classe"), folder + "moyenne.rtf", 6, 1});
    navigation.addEntry({QStringLiteral("Profil de la classe"), folder + "profil.rtf", 6, 2});
}

} // namespace

class NavigationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void caseButtonThenReturnToTheFirstAdvice();
    void selectionWithoutElementChangesNothing_data();
    void selectionWithoutElementChangesNothing();
    void storedDocumentsOfANegativeType();
};

// A case button shows its case with the texts of the last build until a page
// set-up builds them again; the legend box returns to the advice first
// requested, running the selection once.
void NavigationTest::caseButtonThenReturnToTheFirstAdvice()
{
    const QString case4 = suggestionShown(*startedForm(MoyenneCas4));
    const auto cancelPageSetup = [](auto &&...) {
        return std::optional<QPageLayout>();
    };
    const auto form = benchForm(type1Clipboard(), {{}, cancelPageSetup});
    OutlineNavigation &navigation = navigationOf(*form);
    addEntries(navigation);
    form->Form_Load(MoyenneCas2);
    const QString case2 = suggestionShown(*form);
    QVERIFY(case2 != case4);
    navigation.setListIndex(1);
    const auto before = surfaceOf(*form).shownDocument();

    click(*form, QStringLiteral("Image2_3"));
    QCOMPARE(form->request().CasSelect, qint16(4));
    QCOMPARE(form->request().IndSelect, qint16(2));
    QCOMPARE(form->windowTitle(), QStringLiteral("Suggestions pédagogiques : Profil de la classe"));
    QVERIFY(surfaceOf(*form).shownDocument() != before);
    QCOMPARE(suggestionShown(*form), case2);
    command(*form, "ConfMiseEnPage")->trigger();
    QCOMPARE(suggestionShown(*form), case4);

    QSignalSpy shown(&surfaceOf(*form), &Surface::documentShown);
    click(*form, QStringLiteral("Text1"));
    QCOMPARE(shown.count(), 1);
    QCOMPARE(navigation.ListIndex(), 0);
    QCOMPARE(form->request().IndSelect, qint16(1));
    QCOMPARE(form->request().CasSelect, qint16(2));
    QCOMPARE(form->windowTitle(), QStringLiteral("Virelai des graphiques : Moyenne de la classe"));
}

void NavigationTest::selectionWithoutElementChangesNothing_data()
{
    QTest::addColumn<bool>("entries");
    QTest::addColumn<int>("selected"); // -1: none
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("CasSelect");
    // clang-format off
    QTest::newRow("empty list, case button") << false << -1 << QStringLiteral("Image2_5") << 6;
    QTest::newRow("empty list, legend box") << false << -1 << QStringLiteral("Text1") << 2;
    QTest::newRow("nothing selected, case button") << true << -1 << QStringLiteral("Image2_0") << 1;
    QTest::newRow("no origin to return to, legend box") << true << 1 << QStringLiteral("Text1") << 2;
    // clang-format on
}

// The request was read before the entries were added: it has no origin.
void NavigationTest::selectionWithoutElementChangesNothing()
{
    QFETCH(bool, entries);
    QFETCH(int, selected);
    QFETCH(QString, control);
    QFETCH(int, CasSelect);
    const auto form = startedForm(MoyenneCas2);
    if (entries)
        addEntries(navigationOf(*form));
    navigationOf(*form).setListIndex(selected);
    const QString caption = form->windowTitle();
    const auto shown = surfaceOf(*form).shownDocument();
    click(*form, control);
    QCOMPARE(navigationOf(*form).ListIndex(), -1);
    QCOMPARE(form->request().CasSelect, qint16(CasSelect));
    QCOMPARE(form->request().IndSelect, qint16(0));
    QCOMPARE(form->windowTitle(), caption);
    QCOMPARE(surfaceOf(*form).shownDocument(), shown);
}

// For a negative document type the entries name stored documents: one that
// cannot be read is told and keeps the page; one that can is shown with its
// caption.
void NavigationTest::storedDocumentsOfANegativeType()
{
    QTemporaryDir dir;
    QFile stored(dir.filePath(QStringLiteral("profil.rtf")));
    QVERIFY(stored.open(QIODevice::WriteOnly));
    stored.write("{\\rtf1\\ansi Conseil m\xe9moris\xe9}");
    stored.close();
    RecordingMessages *messages = nullptr;
    const auto form = benchForm(std::make_unique<FileClipboard>(QString()), {}, &messages);
    const QDir program(QCoreApplication::applicationDirPath());
    const QString folder = program.relativeFilePath(dir.path()) + "/";
    addEntries(navigationOf(*form), folder);
    form->Form_Load(QStringLiteral("-1,0,profil.rtf,,"));
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    const auto shown = surfaceOf(*form).shownDocument();
    const qsizetype toldBefore = messages->prompts.size();

    clickOutlineEntry(*form, 0);
    QCOMPARE(messages->titles.mid(toldBefore), QStringList {"Erreur"});
    QVERIFY2(messages->prompts.last().endsWith(folder + "moyenne.rtf"),
             qPrintable(messages->prompts.last()));
    QCOMPARE(surfaceOf(*form).shownDocument(), shown);

    clickOutlineEntry(*form, 1);
    QCOMPARE(form->request().IndSelect, qint16(2));
    QCOMPARE(form->windowTitle(), QStringLiteral("Suggestions pédagogiques : Profil de la classe"));
    QVERIFY(pdfText(surfaceOf(*form)).contains(QStringLiteral("Conseil mémorisé")));
}

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
