#pragma once

#include "money/Extended.h"

#include <compare>
#include <cstdint>

namespace norvik {

// A fixed-point amount of yen with four decimal places, held as a signed 64-bit count of
// ten-thousandths of a yen. Every deduction, taxable amount and tax is held this way so that
// sums and differences of amounts are exact.
class Currency {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Currency() = default;

    static constexpr Currency fromRaw(std::int64_t tenThousandths) {
        return Currency(tenThousandths);
    }
    static constexpr Currency fromYen(std::int64_t yen) { return Currency(yen * kScale); }

    // Stores a floating amount of yen: brought to the nearest ten-thousandth, a tie going to
    // the even neighbour. An amount beyond the 64-bit range saturates.
    static Currency fromExtended(Extended yen);

    // Stores a floating amount that is already expressed in ten-thousandths of a yen.
    static Currency fromExtendedRaw(Extended tenThousandths);

    constexpr std::int64_t raw() const { return raw_; }

    constexpr bool isNegative() const { return raw_ < 0; }

    friend constexpr auto operator<=>(Currency, Currency) = default;

    // Exact sums and differences; a result beyond the 64-bit range saturates rather than wrap.
    friend Currency operator+(Currency a, Currency b);
    friend Currency operator-(Currency a, Currency b);

private:
    constexpr explicit Currency(std::int64_t raw)
        : raw_(raw) {}

    std::int64_t raw_ = 0;
};

} // namespace norvik
