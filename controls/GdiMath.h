#pragma once

#include "controls/TColor.h"

namespace gdi {

// number × numerator / denominator with a 64-bit intermediate, rounded to the nearest integer,
// halves away from zero. A zero denominator or a quotient beyond the int range gives -1, the
// answer the legacy call gives.
int MulDiv(int number, int numerator, int denominator);

// Every surface we draw on holds true colour, so the nearest colour it can show is the colour.
constexpr TColor NearestColor(TColor color) {
    return color;
}

} // namespace gdi
