#include "platform/NumberText.h"

#include "platform/AppError.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

// Everything here is hand-parsed or goes through std::to_chars / std::from_chars, which never
// look at the locale: a German or a C locale must give the same texts.
namespace tivrel {

namespace {

constexpr int significantDigits = 15;

[[noreturn]] void failFloat(std::string_view text) {
    throw ConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

[[noreturn]] void failInt(std::string_view text) {
    throw ConvertError("'" + std::string(text) + "' is not a valid integer value");
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The value rounded to 15 significant digits: the digits without trailing zeros (at least
// one) and the decimal exponent of the first digit, taken after rounding so that 9,99...9E14
// that rounds up is treated as the 1E15 it has become.
struct RoundedDigits {
    std::string digits;
    int exponent = 0;
};

RoundedDigits roundToSignificant(double magnitude) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, significantDigits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    // text is "d.dddddddddddddde[+-]xx"
    const std::size_t ePos = text.find('e');
    RoundedDigits rounded;
    for (char c : text.substr(0, ePos))
        if (isDigit(c))
            rounded.digits += c;
    while (rounded.digits.size() > 1 && rounded.digits.back() == '0')
        rounded.digits.pop_back();
    std::string_view exponentText = text.substr(ePos + 1);
    if (!exponentText.empty() && exponentText.front() == '+')
        exponentText.remove_prefix(1);
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(),
                    rounded.exponent);
    return rounded;
}

std::string positional(const RoundedDigits& r) {
    const int count = static_cast<int>(r.digits.size());
    if (r.exponent < 0)
        return "0," + std::string(static_cast<std::size_t>(-r.exponent - 1), '0') + r.digits;
    const int integerDigits = r.exponent + 1;
    if (count <= integerDigits)
        return r.digits + std::string(static_cast<std::size_t>(integerDigits - count), '0');
    return r.digits.substr(0, static_cast<std::size_t>(integerDigits)) + "," +
           r.digits.substr(static_cast<std::size_t>(integerDigits));
}

std::string exponential(const RoundedDigits& r) {
    std::string text = r.digits.substr(0, 1);
    if (r.digits.size() > 1)
        text += "," + r.digits.substr(1);
    return text + "E" + std::to_string(r.exponent);
}

// Adds a decimal digit to a saturating exponent, so that "1E99999999999999999999" cannot wrap.
void addExponentDigit(long long& exponent, char digit) {
    constexpr long long cap = 1'000'000'000'000LL;
    if (exponent < cap)
        exponent = exponent * 10 + (digit - '0');
}

} // namespace

std::string floatToStr(double value) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0"; // also for -0: a sign on nothing would only confuse
    const RoundedDigits rounded = roundToSignificant(std::fabs(value));
    const bool inPositionalRange = rounded.exponent >= -4 && rounded.exponent < significantDigits;
    return (value < 0 ? "-" : "") +
           (inPositionalRange ? positional(rounded) : exponential(rounded));
}

double strToFloat(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;

    // The same number in the form std::from_chars reads: point as separator, no "+" sign.
    std::string pointText;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (negative)
        pointText += '-';

    std::size_t integerDigits = 0;   // digits before the comma, leading zeros excluded
    std::size_t leadingFraction = 0; // zeros after the comma before the first other digit
    bool seenNonZero = false;
    bool seenDigit = false;
    bool seenComma = false;
    for (; i < n; ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            seenDigit = true;
            if (c != '0')
                seenNonZero = true;
            if (!seenComma && seenNonZero)
                ++integerDigits;
            if (seenComma && !seenNonZero)
                ++leadingFraction;
            pointText += c;
        } else if (c == ',' && !seenComma) {
            seenComma = true;
            pointText += '.';
        } else {
            break;
        }
    }
    if (!seenDigit)
        failFloat(text);

    long long exponent = 0;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool exponentNegative = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            exponentNegative = text[i] == '-';
            ++i;
        }
        const std::size_t firstExponentDigit = i;
        for (; i < n && isDigit(text[i]); ++i)
            addExponentDigit(exponent, text[i]);
        if (i == firstExponentDigit)
            failFloat(text);
        if (exponentNegative)
            exponent = -exponent;
        pointText += 'e' + std::to_string(exponent);
    }

    while (i < n && text[i] == ' ')
        ++i;
    if (i != n)
        failFloat(text);

    double value = 0;
    const char* const end = pointText.data() + pointText.size();
    const auto result = std::from_chars(pointText.data(), end, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large or too small for a double. The position of the first significant digit
        // tells which: a number too small to be told from zero is zero, one too large fails.
        const long long magnitude = integerDigits > 0
                                        ? static_cast<long long>(integerDigits) + exponent
                                        : exponent - static_cast<long long>(leadingFraction);
        if (magnitude > 0)
            failFloat(text);
        return negative ? -0.0 : 0.0;
    }
    if (result.ec != std::errc() || result.ptr != end || std::isinf(value))
        failFloat(text);
    return value;
}

std::int32_t strToInt(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    int base = 10;
    if (i < n && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        i += 1;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }

    // The magnitude may reach 2^31 only for a negative value; anything beyond fails at once,
    // so a megabyte of digits costs one pass at most.
    const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
    std::int64_t magnitude = 0;
    const std::size_t firstDigit = i;
    for (; i < n; ++i) {
        const int digit = base == 16 ? hexValue(text[i]) : (isDigit(text[i]) ? text[i] - '0' : -1);
        if (digit < 0)
            break;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            failInt(text);
    }
    if (i == firstDigit || i != n)
        failInt(text);
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::string intToStr(std::int64_t value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

} // namespace tivrel
