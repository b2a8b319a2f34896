#pragma once

#include <QtGlobal>

// Every limit is far above what a real advice text or help file needs; each one
// gives a defined outcome instead of unbounded work or memory.
namespace virelai {

// Deeper groups are read as if their braces were absent: text kept, scoping lost.
constexpr int MaxGroupDepth = 256;
// Longer control words are consumed whole and ignored.
constexpr int MaxControlWordLength = 32;
// Font and colour table entries beyond these are ignored.
constexpr int MaxFontTableEntries = 4096;
constexpr int MaxColorTableEntries = 4096;
constexpr int MaxFontNameLength = 256;
// Styles of the style sheet, and words of one style, beyond these are ignored.
constexpr int MaxStyles = 4096;
constexpr int MaxStyleWords = 256;
// Tab stops of one paragraph beyond this are ignored.
constexpr int MaxTabStops = 64;
// Lists and list overrides beyond this are ignored; a list has 9 levels.
constexpr int MaxLists = 1024;
// A list level's text, and \pntxtb and \pntxta, are cut at this many characters.
constexpr int MaxNumberTextLength = 64;
// Cells of a row beyond this are joined to the row's last cell; a table inside
// a table is read as paragraphs of its cell.
constexpr int MaxTableColumns = 64;
// Pictures: a PNG or JPEG is decoded when it has at most this many pixels and
// the text's decoded pictures stay within this many bytes; otherwise it keeps
// its place as a frame.
constexpr qint64 MaxPicturePixels = qint64(16) * 1024 * 1024;
constexpr qint64 MaxDecodedPictureBytes = qint64(128) * 1024 * 1024;
// \picw, \pich and \picscalex, \picscaley (percent), clamped.
constexpr int MaxPictureSide = 1000000;
constexpr int MaxPictureScale = 10000;
// Footnotes beyond this stay in the text where they stand.
constexpr int MaxFootnotes = 4096;
// Letter spacing (\expnd in quarter points, \expndtw in twips), clamped.
constexpr int MaxLetterSpacing = 2000;
// Shading (\clshdng, \chshdng) counts hundredths of a percent.
constexpr int FullShading = 10000;
// Border widths (\brdrw) in twips, clamped.
constexpr int MaxBorderTwips = 255;
// \ucN is clamped to this many fallback characters.
constexpr int MaxUnicodeSkip = 255;
// Font sizes in half-points, clamped: 1 pt to 1638 pt.
constexpr int MinHalfPoints = 2;
constexpr int MaxHalfPoints = 3276;
// Indents, spacings and tab positions in twips, clamped to +-22 inches.
constexpr int MaxTwips = 31680;
// Characters read at most; the rest of a longer text is dropped and reported.
constexpr qsizetype MaxTextLength = qsizetype(32) * 1024 * 1024;

} // namespace virelai
