#include "NumericReading.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
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

// The accepted characters of a number, in the plain form that from_chars reads.
struct NumberText
{
    std::string mantissa; // sign, digits and point
    std::string exponent; // sign and digits, possibly none
};

NumberText collectNumber(QStringView text)
{
    NumberText number;
    enum class Stage { Sign, Integer, Fraction, ExponentSign, ExponentDigits };
    Stage stage = Stage::Sign;
    bool anyDigit = false;
    for (QChar c : text) {
        if (isIgnoredBlank(c))
            continue;
        const char ascii = char(c.unicode());
        if (stage == Stage::Sign && (c == u'+' || c == u'-')) {
            number.mantissa += ascii;
            stage = Stage::Integer;
            continue;
        }
        if (stage == Stage::Sign)
            stage = Stage::Integer;
        if ((stage == Stage::Integer || stage == Stage::Fraction) && isAsciiDigit(c)) {
            number.mantissa += ascii;
            anyDigit = true;
            continue;
        }
        if (stage == Stage::Integer && c == u'.') {
            number.mantissa += '.';
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
            number.exponent += ascii;
            stage = Stage::ExponentDigits;
            continue;
        }
        if ((stage == Stage::ExponentSign || stage == Stage::ExponentDigits) && isAsciiDigit(c)) {
            number.exponent += ascii;
            stage = Stage::ExponentDigits;
            continue;
        }
        break;
    }
    if (!anyDigit)
        return {};
    // An exponent without digits ("1e", "1e+") is no exponent at all.
    if (number.exponent.empty() || !isAsciiDigit(QChar(number.exponent.back())))
        number.exponent.clear();
    return number;
}

// Whether a number that from_chars found out of range is too large (rather
// than too small): the power of ten of its first significant digit, plus its
// exponent, tells. The exponent is read with saturation, as it may be huge.
bool overflows(const NumberText &number)
{
    long long power = 0;
    bool seenPoint = false;
    bool seenSignificant = false;
    for (char c : number.mantissa) {
        if (c == '.') {
            seenPoint = true;
        } else if (c >= '1' && c <= '9' && !seenSignificant) {
            seenSignificant = true;
            if (seenPoint)
                --power;
        } else if (c >= '0' && c <= '9') {
            if (seenSignificant && !seenPoint)
                ++power;
            else if (!seenSignificant && seenPoint)
                --power;
        }
    }
    long long exponent = 0;
    const bool negative = !number.exponent.empty() && number.exponent.front() == '-';
    for (char c : number.exponent) {
        if (c >= '0' && c <= '9')
            exponent = std::min(exponent * 10 + (c - '0'), 1'000'000LL);
    }
    return power + (negative ? -exponent : exponent) > 0;
}

} // namespace

double Val(QStringView text)
{
    const NumberText number = collectNumber(text);
    if (number.mantissa.empty())
        return 0.0;
    // from_chars takes no leading "+" and follows no locale.
    std::string plain
        = number.mantissa.front() == '+' ? number.mantissa.substr(1) : number.mantissa;
    if (!number.exponent.empty())
        plain += 'e' + number.exponent;
    double value = 0.0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        const bool negative = plain.front() == '-';
        const double magnitude = overflows(number) ? std::numeric_limits<double>::infinity() : 0.0;
        return negative ? -magnitude : magnitude;
    }
    return value;
}

double roundHalfEven(double value)
{
    return std::nearbyint(value); // default rounding mode: to nearest, ties to even
}

} // namespace virelai
