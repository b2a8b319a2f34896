#include "PicturesDirectory.h"

#include "document/TrimBlancs.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace virelai {

namespace {

QString withSeparator(const QString &directory)
{
    return directory.endsWith(u'/') || directory.endsWith(u'\\') ? directory : directory + u'/';
}

QString cacheDirectory()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QDir().mkpath(cache);
    return withSeparator(cache);
}

void tellOnceAboutCache(const QString &chemin, const QString &cache)
{
    static bool told = false;
    if (told)
        return;
    told = true;
    qWarning("Le dossier %s ne peut pas être écrit : les graphiques sont enregistrés dans %s",
             qUtf8Printable(chemin), qUtf8Printable(cache));
}

} // namespace

QString picturesDirectory(const QString &chemin)
{
    const QFileInfo directory(chemin);
    if (directory.isDir() && directory.isWritable())
        return chemin;
    const QString cache = cacheDirectory();
    tellOnceAboutCache(chemin, cache);
    return cache;
}

QString chartPictureFile(const QString &directory, int n)
{
    return directory + QStringLiteral("mychart") + TrimBlancs(QString::number(n))
        + QStringLiteral(".wmf");
}

} // namespace virelai
