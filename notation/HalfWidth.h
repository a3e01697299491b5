#pragma once

#include <string>
#include <string_view>

namespace norvik {

// Turns full-width forms into their half-width ASCII twins: U+FF01 to U+FF5E become "!" to "~",
// the ideographic space U+3000 a space, and the full-width yen sign U+FFE5 the "\" that the
// Japanese code page shows as the yen. Every other UTF-16 unit stays as it is; no full-width
// form lies beyond the BMP, so the halves of a surrogate pair are left alone too.
std::u16string toHalfWidth(std::u16string_view text);

} // namespace norvik
