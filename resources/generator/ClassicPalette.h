#pragma once

#include <QRgb>

namespace norvik::classic {

// The sixteen colours of the standard 16-colour icon palette. Drawing with these alone keeps a
// 16-colour icon exact: nothing is lost when it is stored with four bits per pixel.
inline constexpr QRgb kBlack = 0xFF000000u;
inline constexpr QRgb kMaroon = 0xFF800000u;
inline constexpr QRgb kGreen = 0xFF008000u;
inline constexpr QRgb kOlive = 0xFF808000u;
inline constexpr QRgb kNavy = 0xFF000080u;
inline constexpr QRgb kPurple = 0xFF800080u;
inline constexpr QRgb kTeal = 0xFF008080u;
inline constexpr QRgb kSilver = 0xFFC0C0C0u;
inline constexpr QRgb kGrey = 0xFF808080u;
inline constexpr QRgb kRed = 0xFFFF0000u;
inline constexpr QRgb kLime = 0xFF00FF00u;
inline constexpr QRgb kYellow = 0xFFFFFF00u;
inline constexpr QRgb kBlue = 0xFF0000FFu;
inline constexpr QRgb kFuchsia = 0xFFFF00FFu;
inline constexpr QRgb kAqua = 0xFF00FFFFu;
inline constexpr QRgb kWhite = 0xFFFFFFFFu;

} // namespace norvik::classic
