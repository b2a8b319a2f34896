#pragma once

#include <QString>

namespace virelai {

// The file chart n of a run is written to and read back from: directory +
// "mychart" + n + ".wmf" (mychart1.wmf for n = 1), with a separator put between
// when directory does not end with one.
QString chartPictureFile(const QString &directory, int n);

} // namespace virelai
