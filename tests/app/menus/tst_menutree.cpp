#include "app/FileClipboard.h"
#include "app/window/Form1.h"
#include "document/surface/Surface.h"

#include <QAction>
#include <QMenu>
#include <QTest>

using namespace virelai;

namespace {

const QStringList OtherHelps {"moyenne", "evolution", "profil", "recapit",
                              "revgene", "revspe",    "ptsens", "quparqu"};

QStringList checkedItems(const Form1 &form)
{
    QStringList checked;
    for (const QString &name : OtherHelps)
        if (form.findChild<QAction *>(name)->isChecked())
            checked << name;
    return checked;
}

} // namespace

// The captions and initial states are the window's own; what the items do.
class MenuTreeTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checkMarkMovesToTheLastChosen_data();
    void checkMarkMovesToTheLastChosen();
};

void MenuTreeTest::checkMarkMovesToTheLastChosen_data()
{
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<QString>("checked");
    // clang-format off
    QTest::newRow("ptsens then moyenne") << QStringList {"ptsens", "moyenne"} << "moyenne";
    QTest::newRow("same item twice") << QStringList {"revspe", "revspe"} << "revspe";
    QTest::newRow("across separators") << QStringList {"evolution", "profil", "quparqu"} << "quparqu";
    // clang-format on
}

// Only the mark moves: the page and the caption stay.
void MenuTreeTest::checkMarkMovesToTheLastChosen()
{
    QFETCH(QStringList, chosen);
    QFETCH(QString, checked);
    Form1 form(std::make_unique<FileClipboard>(QString()));
    const auto shown = form.findChild<Surface *>()->shownDocument();
    const QString caption = form.windowTitle();
    for (const QString &name : chosen)
        form.findChild<QAction *>(name)->trigger();
    QCOMPARE(checkedItems(form), QStringList {checked});
    QCOMPARE(form.findChild<Surface *>()->shownDocument(), shown);
    QCOMPARE(form.windowTitle(), caption);
}

QTEST_MAIN(MenuTreeTest)
#include "tst_menutree.moc"
