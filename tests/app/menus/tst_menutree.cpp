#include "app/FileClipboard.h"
#include "app/navigation/OutlineNavigation.h"
#include "app/window/Form1.h"
#include "document/surface/Surface.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace virelai;

namespace {

std::unique_ptr<Form1> newForm()
{
    return std::make_unique<Form1>(std::make_unique<FileClipboard>(QString()));
}

QAction *item(Form1 &form, const QString &name)
{
    return form.findChild<QAction *>(name);
}

const QStringList OtherHelps {"moyenne", "evolution", "profil", "recapit",
                              "revgene", "revspe",    "ptsens", "quparqu"};

QStringList checkedItems(Form1 &form)
{
    QStringList checked;
    for (const QString &name : OtherHelps)
        if (item(form, name)->isChecked())
            checked << name;
    return checked;
}

} // namespace

class MenuTreeTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void menuBarInOrder();
    void itemsOfEachMenu_data();
    void itemsOfEachMenu();
    void otherHelpsHiddenAndDisabled();
    void returnCommandGreyed();
    void checkMarkMovesToTheLastChosen_data();
    void checkMarkMovesToTheLastChosen();
};

void MenuTreeTest::menuBarInOrder()
{
    const auto form = newForm();
    QStringList captions;
    for (QAction *action : form->menuBar()->actions())
        captions << action->text();
    QCOMPARE(
        captions,
        (QStringList {"&Retour", "&Autres aides", "&Impression", "&Affiche le conseil d'origine"}));
    const QList<QAction *> bar = form->menuBar()->actions();
    QCOMPARE(bar[0]->menu()->objectName(), QStringLiteral("Fichier"));
    QCOMPARE(bar[1]->menu()->objectName(), QStringLiteral("autredoc"));
    QCOMPARE(bar[2]->menu()->objectName(), QStringLiteral("impression"));
    QCOMPARE(bar[3]->objectName(), QStringLiteral("Menuconseil"));
}

void MenuTreeTest::itemsOfEachMenu_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("captions"); // "-": a separator
    QTest::newRow("Fichier") << "Fichier" << QStringList {"Quitter"}
                             << QStringList {"&Retour vers l'Ecluse"};
    QTest::newRow("autredoc") << "autredoc"
                              << QStringList {"moyenne", "evolution", "sep1",    "profil",
                                              "recapit", "sep2",      "revgene", "revspe",
                                              "sep3",    "ptsens",    "quparqu"}
                              << QStringList {"&Moyenne de la classe",
                                              "&Evolution d'un élève",
                                              "-",
                                              "&Profil de la classe",
                                              "&Récapitulation des profils",
                                              "-",
                                              "Révélateurs &généraux",
                                              "Révélateurs &spécifiques",
                                              "-",
                                              "Poin&ts sensibles d'un élève",
                                              "&Performances d'un élève par type de question"};
    QTest::newRow("impression") << "impression"
                                << QStringList {"config", "ConfMiseEnPage", "separ", "imprime"}
                                << QStringList {"&Configurer l'imprimante...", "&Mise en page...",
                                                "-", "&Imprimer la page affichée"};
}

void MenuTreeTest::itemsOfEachMenu()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, names);
    QFETCH(QStringList, captions);
    const auto form = newForm();
    auto *shown = form->findChild<QMenu *>(menu);
    QVERIFY(shown);
    QStringList actualNames;
    QStringList actualCaptions;
    for (QAction *action : shown->actions()) {
        actualNames << action->objectName();
        actualCaptions << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QVERIFY(action->isVisible());
        QVERIFY(action->isEnabled());
        QVERIFY(action->shortcut().isEmpty());
    }
    QCOMPARE(actualNames, names);
    QCOMPARE(actualCaptions, captions);
}

void MenuTreeTest::otherHelpsHiddenAndDisabled()
{
    const auto form = newForm();
    QAction *autredoc = form->findChild<QMenu *>(QStringLiteral("autredoc"))->menuAction();
    QVERIFY(!autredoc->isVisible());
    QVERIFY(!autredoc->isEnabled());
    QCOMPARE(checkedItems(*form), QStringList {"moyenne"});
    for (const QString &name : OtherHelps)
        QVERIFY2(item(*form, name)->isCheckable(), qPrintable(name));
}

void MenuTreeTest::returnCommandGreyed()
{
    const auto form = newForm();
    QAction *Menuconseil = item(*form, QStringLiteral("Menuconseil"));
    QVERIFY(Menuconseil->isVisible());
    QVERIFY(!Menuconseil->isEnabled());
    QVERIFY(Menuconseil->shortcut().isEmpty());
    auto *navigation = form->findChild<OutlineNavigation *>();
    navigation->addEntry({QStringLiteral("Moyenne de la classe"), {}, 6, 1});
    navigation->setListIndex(0);
    // Chosen, it would select the origin's position: none.
    Menuconseil->trigger(); // cannot be chosen: nothing happens
    QCOMPARE(navigation->ListIndex(), 0);
}

void MenuTreeTest::checkMarkMovesToTheLastChosen_data()
{
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<QString>("checked");
    QTest::newRow("ptsens then moyenne") << QStringList {"ptsens", "moyenne"} << "moyenne";
    QTest::newRow("moyenne again") << QStringList {"moyenne"} << "moyenne";
    QTest::newRow("last item") << QStringList {"quparqu"} << "quparqu";
    QTest::newRow("same item twice") << QStringList {"revspe", "revspe"} << "revspe";
    QTest::newRow("across separators")
        << QStringList {"evolution", "profil", "revgene"} << "revgene";
}

void MenuTreeTest::checkMarkMovesToTheLastChosen()
{
    QFETCH(QStringList, chosen);
    QFETCH(QString, checked);
    const auto form = newForm();
    const Surface &VSPrinter1 = *form->findChild<Surface *>();
    const auto shown = VSPrinter1.shownDocument();
    const QString caption = form->windowTitle();
    for (const QString &name : chosen)
        item(*form, name)->trigger();
    QCOMPARE(checkedItems(*form), QStringList {checked});
    QCOMPARE(VSPrinter1.shownDocument(), shown);
    QCOMPARE(form->windowTitle(), caption);
}

QTEST_MAIN(MenuTreeTest)
#include "tst_menutree.moc"
