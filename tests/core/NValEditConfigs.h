#pragma once

#include "NValEditHarness.h"

namespace norvik {

// Named property sets the numeric-entry tests start from; anything not named keeps the
// defaults of a new box.
inline NValEditConfig withoutZeroDisplay() {
    NValEditConfig c;
    c.zeroDisplay = false;
    return c;
}
inline NValEditConfig fixed(int decimals, Extended value = 0) {
    NValEditConfig c;
    c.fixDecimal = decimals;
    c.value = value;
    return c;
}
inline NValEditConfig startingAt(Extended value) {
    NValEditConfig c;
    c.value = value;
    return c;
}
inline NValEditConfig digits(int maxDigits) {
    NValEditConfig c;
    c.maxDigits = maxDigits;
    return c;
}
inline NValEditConfig nonNegative() {
    NValEditConfig c;
    c.prmtNegative = false;
    return c;
}
inline NValEditConfig withoutSeparators() {
    NValEditConfig c;
    c.putAComma = false;
    return c;
}
inline NValEditConfig withLeadingChar(unsigned char leading, bool zeroDisplay = true) {
    NValEditConfig c;
    c.leadingChar = leading;
    c.zeroDisplay = zeroDisplay;
    return c;
}

} // namespace norvik
