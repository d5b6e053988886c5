#include "settings/SettingsNumbers.h"

#include <cmath>
#include <limits>

namespace tivrel {

namespace {

// A value the whole-number type cannot hold is pinned to its ends (no number reads 0), so that
// even an absurd typed value converts to some text instead of undefined behaviour.
std::int64_t toWhole(double integral) {
    constexpr double kLimit = 9.2e18;
    if (std::isnan(integral))
        return 0;
    if (integral >= kLimit)
        return std::numeric_limits<std::int64_t>::max();
    if (integral <= -kLimit)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(integral);
}

} // namespace

std::int64_t wholePart(double x) {
    return toWhole(std::trunc(x));
}

std::int64_t hundredths(double x) {
    // A value with two decimals is at most an ulp or so away from its decimal form, so the
    // product lies within far less than a half of the wanted whole number; nearbyint (in the
    // default rounding mode) sends a true half, as from 6,125, to the even neighbour.
    return toWhole(std::nearbyint((x - std::trunc(x)) * 100));
}

std::int64_t marginHundredths(double x) {
    return toWhole(std::nearbyint(x * 100));
}

} // namespace tivrel
