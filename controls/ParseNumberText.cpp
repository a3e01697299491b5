#include "controls/ParseNumberText.h"

#include "controls/HalfWidth.h"
#include "controls/NumberReader.h"

#include <algorithm>
#include <string>

namespace norvik {

namespace {

constexpr char32_t kLatin1Yen = 0xA5;

bool IsSign(char32_t c) {
    return c == U'+' || c == U'-';
}

void RemovePrefix(std::u32string& text, unsigned char leadingChar) {
    if (text.empty()) {
        return;
    }
    const char32_t first = text.front();
    const bool isPrefix = leadingChar != ' '
                              ? first == leadingChar
                              : first == U'$' || first == U'\\' || first == kLatin1Yen;
    if (isPrefix) {
        text.erase(0, 1);
    }
}

// Every character must belong to a number, and every separator must stand a whole group of
// three digits before the point (or before the end).
bool CharactersValid(const std::u32string& text, std::size_t point) {
    for (std::size_t i = text.size(); i-- > 0;) {
        const char32_t c = text[i];
        if (c == U',') {
            if (i >= point || i == 0 || (point - i) % 4 != 0) {
                return false;
            }
        } else if (!(c >= U'0' && c <= U'9') && !IsSign(c) && c != U'.') {
            return false;
        }
    }
    return true;
}

// A separator must stand before every group of three integer digits and nowhere else. The
// count is taken over the digits alone: a leading sign is no digit, so "-123,456" is as valid
// as "123,456" (the box writes its negative numbers that way and must read them back).
bool SeparatorCountValid(const std::u32string& text, std::size_t point) {
    const auto separators = static_cast<std::size_t>(std::count(text.begin(), text.end(), U','));
    if (separators == 0) {
        return true;
    }
    const std::size_t sign = IsSign(text.front()) ? 1 : 0;
    const auto digitsBeforePoint = static_cast<long>(point - separators - sign);
    return static_cast<long>(separators) == (digitsBeforePoint - 1) / 3;
}

std::string WithoutSeparators(const std::u32string& text) {
    std::string plain;
    plain.reserve(text.size());
    for (const char32_t c : text) {
        if (c != U',') {
            plain.push_back(static_cast<char>(c));
        }
    }
    return plain;
}

} // namespace

Extended ParseNumberText(std::string_view utf8, unsigned char leadingChar) {
    return TryParseNumberText(utf8, leadingChar).value_or(0);
}

std::optional<Extended> TryParseNumberText(std::string_view utf8, unsigned char leadingChar) {
    auto text = ToHalfWidth(utf8);
    if (!text || text->empty()) {
        return std::nullopt;
    }
    RemovePrefix(*text, leadingChar);
    if (text->empty()) {
        return std::nullopt;
    }
    const std::size_t point = std::min(text->find(U'.'), text->size());
    if (!CharactersValid(*text, point) || !SeparatorCountValid(*text, point)) {
        return std::nullopt;
    }
    return ReadNumber(WithoutSeparators(*text));
}

} // namespace norvik
