#include "money/Extended.h"

namespace norvik {

namespace {

// 2^63 is exact in extended precision. Anything from 2^63 - 1 upward rounds or truncates to at
// least the largest 64-bit integer, and anything below -2^63 to at most the smallest.
constexpr Extended kTwoPow63 = 9223372036854775808.0L;
constexpr Extended kLargest = kTwoPow63 - 1;

bool saturates(Extended x, std::int64_t& saturated) {
    if (std::isnan(x)) {
        saturated = 0;
        return true;
    }
    if (x >= kLargest) {
        saturated = std::numeric_limits<std::int64_t>::max();
        return true;
    }
    if (x < -kTwoPow63) {
        saturated = std::numeric_limits<std::int64_t>::min();
        return true;
    }
    return false;
}

} // namespace

// Both conversions go through llrint, which stores with the rounding mode in force (to nearest,
// ties to even; the program never changes it). Truncating by switching the FPU's rounding mode
// for every conversion would cost more than the rest of a whole computation.
std::int64_t roundHalfEven(Extended x) {
    std::int64_t saturated = 0;
    if (saturates(x, saturated)) {
        return saturated;
    }
    return std::llrint(x);
}

std::int64_t truncateToInteger(Extended x) {
    std::int64_t saturated = 0;
    if (saturates(x, saturated)) {
        return saturated;
    }
    std::int64_t whole = std::llrint(x);
    // The nearest integer may lie one beyond x, away from zero; step back toward zero. The
    // comparison is exact: every 64-bit integer is an extended value.
    if (x >= 0 && static_cast<Extended>(whole) > x) {
        --whole;
    } else if (x < 0 && static_cast<Extended>(whole) < x) {
        ++whole;
    }
    return whole;
}

} // namespace norvik
