#pragma once

#include <QImage>

#include <array>

namespace norvik {

// The application icon that menus, launchers and software centres show: the buttons' monitor
// subject, drawn afresh at each size of the freedesktop hicolor theme rather than scaled from
// the 48 x 48 button image, so that 256 x 256 is as crisp as 48 x 48.
inline constexpr std::array kDesktopIconSides{16, 22, 24, 32, 48, 64, 128, 256};

QImage drawDesktopIcon(int side);

} // namespace norvik
