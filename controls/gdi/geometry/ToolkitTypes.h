#pragma once

#include <cstdint>

// The toolkit's own enumerations that several controls share, in the toolkit's value order.
namespace norvik::toolkit {

enum TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };

enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

} // namespace norvik::toolkit
