#pragma once

#include <QtGlobal>

namespace virelai::wmf {

// Bounds chosen far above any real picture (our charts are a few kilobytes,
// the largest samples a few hundred) so that a hostile file meets them long
// before it can exhaust memory or time.
inline constexpr qsizetype maxFileBytes = 64 * 1024 * 1024;
inline constexpr qsizetype maxRecords = 1000000;
// Object slots are indexed by 16-bit numbers.
inline constexpr int maxObjects = 65535;
inline constexpr int maxSavedStates = 1024;
inline constexpr qint64 maxBitmapSide = 16384;
inline constexpr qint64 maxBitmapBytes = qint64(256) * 1024 * 1024;

} // namespace virelai::wmf
