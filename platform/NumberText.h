#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Number texts of the program. Fractional numbers always use a decimal comma (7,05), whatever
// the locale says: the device's frames, the displays and the settings all depend on it.
namespace tivrel {

// General format: rounded to 15 significant digits, trailing zeros (and a bare comma) dropped;
// magnitudes from 0,0001 up to below 1E15 positional ("0,2", "6,7", "7", "-3,5"), others in
// exponent notation ("1E15", "1,5E-5", "-2E20"). Zero (also -0) is "0"; the values that are no
// numbers read "NAN", "INF" and "-INF".
std::string floatToStr(double value);

// Optional leading blanks, optional sign, digits with at most one decimal comma, optional
// exponent ("E"/"e", optional sign, digits), optional trailing blanks. Anything else, or a value
// out of the range of a double, throws ConvertError "'<text>' is not a valid floating point
// value". A value too small to be told from zero reads as zero.
double strToFloat(std::string_view text);

// Optional leading blanks, optional sign, then decimal digits or a hexadecimal prefix ("$",
// "x", "X", "0x", "0X") and hexadecimal digits, nothing after them; the value must fit a signed
// 32-bit integer. Otherwise (and for the empty text) throws ConvertError "'<text>' is not a
// valid integer value".
std::int32_t strToInt(std::string_view text);

// Plain decimal digits, a leading "-" for negative values, no leading zeros.
std::string intToStr(std::int64_t value);

} // namespace tivrel
