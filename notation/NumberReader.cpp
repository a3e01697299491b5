#include "notation/NumberReader.h"

#include <algorithm>
#include <limits>
#include <locale>
#include <sstream>
#include <string>

namespace norvik {

namespace {

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool isPlainDecimal(std::string_view digits) {
    const auto points = std::count(digits.begin(), digits.end(), '.');
    const auto numerals =
        std::count_if(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
    return points <= 1 && numerals >= 1 &&
           points + numerals == static_cast<std::ptrdiff_t>(digits.size());
}

// The nearest extended value to a decimal text, whatever the process locale. Not from_chars:
// MinGW-w64's libstdc++ reads a long double through double there, which loses eleven bits and
// would make "0.53" a different number on Windows. The classic-locale stream reads all 64 bits
// everywhere. A text that is too large for the type fails the read.
std::optional<Extended> readDecimal(const std::string& text) {
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    Extended value = 0;
    in >> value;
    if (in.fail()) {
        return std::nullopt;
    }
    return value;
}

// The digits are valid; only their size can defeat the read. Too large a number reads as
// infinity (the edit clamps it like any number beyond its limits), too small a one as zero.
Extended parseMagnitude(std::string_view digits) {
    std::string text(digits);
    if (text.front() == '.') {
        text.insert(text.begin(), '0');
    }
    if (text.back() == '.') {
        text.pop_back();
    }
    if (const auto magnitude = readDecimal(text)) {
        return *magnitude;
    }
    const bool large = text.find_first_not_of("0.") < text.find('.');
    return large ? std::numeric_limits<Extended>::infinity() : 0;
}

} // namespace

std::optional<Extended> readNumber(std::string_view text) {
    text = trimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!isPlainDecimal(text)) {
        return std::nullopt;
    }
    Extended magnitude = parseMagnitude(text);
    return negative ? -magnitude : magnitude;
}

Extended decimalPower(int mantissa, int exponent) {
    const std::string text = std::to_string(mantissa) + ".0e" + std::to_string(exponent);
    return readDecimal(text).value_or(0);
}

} // namespace norvik
