#include "controls/gdi/geometry/AnsiText.h"

namespace norvik::gdi {

namespace {

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

std::size_t ansiBytes(char16_t unit) {
    const bool halfWidthKatakana = unit >= 0xFF61 && unit <= 0xFF9F;
    return unit < 0x80 || halfWidthKatakana ? 1 : 2;
}

} // namespace

std::size_t ansiPrefixLength(std::u16string_view text, std::size_t maxBytes) {
    std::size_t used = 0;
    std::size_t units = 0;
    while (units < text.size()) {
        const bool pair = isHighSurrogate(text[units]) && units + 1 < text.size() &&
                          isLowSurrogate(text[units + 1]);
        const std::size_t bytes = pair ? 2 : ansiBytes(text[units]);
        if (used + bytes > maxBytes) {
            break;
        }
        used += bytes;
        units += pair ? 2 : 1;
    }
    return units;
}

} // namespace norvik::gdi
