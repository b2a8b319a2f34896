#include "PrintingMessages.h"

namespace virelai {

QString printingTitle()
{
    return QStringLiteral("Impression");
}

QString printerSetupTitle()
{
    return QStringLiteral("Configurer l'imprimante");
}

QString pageSetupTitle()
{
    return QStringLiteral("Mise en page");
}

QString noPrinterInstalledMessage()
{
    return QStringLiteral("Aucune imprimante n'est installée sur cet ordinateur.\n"
                          "Vous pouvez imprimer la page dans un fichier PDF : choisissez-le "
                          "dans la fenêtre qui va s'ouvrir.");
}

QString nothingToPrintMessage()
{
    return QStringLiteral("Aucune imprimante n'est installée : la page n'a pas été imprimée.\n"
                          "Pour l'imprimer dans un fichier PDF, choisissez d'abord "
                          "« Configurer l'imprimante... » dans le menu Impression.");
}

QString cannotPrintMessage(const QString &destination)
{
    return QStringLiteral("L'impression n'a pas pu commencer sur « %1 » : la page n'a pas été "
                          "imprimée.")
        .arg(destination);
}

QString noPageChosenMessage()
{
    return QStringLiteral("Aucune des pages choisies dans « Configurer l'imprimante... » n'est "
                          "dans le document affiché : rien n'a été imprimé.");
}

QString marginsTooWideMessage()
{
    return QStringLiteral(
        "Ces marges ne laissent pas assez de place pour la page : il faut au moins "
        "5 cm de largeur et 5 cm de hauteur imprimables, en portrait comme en "
        "paysage.\nLa mise en page précédente est conservée.");
}

} // namespace virelai
