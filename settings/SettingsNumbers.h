#pragma once

#include <cstdint>

namespace tivrel {

// The decimals cut off, toward zero: 6,99 gives 6, -0,5 gives 0.
std::int64_t wholePart(double x);

// The whole number nearest to (x - whole part) * 100, ties to even: 6,05 gives 5, 6,125 gives
// 12, 6,999 gives 100. Exact for every value with at most two decimals, however it was made.
std::int64_t hundredths(double x);

// The whole number nearest to x * 100, ties to even: a margin of 0,53 gives 53, 2,37 gives 237.
std::int64_t marginHundredths(double x);

} // namespace tivrel
