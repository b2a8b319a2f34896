#pragma once

#include "RtfGroupState.h"

#include <QTextBlockFormat>

class QTextDocument;

namespace virelai {

// Marks the stops of a paragraph that have leaders (\tldot, \tlul...); false
// when none has.
bool setTabLeaders(QTextBlockFormat &format, const QList<TabStop> &stops, int firstLineStart);

// Word processors fill the room a tab takes up to a stop with a leader with
// dots, hyphens or a line, written as text. Qt has no leaders: once the width
// of the text is known, the paragraphs between the two positions are laid out
// line by line, and each such tab gets as many leader characters, in its own
// font, as fit in front of it. Paragraphs in tables are left as they are.
void fillTabLeaders(QTextDocument &document, int from, int to, double textWidth);

} // namespace virelai
