#pragma once

#include <cstdint>

namespace norvik {

// A colour as the stored layouts write it: an RGB value with red in the lowest byte, then
// green, then blue; or, with the high byte 0xFF, a reference to the system colour whose index
// is in the low byte. Kept free of any GUI library so that painting geometry can be checked
// without one.
using TColor = std::uint32_t;

namespace tcolor {

constexpr TColor kSystemFlag = 0xFF000000u;

constexpr TColor rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return static_cast<TColor>(red) | static_cast<TColor>(green) << 8 |
           static_cast<TColor>(blue) << 16;
}
constexpr std::uint8_t red(TColor c) {
    return static_cast<std::uint8_t>(c & 0xFF);
}
constexpr std::uint8_t green(TColor c) {
    return static_cast<std::uint8_t>(c >> 8 & 0xFF);
}
constexpr std::uint8_t blue(TColor c) {
    return static_cast<std::uint8_t>(c >> 16 & 0xFF);
}

constexpr bool isSystem(TColor c) {
    return (c & 0xFF000000u) == kSystemFlag;
}
constexpr std::uint8_t systemIndex(TColor c) {
    return static_cast<std::uint8_t>(c & 0xFF);
}
constexpr TColor system(std::uint8_t index) {
    return kSystemFlag | index;
}

} // namespace tcolor

// The colours the layouts name.
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clGray = 0x808080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clTeal = 0x808000;
constexpr TColor clActiveCaption = tcolor::system(2);
constexpr TColor clWindow = tcolor::system(5);
constexpr TColor clWindowText = tcolor::system(8);
constexpr TColor clBtnFace = tcolor::system(15);
constexpr TColor clBtnShadow = tcolor::system(16);
constexpr TColor clGrayText = tcolor::system(17);
constexpr TColor clBtnText = tcolor::system(18);
constexpr TColor clBtnHighlight = tcolor::system(20);

} // namespace norvik
