#include "notation/ParseNumberText.h"

#include "notation/HalfWidth.h"
#include "notation/NumberReader.h"

#include <algorithm>
#include <string>

namespace norvik {

namespace {

constexpr char16_t kLatin1Yen = 0xA5;

bool isSign(char16_t c) {
    return c == u'+' || c == u'-';
}

void removePrefix(std::u16string& text, unsigned char leadingChar) {
    if (text.empty()) {
        return;
    }
    const char16_t first = text.front();
    const bool isPrefix = leadingChar != ' '
                              ? first == leadingChar
                              : first == u'$' || first == u'\\' || first == kLatin1Yen;
    if (isPrefix) {
        text.erase(0, 1);
    }
}

// Every character must belong to a number, and every separator must stand a whole group of
// three digits before the point (or before the end).
bool charactersValid(const std::u16string& text, std::size_t point) {
    for (std::size_t i = text.size(); i-- > 0;) {
        const char16_t c = text[i];
        if (c == u',') {
            if (i >= point || i == 0 || (point - i) % 4 != 0) {
                return false;
            }
        } else if (!(c >= u'0' && c <= u'9') && !isSign(c) && c != u'.') {
            return false;
        }
    }
    return true;
}

// A separator must stand before every group of three integer digits and nowhere else. The
// count is taken over the digits alone: a leading sign is no digit, so "-123,456" is as valid
// as "123,456" (the box writes its negative numbers that way and must read them back).
bool separatorCountValid(const std::u16string& text, std::size_t point) {
    const auto separators = static_cast<std::size_t>(std::count(text.begin(), text.end(), u','));
    if (separators == 0) {
        return true;
    }
    const std::size_t sign = isSign(text.front()) ? 1 : 0;
    const auto digitsBeforePoint = static_cast<long>(point - separators - sign);
    return static_cast<long>(separators) == (digitsBeforePoint - 1) / 3;
}

// The characters are valid by now, all of them ASCII.
std::string withoutSeparators(const std::u16string& text) {
    std::string plain;
    plain.reserve(text.size());
    for (const char16_t c : text) {
        if (c != u',') {
            plain.push_back(static_cast<char>(c));
        }
    }
    return plain;
}

} // namespace

Extended parseNumberText(std::u16string_view text, unsigned char leadingChar) {
    return tryParseNumberText(text, leadingChar).value_or(0);
}

std::optional<Extended> tryParseNumberText(std::u16string_view text, unsigned char leadingChar) {
    std::u16string halfWidth = toHalfWidth(text);
    removePrefix(halfWidth, leadingChar);
    if (halfWidth.empty()) {
        return std::nullopt;
    }
    const std::size_t point = std::min(halfWidth.find(u'.'), halfWidth.size());
    if (!charactersValid(halfWidth, point) || !separatorCountValid(halfWidth, point)) {
        return std::nullopt;
    }
    return readNumber(withoutSeparators(halfWidth));
}

} // namespace norvik
