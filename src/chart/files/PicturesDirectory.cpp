#include "PicturesDirectory.h"

#include "common/Logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace virelai {

namespace {

QString withSeparator(const QString &directory)
{
    return directory.endsWith(u'/') || directory.endsWith(u'\\') ? directory : directory + u'/';
}

bool writableDirectory(const QString &directory)
{
    const QFileInfo info(directory);
    return info.isDir() && info.isWritable();
}

// The XDG rule: a relative XDG_CACHE_HOME is ignored. Nothing when no absolute
// directory can be named.
std::optional<QString> cacheRoot()
{
    const QString xdg = qEnvironmentVariable("XDG_CACHE_HOME");
    if (QDir::isAbsolutePath(xdg))
        return xdg;
    const QString home = QDir::homePath();
    if (!QDir::isAbsolutePath(home))
        return std::nullopt;
    return home + QStringLiteral("/.cache");
}

std::optional<QString> cacheDirectory()
{
    const std::optional<QString> root = cacheRoot();
    if (!root)
        return std::nullopt;
    return *root + u'/' + QCoreApplication::applicationName();
}

QString unwritableReason(const QString &chemin, const std::optional<QString> &cache)
{
    if (!cache)
        return QStringLiteral("le dossier du programme %1 ne peut pas être écrit et aucun dossier "
                              "de cache n'est défini")
            .arg(chemin);
    return QStringLiteral("ni le dossier du programme %1 ni le dossier de cache %2 ne peuvent être "
                          "écrits")
        .arg(chemin, *cache);
}

void tellOnceAboutCache(const QString &chemin, const QString &cache)
{
    static bool told = false;
    if (told)
        return;
    told = true;
    qCWarning(lcVirelai,
              "Le dossier %s ne peut pas être écrit : les graphiques sont enregistrés dans %s",
              qUtf8Printable(chemin), qUtf8Printable(cache));
}

} // namespace

PicturesFolder picturesFolder(const QString &chemin)
{
    if (writableDirectory(chemin))
        return {chemin, std::nullopt};
    const std::optional<QString> cache = cacheDirectory();
    if (cache && QDir().mkpath(*cache) && writableDirectory(*cache)) {
        tellOnceAboutCache(chemin, *cache);
        return {withSeparator(*cache), std::nullopt};
    }
    return {chemin, unwritableReason(chemin, cache)};
}

} // namespace virelai
