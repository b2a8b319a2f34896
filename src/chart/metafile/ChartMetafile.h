#pragma once

#include <QByteArray>

#include <optional>

namespace virelai {

struct TChart;

// The chart drawn as a placeable Windows metafile; nothing when it could not be recorded.
std::optional<QByteArray> chartMetafile(const TChart &chart);

} // namespace virelai
