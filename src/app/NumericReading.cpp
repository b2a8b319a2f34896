#include "NumericReading.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

namespace virelai {

namespace {

bool isIgnoredBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

double Val(QStringView text)
{
    // Collect the accepted characters into a plain C-locale number text, then
    // let strtod do the exact conversion.
    std::string number;
    enum class Stage { Sign, Integer, Fraction, ExponentSign, ExponentDigits };
    Stage stage = Stage::Sign;
    bool anyDigit = false;
    std::string exponent;

    for (QChar c : text) {
        if (isIgnoredBlank(c))
            continue;
        if (stage == Stage::Sign && (c == u'+' || c == u'-')) {
            number += char(c.unicode());
            stage = Stage::Integer;
            continue;
        }
        if (stage == Stage::Sign)
            stage = Stage::Integer;
        if ((stage == Stage::Integer || stage == Stage::Fraction) && isAsciiDigit(c)) {
            number += char(c.unicode());
            anyDigit = true;
            continue;
        }
        if (stage == Stage::Integer && c == u'.') {
            number += '.';
            stage = Stage::Fraction;
            continue;
        }
        if ((stage == Stage::Integer || stage == Stage::Fraction) && (c == u'e' || c == u'E')) {
            if (!anyDigit)
                break;
            stage = Stage::ExponentSign;
            continue;
        }
        if (stage == Stage::ExponentSign && (c == u'+' || c == u'-')) {
            exponent += char(c.unicode());
            stage = Stage::ExponentDigits;
            continue;
        }
        if ((stage == Stage::ExponentSign || stage == Stage::ExponentDigits) && isAsciiDigit(c)) {
            exponent += char(c.unicode());
            stage = Stage::ExponentDigits;
            continue;
        }
        break;
    }
    if (!anyDigit)
        return 0.0;
    const bool exponentHasDigits
        = !exponent.empty() && isdigit(static_cast<unsigned char>(exponent.back()));
    if (exponentHasDigits) {
        // An exponent without digits ("1e", "1e+") is no exponent at all.
        number += 'e';
        number += exponent;
    }
    return std::strtod(number.c_str(), nullptr);
}

double roundHalfEven(double value)
{
    return std::nearbyint(value); // default rounding mode: to nearest, ties to even
}

} // namespace virelai
