#include "Form1Menus.h"

#include "app/printing/PrinterSetup.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>

namespace virelai {

Form1Menus::Form1Menus(QMenuBar &bar, PrinterSetup &printing, QObject *parent)
    : QObject(parent)
    , printing(printing)
    , tree(createMenus(bar))
{
    setObjectName(QStringLiteral("menus"));
    connectItem(tree.Quitter, &Form1Menus::Quitter_Click);
    connectItem(tree.config, &Form1Menus::config_Click);
    connectItem(tree.ConfMiseEnPage, &Form1Menus::ConfMiseEnPage_Click);
    connectItem(tree.imprime, &Form1Menus::imprime_Click);
    connectItem(tree.moyenne, &Form1Menus::moyenne_Click);
    connectItem(tree.evolution, &Form1Menus::evolution_Click);
    connectItem(tree.profil, &Form1Menus::profil_Click);
    connectItem(tree.recapit, &Form1Menus::recapit_Click);
    connectItem(tree.revgene, &Form1Menus::revgene_Click);
    connectItem(tree.revspe, &Form1Menus::revspe_Click);
    connectItem(tree.ptsens, &Form1Menus::ptsens_Click);
    connectItem(tree.quparqu, &Form1Menus::quparqu_Click);
}

void Form1Menus::connectItem(QAction *action, void (Form1Menus::*handler)())
{
    connect(action, &QAction::triggered, this, handler);
}

void Form1Menus::Quitter_Click()
{
    // exit, not quit: quit would send close events to the windows first.
    QCoreApplication::exit(0);
}

void Form1Menus::config_Click()
{
    printing.ShowPrinter();
}

void Form1Menus::ConfMiseEnPage_Click()
{
    printing.PageSetupDialog();
    Q_EMIT documentToBuild();
}

void Form1Menus::imprime_Click()
{
    printing.printShownPage();
}

void Form1Menus::checkOnly(QAction *chosen)
{
    for (QAction *item : tree.otherHelps())
        item->setChecked(item == chosen);
}

void Form1Menus::moyenne_Click()
{
    checkOnly(tree.moyenne);
}

void Form1Menus::evolution_Click()
{
    checkOnly(tree.evolution);
}

void Form1Menus::profil_Click()
{
    checkOnly(tree.profil);
}

void Form1Menus::recapit_Click()
{
    checkOnly(tree.recapit);
}

void Form1Menus::revgene_Click()
{
    checkOnly(tree.revgene);
}

void Form1Menus::revspe_Click()
{
    checkOnly(tree.revspe);
}

void Form1Menus::ptsens_Click()
{
    checkOnly(tree.ptsens);
}

void Form1Menus::quparqu_Click()
{
    checkOnly(tree.quparqu);
}

} // namespace virelai
