#include "notation/NumberFormat.h"

#include "money/GroupThousands.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace norvik {

namespace {

constexpr int kSignificantDigits = 18;
constexpr int kPlainDecimals = 14;

// A magnitude rounded to a number of decimals, as decimal digit strings.
struct FixedDigits {
    bool negative = false;
    std::string integer;
    std::string fraction;
};

// Adds one unit of the last place to a digit string; true when a carry leaves its front.
bool incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

// The 18 significant digits of |x| and the number of them that stand before the point
// (zero or negative for a number below 1, beyond 18 for a number with trailing zeros).
void significantDigits(Extended x, std::string& digits, int& integerCount) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x),
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string text(buffer, result.ptr); // d.ddddddddddddddddde±xx
    const auto e = text.find('e');
    digits = text.substr(0, 1) + text.substr(2, e - 2);
    integerCount = std::atoi(text.c_str() + e + 1) + 1;
}

FixedDigits roundToDecimals(Extended x, int decimals) {
    if (!std::isfinite(x)) {
        x = 0; // no such number reaches the box; rendering it as zero keeps the text a number
    }
    decimals = std::max(decimals, 0);
    std::string digits;
    int integerCount = 0;
    significantDigits(x, digits, integerCount);

    FixedDigits out;
    if (integerCount <= 0) {
        out.integer = "0";
        out.fraction = std::string(static_cast<std::size_t>(-integerCount), '0') + digits;
    } else if (integerCount >= kSignificantDigits) {
        out.integer =
            digits + std::string(static_cast<std::size_t>(integerCount) - digits.size(), '0');
    } else {
        out.integer = digits.substr(0, static_cast<std::size_t>(integerCount));
        out.fraction = digits.substr(static_cast<std::size_t>(integerCount));
    }
    const auto kept = static_cast<std::size_t>(decimals);
    if (out.fraction.size() <= kept) {
        out.fraction.resize(kept + 1, '0');
    }
    const bool roundUp = out.fraction[kept] >= '5';
    out.fraction.resize(kept);
    if (roundUp && incrementDigits(out.fraction) && incrementDigits(out.integer)) {
        out.integer.insert(out.integer.begin(), '1');
    }
    const auto firstNonZero = out.integer.find_first_not_of('0');
    out.integer.erase(0, std::min(firstNonZero, out.integer.size() - 1));

    const bool zero =
        out.integer == "0" && out.fraction.find_first_not_of('0') == std::string::npos;
    out.negative = x < 0 && !zero;
    return out;
}

std::string compose(const FixedDigits& number, bool separators) {
    std::string text = number.negative ? "-" : "";
    text += separators ? groupThousands(number.integer) : number.integer;
    if (!number.fraction.empty()) {
        text += '.' + number.fraction;
    }
    return text;
}

std::string padLeft(std::string text, int width) {
    if (static_cast<int>(text.size()) < width) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    }
    return text;
}

std::string padRight(std::string text, int width) {
    if (static_cast<int>(text.size()) < width) {
        text.append(static_cast<std::size_t>(width) - text.size(), ' ');
    }
    return text;
}

} // namespace

std::string formatNumber(Extended x, int width, int decimals) {
    return padLeft(compose(roundToDecimals(x, decimals), true), width);
}

std::string formatFixed(Extended x, int width, int decimals) {
    return padLeft(compose(roundToDecimals(x, decimals), false), width);
}

std::string formatFixedLeft(Extended x, int width, int decimals) {
    return padRight(compose(roundToDecimals(x, decimals), false), width);
}

std::string formatPlain(Extended x) {
    FixedDigits number = roundToDecimals(x, kPlainDecimals);
    const auto lastSignificant = number.fraction.find_last_not_of('0');
    number.fraction.erase(lastSignificant == std::string::npos ? 0 : lastSignificant + 1);
    return compose(number, false);
}

std::string formatAsAssigned(Extended x) {
    const std::string plain = formatPlain(std::fabs(x));
    const auto point = plain.find('.');
    const int decimals =
        point == std::string::npos ? 0 : static_cast<int>(plain.size() - point - 1);
    std::string text = formatNumber(x, 0, decimals);
    if (x < 0 && text.front() != '-') {
        text.insert(text.begin(), '-');
    }
    return text;
}

} // namespace norvik
