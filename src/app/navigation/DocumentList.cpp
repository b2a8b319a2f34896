#include "DocumentList.h"

namespace virelai {

std::optional<DocumentEntry> DocumentList::element(int i) const
{
    if (i < 1 || i > elements.size())
        return std::nullopt;
    return elements.at(i - 1);
}

QString entryCaption(qint16 Ltype, const QString &texte)
{
    if (Ltype == 1)
        return QStringLiteral("Virelai des graphiques : ") + texte;
    return QStringLiteral("Suggestions pédagogiques : ") + texte;
}

qint16 originPosition(const DocumentList &documents, qint16 TypeDoc)
{
    return documents.element(TypeDoc) ? TypeDoc : qint16(0);
}

} // namespace virelai
