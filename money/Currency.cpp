#include "money/Currency.h"

#include <limits>

namespace norvik {

namespace {

std::int64_t saturated(bool towardPositive) {
    return towardPositive ? std::numeric_limits<std::int64_t>::max()
                          : std::numeric_limits<std::int64_t>::min();
}

} // namespace

Currency Currency::fromExtended(Extended yen) {
    return fromExtendedRaw(yen * static_cast<Extended>(kScale));
}

Currency Currency::fromExtendedRaw(Extended tenThousandths) {
    return Currency(roundHalfEven(tenThousandths));
}

Currency operator+(Currency a, Currency b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a.raw_, b.raw_, &sum)) {
        return Currency(saturated(b.raw_ > 0));
    }
    return Currency(sum);
}

Currency operator-(Currency a, Currency b) {
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(a.raw_, b.raw_, &difference)) {
        return Currency(saturated(b.raw_ < 0));
    }
    return Currency(difference);
}

} // namespace norvik
