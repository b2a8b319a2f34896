#pragma once

#include <memory>
#include <vector>

class QTextDocument;

namespace virelai {

class SurfaceDocument;
struct PageGeometry;

// Word processors' room above a page's footnotes: a short line with a little
// space above and below it.
inline constexpr double FootnoteGap = 114;

// Lays out a header, footer or footnote at the page's text width; its height.
double layOutAside(QTextDocument &document, double width);

// The notes of a page, one under the other, the last ending at bottom, under
// the short line.
void addFootnotes(SurfaceDocument &document, int page, double bottom,
                  const std::vector<std::shared_ptr<QTextDocument>> &notes);

} // namespace virelai
