#include "Form1Menus.h"

#include "app/printing/PrinterSetup.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>

namespace virelai {

Form1Menus::Form1Menus(QMenuBar &bar, PrinterSetup &printing, QObject *parent)
    : QObject(parent)
    , printing(printing)
    , tree(creerMenus(bar))
{
    setObjectName(QStringLiteral("menus"));
    connecter(tree.Quitter, &Form1Menus::Quitter_Click);
    connecter(tree.config, &Form1Menus::config_Click);
    connecter(tree.ConfMiseEnPage, &Form1Menus::ConfMiseEnPage_Click);
    connecter(tree.imprime, &Form1Menus::imprime_Click);
    connecter(tree.moyenne, &Form1Menus::moyenne_Click);
    connecter(tree.evolution, &Form1Menus::evolution_Click);
    connecter(tree.profil, &Form1Menus::profil_Click);
    connecter(tree.recapit, &Form1Menus::recapit_Click);
    connecter(tree.revgene, &Form1Menus::revgene_Click);
    connecter(tree.revspe, &Form1Menus::revspe_Click);
    connecter(tree.ptsens, &Form1Menus::ptsens_Click);
    connecter(tree.quparqu, &Form1Menus::quparqu_Click);
}

void Form1Menus::connecter(QAction *action, void (Form1Menus::*handler)())
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

void Form1Menus::cocherSeul(QAction *item)
{
    for (QAction *autreAide : tree.autresAides())
        autreAide->setChecked(autreAide == item);
}

void Form1Menus::moyenne_Click()
{
    cocherSeul(tree.moyenne);
}

void Form1Menus::evolution_Click()
{
    cocherSeul(tree.evolution);
}

void Form1Menus::profil_Click()
{
    cocherSeul(tree.profil);
}

void Form1Menus::recapit_Click()
{
    cocherSeul(tree.recapit);
}

void Form1Menus::revgene_Click()
{
    cocherSeul(tree.revgene);
}

void Form1Menus::revspe_Click()
{
    cocherSeul(tree.revspe);
}

void Form1Menus::ptsens_Click()
{
    cocherSeul(tree.ptsens);
}

void Form1Menus::quparqu_Click()
{
    cocherSeul(tree.quparqu);
}

} // namespace virelai
