#pragma once

#include "NValEditHarness.h"

namespace norvik {

// Named property sets the numeric-entry tests start from; anything not named keeps the
// defaults of a new box.
inline NValEditConfig WithoutZeroDisplay() {
    NValEditConfig c;
    c.zeroDisplay = false;
    return c;
}
inline NValEditConfig Fixed(int decimals, Extended value = 0) {
    NValEditConfig c;
    c.fixDecimal = decimals;
    c.value = value;
    return c;
}
inline NValEditConfig StartingAt(Extended value) {
    NValEditConfig c;
    c.value = value;
    return c;
}
inline NValEditConfig Digits(int maxDigits) {
    NValEditConfig c;
    c.maxDigits = maxDigits;
    return c;
}
inline NValEditConfig NonNegative() {
    NValEditConfig c;
    c.prmtNegative = false;
    return c;
}
inline NValEditConfig WithoutSeparators() {
    NValEditConfig c;
    c.putAComma = false;
    return c;
}
inline NValEditConfig WithLeadingChar(unsigned char leading, bool zeroDisplay = true) {
    NValEditConfig c;
    c.leadingChar = leading;
    c.zeroDisplay = zeroDisplay;
    return c;
}

} // namespace norvik
