#include "money/Extended.h"

namespace norvik {

namespace {

// 2^63 is exact in extended precision; everything at or beyond it does not fit.
constexpr Extended kTwoPow63 = 9223372036854775808.0L;

std::int64_t saturatingCast(Extended whole) {
    if (std::isnan(whole)) {
        return 0;
    }
    if (whole >= kTwoPow63) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (whole < -kTwoPow63) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(whole);
}

} // namespace

std::int64_t Trunc(Extended x) {
    return saturatingCast(std::trunc(x));
}

std::int64_t RoundHalfEven(Extended x) {
    // The program never changes the rounding mode, so nearbyint rounds to nearest, ties to
    // even, exactly as the FPU does when it stores an extended value into an integer.
    return saturatingCast(std::nearbyint(x));
}

} // namespace norvik
