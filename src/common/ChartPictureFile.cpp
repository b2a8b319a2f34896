#include "ChartPictureFile.h"

namespace virelai {

QString chartPictureFile(const QString &directory, int n)
{
    const bool separated
        = directory.isEmpty() || directory.endsWith(u'/') || directory.endsWith(u'\\');
    return directory + (separated ? QString() : QStringLiteral("/")) + QStringLiteral("mychart")
        + QString::number(n) + QStringLiteral(".wmf");
}

} // namespace virelai
