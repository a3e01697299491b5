#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace norvik {

// Decodes UTF-8 text and turns full-width forms into their half-width ASCII twins: U+FF01 to
// U+FF5E become "!" to "~", the ideographic space U+3000 a space, and the full-width yen sign
// U+FFE5 the "\" that the Japanese code page shows as the yen. Other characters stay as they
// are. Text that is not valid UTF-8 gives nothing.
std::optional<std::u32string> ToHalfWidth(std::string_view utf8);

} // namespace norvik
