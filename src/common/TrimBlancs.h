#pragma once

#include <QString>

namespace virelai {

// Removes the spaces (character 32 only) at both ends; tabs and inner spaces stay.
QString TrimBlancs(const QString &s);

} // namespace virelai
