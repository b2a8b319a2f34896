#pragma once

#include <QtGlobal>

namespace virelai {

// Bounds chosen far above any real picture (our charts are a few kilobytes,
// the largest samples a few hundred) so that a hostile file meets them long
// before it can exhaust memory or time.
inline constexpr qsizetype maxFileBytes = 64 * 1024 * 1024;
inline constexpr qsizetype maxRecords = 1000000;
// Object slots are indexed by 16-bit numbers.
inline constexpr int maxObjects = 65535;
inline constexpr int maxSavedStates = 1024;
// Distinct fonts (face, pixel size, weight, style) one drawing of a picture asks for.
inline constexpr int maxFonts = 64;
inline constexpr qint64 maxBitmapSide = 16384;
// Decoded size of one bitmap (32 bits a pixel): a page scanned at 300 dpi fits.
inline constexpr qint64 maxBitmapBytes = qint64(64) * 1024 * 1024;
// Decoded size of all the bitmaps of one picture together: a run-length bitmap
// of a few bytes can claim the whole of maxBitmapBytes, and a file can hold
// thousands of them.
inline constexpr qint64 maxPictureBitmapBytes = qint64(128) * 1024 * 1024;

} // namespace virelai
