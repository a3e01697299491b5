#pragma once

#include "money/Extended.h"

#include <optional>
#include <string_view>

namespace norvik {

// Reads a number the way the numeric edit reads its own texts back: optional blanks around it,
// an optional sign, digits and at most one point (at least one digit). Anything else, an
// exponent included, is not a number. The result is the extended value nearest the decimal.
std::optional<Extended> readNumber(std::string_view text);

// The extended value nearest mantissa × 10^exponent, as the decimal text "<m>.0e<exponent>"
// reads.
Extended decimalPower(int mantissa, int exponent);

} // namespace norvik
