#include "money/AmountText.h"

#include <cmath>

namespace norvik {

namespace {

std::uint64_t magnitude(std::int64_t value) {
    // Negating in unsigned arithmetic keeps the most negative value well defined.
    return value < 0 ? ~static_cast<std::uint64_t>(value) + 1 : static_cast<std::uint64_t>(value);
}

NumberText signedGrouped(bool negative, std::uint64_t wholeYen) {
    NumberText text;
    text.prependDigits(wholeYen, true);
    if (negative && wholeYen != 0) {
        text.prepend('-');
    }
    return text;
}

} // namespace

NumberText Amt(Currency amount) {
    const std::uint64_t mag = magnitude(amount.raw());
    const auto scale = static_cast<std::uint64_t>(Currency::kScale);
    std::uint64_t yen = mag / scale;
    const std::uint64_t fraction = mag % scale;
    const std::uint64_t half = scale / 2;
    if (fraction > half || (fraction == half && yen % 2 == 1)) {
        ++yen;
    }
    return signedGrouped(amount.isNegative(), yen);
}

NumberText Amt(Extended amount) {
    const std::int64_t yen = RoundHalfEven(std::fabs(amount));
    return signedGrouped(amount < 0, magnitude(yen));
}

NumberText Amt(std::int64_t yen) {
    return signedGrouped(yen < 0, magnitude(yen));
}

NumberText Plain(Currency amount) {
    const std::uint64_t mag = magnitude(amount.raw());
    const auto scale = static_cast<std::uint64_t>(Currency::kScale);
    NumberText text;
    std::uint64_t fraction = mag % scale;
    if (fraction != 0) {
        int decimals = 4;
        for (; fraction % 10 == 0; fraction /= 10) {
            --decimals; // trailing zeros of the fraction are not significant
        }
        for (int i = 0; i < decimals; ++i, fraction /= 10) {
            text.prepend(static_cast<char>('0' + fraction % 10));
        }
        text.prepend('.');
    }
    text.prependDigits(mag / scale, false);
    if (amount.isNegative()) {
        text.prepend('-');
    }
    return text;
}

NumberText Plain(std::int64_t value) {
    NumberText text;
    text.prependDigits(magnitude(value), false);
    if (value < 0) {
        text.prepend('-');
    }
    return text;
}

} // namespace norvik
