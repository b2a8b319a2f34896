#pragma once

#include <array>

class QAction;
class QMenu;
class QMenuBar;

namespace virelai {

// The window's menus, fixed at creation. Every menu and item carries its name
// as objectName; no item has a shortcut key.
struct MenuTree
{
    QMenu *Fichier = nullptr;
    QAction *Quitter = nullptr;

    // Hidden and disabled: its check group can never be chosen here.
    QMenu *autredoc = nullptr;
    QAction *moyenne = nullptr;
    QAction *evolution = nullptr;
    QAction *profil = nullptr;
    QAction *recapit = nullptr;
    QAction *revgene = nullptr;
    QAction *revspe = nullptr;
    QAction *ptsens = nullptr;
    QAction *quparqu = nullptr;

    QMenu *impression = nullptr;
    QAction *config = nullptr;
    QAction *ConfMiseEnPage = nullptr;
    QAction *imprime = nullptr;

    // Shown greyed: the return to the first advice cannot be chosen.
    QAction *Menuconseil = nullptr;

    // The other-helps check group, in its order.
    std::array<QAction *, 8> otherHelps() const
    {
        return {moyenne, evolution, profil, recapit, revgene, revspe, ptsens, quparqu};
    }
};

MenuTree createMenus(QMenuBar &bar);

} // namespace virelai
