#include "controls/NumberReader.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

namespace norvik {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsPlainDecimal(std::string_view digits) {
    const auto points = std::count(digits.begin(), digits.end(), '.');
    const auto numerals =
        std::count_if(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
    return points <= 1 && numerals >= 1 &&
           points + numerals == static_cast<std::ptrdiff_t>(digits.size());
}

// The digits are valid; only their size can defeat from_chars. Too large a number reads as
// infinity (the edit clamps it like any number beyond its limits), too small a one as zero.
Extended ParseMagnitude(std::string_view digits) {
    std::string text(digits);
    if (text.front() == '.') {
        text.insert(text.begin(), '0');
    }
    if (text.back() == '.') {
        text.pop_back();
    }
    Extended magnitude = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), magnitude,
                                        std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range) {
        const bool large = text.find_first_not_of("0.") < text.find('.');
        return large ? std::numeric_limits<Extended>::infinity() : 0;
    }
    return magnitude;
}

} // namespace

std::optional<Extended> ReadNumber(std::string_view text) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!IsPlainDecimal(text)) {
        return std::nullopt;
    }
    Extended magnitude = ParseMagnitude(text);
    return negative ? -magnitude : magnitude;
}

Extended DecimalPower(int mantissa, int exponent) {
    const std::string text = std::to_string(mantissa) + ".0e" + std::to_string(exponent);
    Extended value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::scientific);
    return value;
}

} // namespace norvik
