#pragma once

#include "app/menus/MenuTree.h"

#include <QObject>

class QMenuBar;

namespace virelai {

class PrinterSetup;

// The menu bar of the window and its handlers. The window rebuilds its
// document on documentToBuild and connects Menuconseil to its navigation.
class Form1Menus : public QObject
{
    Q_OBJECT

public:
    Form1Menus(QMenuBar &bar, PrinterSetup &printing, QObject *parent);

    const MenuTree &menus() const { return tree; }

    // Ends the program at once: no window is told it closes, nothing is asked.
    void Quitter_Click();
    void config_Click();
    // Builds the document again whatever the user did in the dialog.
    void ConfMiseEnPage_Click();
    // Prints the page shown as it is, footer time included.
    void imprime_Click();

    // Each moves the check mark of the other-helps group to its own item.
    void moyenne_Click();
    void evolution_Click();
    void profil_Click();
    void recapit_Click();
    void revgene_Click();
    void revspe_Click();
    void ptsens_Click();
    void quparqu_Click();

Q_SIGNALS:
    void documentToBuild();

private:
    void connectItem(QAction *action, void (Form1Menus::*handler)());
    void checkOnly(QAction *chosen);

    PrinterSetup &printing;
    MenuTree tree;
};

} // namespace virelai
