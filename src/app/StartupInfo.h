#pragma once

#include <QString>

namespace virelai {

// chemin: the program's directory followed by the platform's separator, appended
// without looking at the directory's last character (a root gets a second one).
QString cheminFromDirectory(const QString &programDirectory);

// NumVersion: major, minor and revision joined by points.
QString numVersion(int major, int minor, int revision);

// NumVersion of this build, from the project's version numbers.
QString programNumVersion();

// The window caption shown at start-up.
QString windowCaption(const QString &NumVersion);

} // namespace virelai
