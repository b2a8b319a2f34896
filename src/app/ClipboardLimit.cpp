#include "ClipboardLimit.h"

#include "document/surface/DocumentLimits.h"

namespace virelai {

namespace {

QString admis()
{
    return QStringLiteral("les %1 caractères admis pour une liste d'élèves ou des données de "
                          "graphiques")
        .arg(groupedInFrench(LargestClipboardText));
}

} // namespace

Result<QString, ClipboardRefusal> clipboardTextWithinLimit(QString text)
{
    if (text.size() <= LargestClipboardText)
        return text;
    return ClipboardRefusal {
        QStringLiteral("Le texte du presse-papiers est refusé : ses %1 caractères dépassent "
                       "%2. La page est construite comme si le presse-papiers était vide.")
            .arg(groupedInFrench(text.size()), admis())};
}

QString dataFileTooLargeMessage(const QString &path)
{
    return QStringLiteral("Le fichier de données %1 est refusé : son texte dépasse %2.")
        .arg(path, admis());
}

} // namespace virelai
