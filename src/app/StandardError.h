#pragma once

#include <QString>

namespace virelai {

// Writes message and a line end on the standard error stream, in the locale's
// encoding: what runs without a window tell the user.
void printError(const QString &message);

} // namespace virelai
