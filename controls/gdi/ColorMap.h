#pragma once

#include "controls/gdi/geometry/TColor.h"

#include <QColor>
#include <QPalette>

namespace norvik {

// Turns a stored colour into the colour painted on screen: an RGB value as it is, a system
// colour through the palette role that plays its part on this desktop.
QColor toQColor(TColor color, const QPalette& palette);

// The stored colour of a plain on-screen colour (alpha is dropped).
TColor fromQColor(const QColor& color);

} // namespace norvik
