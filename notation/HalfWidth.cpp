#include "notation/HalfWidth.h"

namespace norvik {

namespace {

constexpr char16_t kFullWidthFirst = 0xFF01;
constexpr char16_t kFullWidthLast = 0xFF5E;
constexpr char16_t kFullWidthOffset = 0xFEE0;
constexpr char16_t kIdeographicSpace = 0x3000;
constexpr char16_t kFullWidthYen = 0xFFE5;

char16_t halfWidthOf(char16_t c) {
    if (c >= kFullWidthFirst && c <= kFullWidthLast) {
        return static_cast<char16_t>(c - kFullWidthOffset);
    }
    if (c == kIdeographicSpace) {
        return u' ';
    }
    if (c == kFullWidthYen) {
        return u'\\';
    }
    return c;
}

} // namespace

std::u16string toHalfWidth(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (const char16_t c : text) {
        out.push_back(halfWidthOf(c));
    }
    return out;
}

} // namespace norvik
