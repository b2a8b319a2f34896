#pragma once

#include <QString>
#include <QStringView>

namespace virelai {

// True when the text can be written as it is: no control characters other than
// tab, no surrogate left unpaired.
bool isPlainText(QStringView text);

// Appends the text as it should appear: NUL and other control characters but
// tab dropped, unpaired surrogates replaced by U+FFFD; in a Symbol-charset
// font, single-byte characters are read through the Symbol encoding.
void appendShownText(QStringView text, bool symbolFont, QString &out);

// The character of \uN for a code unit that is neither a surrogate nor a control:
// noncharacters become U+FFFD; in a Symbol font, the private-use codes
// U+F020..U+F0FF that Windows gives its glyphs become their Unicode characters.
QChar shownCodeUnit(char16_t unit, bool symbolFont);

} // namespace virelai
