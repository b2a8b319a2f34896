#include "app/FileClipboard.h"
#include "app/navigation/OutlineNavigation.h"
#include "app/window/Form1.h"
#include "document/surface/Surface.h"

#include <QAction>
#include <QMenu>
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

// The captions themselves are the window's own; what the menus do with them:
// hidden, greyed and checked items.
class MenuTreeTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void otherHelpsHiddenAndDisabled();
    void returnCommandGreyed();
    void checkMarkMovesToTheLastChosen_data();
    void checkMarkMovesToTheLastChosen();
};

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
    // clang-format off
    QTest::newRow("ptsens then moyenne") << QStringList {"ptsens", "moyenne"} << "moyenne";
    QTest::newRow("moyenne again") << QStringList {"moyenne"} << "moyenne";
    QTest::newRow("last item") << QStringList {"quparqu"} << "quparqu";
    QTest::newRow("same item twice") << QStringList {"revspe", "revspe"} << "revspe";
    QTest::newRow("across separators") << QStringList {"evolution", "profil", "revgene"} << "revgene";
    // clang-format on
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
