#pragma once

#include <cstddef>
#include <string_view>

namespace norvik::gdi {

// The legacy drawing code copies captions into fixed byte buffers of the Japanese ANSI code
// page, where ASCII and half-width katakana take one byte and every other character two. This
// answers how many UTF-16 units of text fit in maxBytes of such a buffer, never splitting a
// character.
std::size_t ansiPrefixLength(std::u16string_view text, std::size_t maxBytes);

} // namespace norvik::gdi
