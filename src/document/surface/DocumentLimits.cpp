#include "DocumentLimits.h"

#include <QLocale>

namespace virelai {

QString groupedInFrench(qint64 number)
{
    return QLocale(QLocale::French, QLocale::France).toString(number);
}

QString causeTextPastLastPage()
{
    return QStringLiteral("un texte plus long que %1 pages est coupé, la suite n'est pas montrée")
        .arg(groupedInFrench(MaxPages));
}

QString causeParagraphsPastLimit()
{
    return QStringLiteral("un texte de plus de %1 paragraphes est coupé, la suite n'est pas lue")
        .arg(groupedInFrench(MaxParagraphs));
}

QString causeTableCellsPastLimit()
{
    return QStringLiteral("un texte de plus de %1 cellules de tableau est coupé, la suite n'est "
                          "pas lue")
        .arg(groupedInFrench(MaxTableCells));
}

} // namespace virelai
