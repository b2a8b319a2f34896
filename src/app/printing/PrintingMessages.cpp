#include "PrintingMessages.h"

namespace virelai {

QString titreImpression()
{
    return QStringLiteral("Impression");
}

QString messageAucuneImprimanteInstallee()
{
    return QStringLiteral("Aucune imprimante n'est installée sur cet ordinateur.\n"
                          "Vous pouvez imprimer la page dans un fichier PDF : choisissez-le "
                          "dans la fenêtre qui va s'ouvrir.");
}

QString messageRienAImprimer()
{
    return QStringLiteral("Aucune imprimante n'est installée : la page n'a pas été imprimée.\n"
                          "Pour l'imprimer dans un fichier PDF, choisissez d'abord "
                          "« Configurer l'imprimante... » dans le menu Impression.");
}

QString messageImpressionImpossible(const QString &destination)
{
    return QStringLiteral("L'impression n'a pas pu commencer sur « %1 » : la page n'a pas été "
                          "imprimée.")
        .arg(destination);
}

} // namespace virelai
