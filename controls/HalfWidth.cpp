#include "controls/HalfWidth.h"

namespace norvik {

namespace {

constexpr char32_t kFullWidthFirst = 0xFF01;
constexpr char32_t kFullWidthLast = 0xFF5E;
constexpr char32_t kFullWidthOffset = 0xFEE0;
constexpr char32_t kIdeographicSpace = 0x3000;
constexpr char32_t kFullWidthYen = 0xFFE5;

char32_t HalfWidthOf(char32_t c) {
    if (c >= kFullWidthFirst && c <= kFullWidthLast) {
        return c - kFullWidthOffset;
    }
    if (c == kIdeographicSpace) {
        return U' ';
    }
    if (c == kFullWidthYen) {
        return U'\\';
    }
    return c;
}

// The length of the UTF-8 sequence that a lead byte opens, 0 for a byte that opens none.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Decodes one character at the front of `text` and removes it; nothing for a broken sequence.
std::optional<char32_t> TakeCharacter(std::string_view& text) {
    const auto lead = static_cast<unsigned char>(text.front());
    const int length = SequenceLength(lead);
    if (length == 0 || static_cast<int>(text.size()) < length) {
        return std::nullopt;
    }
    static constexpr unsigned char kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t c = lead & kLeadMask[length];
    for (int i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[static_cast<std::size_t>(i)]);
        if (!IsContinuation(byte)) {
            return std::nullopt;
        }
        c = c << 6 | (byte & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return std::nullopt;
    }
    text.remove_prefix(static_cast<std::size_t>(length));
    return c;
}

} // namespace

std::optional<std::u32string> ToHalfWidth(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const auto c = TakeCharacter(utf8);
        if (!c) {
            return std::nullopt;
        }
        out.push_back(HalfWidthOf(*c));
    }
    return out;
}

} // namespace norvik
