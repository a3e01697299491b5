#pragma once

#include "money/Extended.h"

#include <string_view>

namespace norvik {

// Reads a number out of text that came from outside the numeric edit (the clipboard, an undo,
// a text written into the box). `utf8` may hold full-width digits and signs; `leadingChar` is
// the box's prefix character (a Latin-1 byte; the space means none). Text that is not a number
// in the box's own notation reads as 0.
Extended ParseNumberText(std::string_view utf8, unsigned char leadingChar);

} // namespace norvik
