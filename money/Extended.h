#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace norvik {

// Every floating amount is computed in x87 extended precision. A long double with any other
// significand would give different yen, so such a build is refused outright.
using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64,
              "norvik needs long double with a 64-bit significand (x87 extended precision)");

// Drops the fraction toward zero and stays floating.
inline Extended dropFraction(Extended x) {
    return std::trunc(x);
}

// Drops the fraction toward zero and yields a 64-bit integer. Values beyond the 64-bit range
// saturate and NaN gives 0, so no input can reach undefined behaviour.
std::int64_t truncateToInteger(Extended x);

// Rounds to the nearest integer, a tie going to the even neighbour, saturating as truncateToInteger
// does.
std::int64_t roundHalfEven(Extended x);

} // namespace norvik
