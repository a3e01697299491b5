#pragma once

#include "controls/gdi/geometry/GdiTypes.h"
#include "controls/gdi/geometry/ToolkitTypes.h"

#include <cstdint>

namespace norvik::iconbtn {

enum TButtonStyle : std::uint8_t { bsNone, bsLowered, bsRaised, bsFrame, bsGroove, bsIELike };

struct Bevels {
    toolkit::TBevelCut inner = toolkit::bvNone;
    toolkit::TBevelCut outer = toolkit::bvNone;

    friend bool operator==(const Bevels&, const Bevels&) = default;
};

// The bevels a style shows at rest.
Bevels restingBevels(TButtonStyle style);

// Pressing or releasing changes exactly one bevel, which one depending on the style.
enum class BevelSide : std::uint8_t { Inner, Outer };

struct BevelChange {
    BevelSide side = BevelSide::Outer;
    toolkit::TBevelCut cut = toolkit::bvNone;

    friend bool operator==(const BevelChange&, const BevelChange&) = default;
};

BevelChange pressedLook(TButtonStyle style, bool pressed, bool mouseInside);

// Where the icon goes: 32 × 32 centred, or stretched to the face inside the drawn bevels.
GdiRect iconRect(int width, int height, bool stretch, int drawnBevels);

} // namespace norvik::iconbtn
