#include "MenuTree.h"

#include <QMenuBar>

namespace virelai {

namespace {

QMenu *menu(QMenuBar &bar, const char *name, const QString &caption)
{
    QMenu *added = bar.addMenu(caption);
    added->setObjectName(QLatin1String(name));
    return added;
}

QAction *item(QMenu *parent, const char *name, const QString &caption)
{
    QAction *added = parent->addAction(caption);
    added->setObjectName(QLatin1String(name));
    return added;
}

QAction *separator(QMenu *parent, const char *name)
{
    QAction *added = parent->addSeparator();
    added->setObjectName(QLatin1String(name));
    return added;
}

QAction *checkItem(QMenu *parent, const char *name, const QString &caption)
{
    QAction *added = item(parent, name, caption);
    added->setCheckable(true);
    return added;
}

void createOtherHelps(QMenuBar &bar, MenuTree &tree)
{
    tree.autredoc = menu(bar, "autredoc", QStringLiteral("&Autres aides"));
    QMenu *m = tree.autredoc;
    tree.moyenne = checkItem(m, "moyenne", QStringLiteral("&Moyenne de la classe"));
    tree.evolution = checkItem(m, "evolution", QStringLiteral("&Evolution d'un élève"));
    separator(m, "sep1");
    tree.profil = checkItem(m, "profil", QStringLiteral("&Profil de la classe"));
    tree.recapit = checkItem(m, "recapit", QStringLiteral("&Récapitulation des profils"));
    separator(m, "sep2");
    tree.revgene = checkItem(m, "revgene", QStringLiteral("Révélateurs &généraux"));
    tree.revspe = checkItem(m, "revspe", QStringLiteral("Révélateurs &spécifiques"));
    separator(m, "sep3");
    tree.ptsens = checkItem(m, "ptsens", QStringLiteral("Poin&ts sensibles d'un élève"));
    tree.quparqu
        = checkItem(m, "quparqu", QStringLiteral("&Performances d'un élève par type de question"));
    tree.moyenne->setChecked(true);
    m->menuAction()->setVisible(false);
    m->menuAction()->setEnabled(false);
}

void createPrinting(QMenuBar &bar, MenuTree &tree)
{
    tree.impression = menu(bar, "impression", QStringLiteral("&Impression"));
    QMenu *m = tree.impression;
    tree.config = item(m, "config", QStringLiteral("&Configurer l'imprimante..."));
    tree.ConfMiseEnPage = item(m, "ConfMiseEnPage", QStringLiteral("&Mise en page..."));
    separator(m, "separ");
    tree.imprime = item(m, "imprime", QStringLiteral("&Imprimer la page affichée"));
}

} // namespace

MenuTree createMenus(QMenuBar &bar)
{
    MenuTree tree;
    tree.Fichier = menu(bar, "Fichier", QStringLiteral("&Retour"));
    tree.Quitter = item(tree.Fichier, "Quitter", QStringLiteral("&Retour vers l'Ecluse"));
    createOtherHelps(bar, tree);
    createPrinting(bar, tree);
    tree.Menuconseil = bar.addAction(QStringLiteral("&Affiche le conseil d'origine"));
    tree.Menuconseil->setObjectName(QStringLiteral("Menuconseil"));
    tree.Menuconseil->setEnabled(false);
    return tree;
}

} // namespace virelai
