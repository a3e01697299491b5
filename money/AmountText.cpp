#include "money/AmountText.h"

#include <array>
#include <cmath>

namespace norvik {

namespace {

std::uint64_t magnitude(std::int64_t value) {
    // Negating in unsigned arithmetic keeps the most negative value well defined.
    return value < 0 ? ~static_cast<std::uint64_t>(value) + 1 : static_cast<std::uint64_t>(value);
}

// Writes the number from the right end of a buffer so that no intermediate string is built;
// the texts are short enough to stay in std::string's inline storage.
class DigitWriter {
public:
    void digitsOf(std::uint64_t value, bool separators) {
        int written = 0;
        do {
            if (separators && written != 0 && written % 3 == 0) {
                put(',');
            }
            put(static_cast<char>('0' + value % 10));
            value /= 10;
            ++written;
        } while (value != 0);
    }
    void put(char c) { buffer_[--start_] = c; }
    std::string text() const {
        return std::string(buffer_.data() + start_, buffer_.size() - start_);
    }

private:
    std::array<char, 48> buffer_{};
    std::size_t start_ = buffer_.size();
};

std::string signedGrouped(bool negative, std::uint64_t wholeYen) {
    DigitWriter writer;
    writer.digitsOf(wholeYen, true);
    if (negative && wholeYen != 0) {
        writer.put('-');
    }
    return writer.text();
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
    DigitWriter writer;
    std::uint64_t fraction = mag % scale;
    if (fraction != 0) {
        int decimals = 4;
        for (; fraction % 10 == 0; fraction /= 10) {
            --decimals; // trailing zeros of the fraction are not significant
        }
        for (int i = 0; i < decimals; ++i, fraction /= 10) {
            writer.put(static_cast<char>('0' + fraction % 10));
        }
        writer.put('.');
    }
    writer.digitsOf(mag / scale, false);
    if (amount.isNegative()) {
        writer.put('-');
    }
    return writer.text();
}

std::string Plain(std::int64_t value) {
    DigitWriter writer;
    writer.digitsOf(magnitude(value), false);
    if (value < 0) {
        writer.put('-');
    }
    return writer.text();
}

} // namespace norvik
