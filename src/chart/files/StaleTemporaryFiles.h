#pragma once

#include <QString>

namespace virelai {

// Removes the temporary picture files (mychart<n>.wmf.<process id>.tmp) that a
// run killed while writing left in directory, once they are older than a minute:
// a younger one may belong to a copy of the program writing at this moment.
void removeStaleChartTemporaries(const QString &directory);

} // namespace virelai
