#pragma once

#include <QByteArray>
#include <QStringView>

namespace virelai {

// Windows-1252 text for the metafile's ANSI fonts. Characters the code page cannot
// hold, and NUL, become "?".
QByteArray toCp1252(QStringView text);

} // namespace virelai
