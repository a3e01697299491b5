#pragma once

#include "money/Extended.h"

#include <string>

namespace norvik {

// The number formats of the numeric edit. All of them round the number's 18-significant-digit
// decimal form to the requested decimals, halves away from zero, and write "." as the decimal
// point and "," as the thousands separator whatever the locale says. A "-" leads a negative
// number unless it rounds to zero.

// "%*.*n": thousands separators, right-justified in `width` with spaces.
std::string formatNumber(Extended x, int width, int decimals);

// "%*.*f": no separators, right-justified in `width` with spaces.
std::string formatFixed(Extended x, int width, int decimals);

// "%-*.*f": no separators, left-justified in `width` with spaces.
std::string formatFixedLeft(Extended x, int width, int decimals);

// "0.##############": at most 14 decimals, trailing zeros dropped, no point when none remain.
std::string formatPlain(Extended x);

// A number as a numeric edit with its default properties shows it once the number is assigned
// to it: thousands separators and as many decimals as its plain form has, and a "-" for a
// negative number even where it shows as zero.
std::string formatAsAssigned(Extended x);

} // namespace norvik
