#pragma once

class QFont;
class QPaintDevice;
class QTextBlockFormat;
class QTextCharFormat;
class QTextDocument;

namespace virelai {

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
// The height of the line of an empty paragraph in these formats, laid out on
// the device (none: the screen) as word processors measure it, in the units Qt
// takes paragraph spacing and frame margins in.
double emptyLineHeight(const QTextBlockFormat &block, const QTextCharFormat &mark,
                       const QFont &defaultFont, QPaintDevice *device);

} // namespace virelai
