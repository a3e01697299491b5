#pragma once

#include "controls/gdi/geometry/TColor.h"
#include "money/Extended.h"

namespace norvik {

// The numeric edit's entry state: how the number was typed or last assigned, which the
// rendering and the next keystroke depend on.
struct NValEditState {
    // Digits as entered or shown, integer and decimal together; the "0" of a number below 1
    // counts, a zero shown without a point counts none.
    int digitCount = 0;
    int decimalCount = 0;
    // Decimal entry: a point was typed, or the last assignment left decimals.
    bool pointTyped = false;
    // The entry is negative; lets a zero carry a sign ("-0") and signs the next digit.
    bool minusTyped = false;
    // The number at the last focus change or load; Esc returns to it.
    Extended entryValue = 0;
    bool mouseActivated = false;
    bool doubleClicked = false;
    TColor plainColor = clWindowText;
};

} // namespace norvik
