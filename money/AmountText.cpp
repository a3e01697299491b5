#include "money/AmountText.h"

#include "money/GroupThousands.h"

#include <charconv>
#include <cmath>
#include <iterator>

namespace norvik {

namespace {

std::uint64_t magnitude(std::int64_t value) {
    // Negating in unsigned arithmetic keeps the most negative value well defined.
    return value < 0 ? ~static_cast<std::uint64_t>(value) + 1 : static_cast<std::uint64_t>(value);
}

std::string signedGrouped(bool negative, std::uint64_t wholeYen) {
    char digits[20];
    const char* end = std::to_chars(std::begin(digits), std::end(digits), wholeYen).ptr;
    std::string text = groupThousands(std::string_view(digits, end));
    if (negative && wholeYen != 0) {
        text.insert(text.begin(), '-');
    }
    return text;
}

} // namespace

std::string amountText(Currency amount) {
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

std::string amountText(Extended amount) {
    const std::int64_t yen = roundHalfEven(std::fabs(amount));
    return signedGrouped(amount < 0, magnitude(yen));
}

std::string amountText(std::int64_t yen) {
    std::string text;
    appendAmountText(text, yen);
    return text;
}

// Grouped in place and appended at once: the amounts of a long working are many, and a string
// of their own for each, or an append per group, would cost more than the rest of the working.
void appendAmountText(std::string& text, std::int64_t yen) {
    char grouped[1 + 20 + 6]; // a sign, 20 digits and their separators, written from the right
    char* const end = std::end(grouped);
    char* first = end;
    std::uint64_t rest = magnitude(yen);
    for (int digits = 0; digits == 0 || rest != 0; ++digits, rest /= 10) {
        if (digits != 0 && digits % 3 == 0) {
            *--first = ',';
        }
        *--first = static_cast<char>('0' + rest % 10);
    }
    if (yen < 0) {
        *--first = '-';
    }
    text.append(first, static_cast<std::size_t>(end - first));
}

std::string plainText(Currency amount) {
    const std::uint64_t mag = magnitude(amount.raw());
    const auto scale = static_cast<std::uint64_t>(Currency::kScale);
    std::string text = amount.isNegative() ? "-" : "";
    text += std::to_string(mag / scale);
    std::uint64_t fraction = mag % scale;
    if (fraction != 0) {
        static_assert(Currency::kScale == 10000, "four decimals");
        char decimals[4];
        for (char* d = std::end(decimals); d != std::begin(decimals); fraction /= 10) {
            *--d = static_cast<char>('0' + fraction % 10);
        }
        std::string_view significant(decimals, sizeof decimals);
        // trailing zeros of the fraction are not significant
        significant.remove_suffix(sizeof decimals - 1 - significant.find_last_not_of('0'));
        text += '.';
        text += significant;
    }
    return text;
}

std::string plainText(std::int64_t value) {
    return std::to_string(value);
}

} // namespace norvik
