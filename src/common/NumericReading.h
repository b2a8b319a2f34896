#pragma once

#include <QStringView>

namespace virelai {

// The lenient reading of a number at the start of a text, "." as the decimal
// point whatever the locale. Spaces, tabs and line feeds are ignored wherever
// they stand ("1 2" reads 12); then an optional sign, digits, an optional
// fraction and an optional exponent ("e"/"E" followed by digits; "1e" and
// "1e+" read 1). Reading stops at the first other character; a text that does
// not start with a number reads 0. Overflow gives +/- infinity.
double Val(QStringView text);

// Rounds half to even (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

} // namespace virelai
