#pragma once

#include <QString>

namespace virelai {

// Writes a number in a Basic-style format such as "##0.0", "##0" or "##0.0#":
// at least one integer digit, as many decimals as "0"s after the point and up to
// as many as "0"s and "#"s, with the decimal comma a French system shows.
QString formatNumber(double value, const QString &format);

} // namespace virelai
