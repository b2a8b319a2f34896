#pragma once

class QFont;
class QTextDocument;

namespace virelai::rtf {

// Word processors give a font's single line the larger of its Windows ascent
// plus descent and its hhea ascender, descender and line gap, or its
// typographic ascender, descender and line gap when the font asks for them
// (OS/2 USE_TYPO_METRICS, as Cambria's twin Caladea does). Qt adds hhea's
// line gap to the Windows ascent and descent, which makes the lines of fonts
// whose two measures differ, such as Calibri, a fifth too tall. Each
// paragraph's proportional line height between the two positions is scaled by
// the ratio of the two measures for its largest font.
void matchWordProcessorLineHeights(QTextDocument &document, int from, int to);
// The ratio for one font: 1 when Qt and word processors agree.
double lineHeightCorrection(const QFont &font);
bool needsLineHeightCorrection(const QFont &font);

} // namespace virelai::rtf
