#pragma once

namespace norvik::gdi {

// number × numerator / denominator with a 64-bit intermediate, rounded to the nearest integer,
// halves away from zero. A zero denominator or a quotient beyond the int range gives -1, the
// answer the legacy call gives.
int mulDiv(int number, int numerator, int denominator);

} // namespace norvik::gdi
