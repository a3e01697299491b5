#pragma once

#include <QIcon>

namespace norvik {

// The programs' own icon, the one their menu entries show, at every size resources/regenerate.sh
// draws it: a window takes the size its title bar, task bar or switcher asks for, drawn at that
// size rather than scaled from another.
QIcon desktopIcon();

} // namespace norvik
