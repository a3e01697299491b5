#pragma once

#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace norvik {

// A short number text held inline: amounts are formatted many times per result set, and a
// heap-free value that is written from its right end costs far less than building strings.
class NumberText {
public:
    // Puts a character in front of what is written so far.
    void prepend(char c) { buffer_[--start_] = c; }

    // Puts the decimal digits of a value in front, with "," between groups of three if asked.
    void prependDigits(std::uint64_t value, bool separators);

    std::string_view view() const { return {buffer_.data() + start_, buffer_.size() - start_}; }
    operator std::string_view() const { return view(); } // NOLINT: texts read as views
    std::string str() const { return std::string(view()); }

    friend bool operator==(const NumberText& text, std::string_view other) {
        return text.view() == other;
    }
    friend void PrintTo(const NumberText& text, std::ostream* out) {
        *out << '"' << text.view() << '"';
    }

private:
    // The longest text: 20 digits, 6 separators, a sign and four decimals with their point.
    std::array<char, 32> buffer_;
    std::size_t start_ = buffer_.size();
};

} // namespace norvik
