#include "SystemErrorText.h"

#include <cerrno>

namespace virelai {

QString systemErrorText(int errorNumber)
{
    switch (errorNumber) {
    case ENOSPC:
        return QStringLiteral("le disque est plein");
    case EDQUOT:
        return QStringLiteral("le quota de disque est atteint");
    case EACCES:
    case EPERM:
        return QStringLiteral("l'accès est refusé");
    case EROFS:
        return QStringLiteral("le disque est en lecture seule");
    case ENOENT:
        return QStringLiteral("le dossier n'existe pas");
    case ENOTDIR:
        return QStringLiteral("un élément du chemin n'est pas un dossier");
    case EISDIR:
        return QStringLiteral("un dossier porte ce nom");
    case EIO:
        return QStringLiteral("erreur d'entrée-sortie du disque");
    case EFBIG:
        return QStringLiteral("le fichier dépasse la taille permise");
    case ENAMETOOLONG:
        return QStringLiteral("le nom est trop long");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("le fichier est occupé");
    case ELOOP:
        return QStringLiteral("trop de liens symboliques");
    default:
        return QStringLiteral("erreur système n° %1").arg(errorNumber);
    }
}

} // namespace virelai
