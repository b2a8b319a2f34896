#pragma once

#include <QByteArray>

namespace virelai {

struct TChart;

// The chart drawn as a placeable Windows metafile; empty when it could not be recorded.
QByteArray chartMetafile(const TChart &chart);

} // namespace virelai
