#include "StartupInfo.h"

#include <QDir>

namespace virelai {

QString cheminFromDirectory(const QString &programDirectory)
{
    return programDirectory + QDir::separator();
}

QString numVersion(int major, int minor, int revision)
{
    return QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString programNumVersion()
{
    return numVersion(VIRELAI_VERSION_MAJOR, VIRELAI_VERSION_MINOR, VIRELAI_VERSION_PATCH);
}

QString windowCaption(const QString &NumVersion)
{
    return QStringLiteral("Aide et Suggestions pédagogiques - V") + NumVersion;
}

} // namespace virelai
