#pragma once

#include "money/Extended.h"

#include <optional>
#include <string_view>

namespace norvik {

// Reads a number out of text that came from outside the numeric edit (the clipboard, an undo,
// a text written into the box). `text` may hold full-width digits and signs; `leadingChar` is
// the box's prefix character (a Latin-1 character; the space means none). Text that is not a
// number in the box's own notation reads as 0.
Extended parseNumberText(std::u16string_view text, unsigned char leadingChar);

// The same reading, telling a text that is not a number (nothing) apart from one that reads as 0.
// An empty text is not a number here.
std::optional<Extended> tryParseNumberText(std::u16string_view text, unsigned char leadingChar);

} // namespace norvik
