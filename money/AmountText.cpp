#include "money/AmountText.h"

#include <cmath>

namespace norvik {

namespace {

std::uint64_t magnitude(std::int64_t value) {
    // Negating in unsigned arithmetic keeps the most negative value well defined.
    return value < 0 ? ~static_cast<std::uint64_t>(value) + 1 : static_cast<std::uint64_t>(value);
}

std::string groupThousands(std::uint64_t value) {
    std::string digits = std::to_string(value);
    std::string grouped;
    grouped.reserve(digits.size() + digits.size() / 3);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0) {
            grouped.push_back(',');
        }
        grouped.push_back(digits[i]);
    }
    return grouped;
}

std::string signedGrouped(bool negative, std::uint64_t wholeYen) {
    return (negative && wholeYen != 0 ? "-" : "") + groupThousands(wholeYen);
}

} // namespace

std::string Amt(Currency amount) {
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

std::string Amt(Extended amount) {
    const std::int64_t yen = RoundHalfEven(std::fabs(amount));
    return signedGrouped(amount < 0, magnitude(yen));
}

std::string Amt(std::int64_t yen) {
    return signedGrouped(yen < 0, magnitude(yen));
}

std::string Plain(Currency amount) {
    const std::uint64_t mag = magnitude(amount.raw());
    const auto scale = static_cast<std::uint64_t>(Currency::kScale);
    std::string text = (amount.isNegative() ? "-" : "") + std::to_string(mag / scale);
    const std::uint64_t fraction = mag % scale;
    if (fraction != 0) {
        std::string decimals = std::to_string(fraction + scale).substr(1); // zero-padded
        decimals.erase(decimals.find_last_not_of('0') + 1);
        text += '.' + decimals;
    }
    return text;
}

std::string Plain(std::int64_t value) {
    return std::to_string(value);
}

} // namespace norvik
