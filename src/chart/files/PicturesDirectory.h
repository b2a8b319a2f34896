#pragma once

#include <QString>

namespace virelai {

// Where the chart pictures are written and read: chemin when it can be written,
// else the user's cache directory (a program installed read-only). The writer and
// PlaceImage both call this, so they always agree. Ends with a separator.
QString picturesDirectory(const QString &chemin);

// directory + "mychart" + n + ".wmf" (mychart1.wmf for n = 1).
QString chartPictureFile(const QString &directory, int n);

} // namespace virelai
