#pragma once

#include "controls/gdi/geometry/GdiTypes.h"

#include <cstdint>
#include <vector>

namespace norvik::gradbox {

enum TGradDirection : std::uint8_t { gdHorizontal, gdVertical };

// The size of every band along the gradient: length / steps rounded, halves to even, and at
// least one pixel.
int bandSize(int length, int steps);

// Channel value of band `index` on the way from `from` to `to` in `steps` steps: formed in
// extended precision, rounded halves to even and taken modulo 256.
std::uint8_t channelValue(std::uint8_t from, std::uint8_t to, int steps, int index);

// The bands in painting order, up to steps + 1 of them (the last in the end colour), then the
// rest of the box, if any, in the last band's colour. A band running over the far edge is left
// for the painter to clip; bands that would start at or past it are left out. Colours are read
// as plain RGB.
std::vector<GdiFill> gradientFills(TColor start, TColor end, std::uint8_t gradStep,
                                   TGradDirection direction, int width, int height);

} // namespace norvik::gradbox
