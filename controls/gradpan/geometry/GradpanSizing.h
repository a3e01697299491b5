#pragma once

#include "controls/gdi/geometry/GdiTypes.h"

#include <cstdint>

namespace norvik::gradpan {

// What a point of a movable panel grabs, numbered as the desktop's non-client hit codes.
enum class HitArea : std::uint8_t {
    Nowhere = 0,
    Caption = 2,
    Left = 10,
    Right = 11,
    Top = 12,
    TopLeft = 13,
    TopRight = 14,
    Bottom = 15,
    BottomLeft = 16,
    BottomRight = 17
};

// The first matching rule wins: corners and the left edge before the right one, the sides
// before the top and bottom, the inside last.
HitArea hitTest(int x, int y, int width, int height, int margin);

// The panel's bounds (in its parent) after the pointer has been dragged by (dx, dy) from where
// it grabbed `area`. The caption moves the panel; an edge moves only that edge, which stops
// where the panel would get narrower or lower than minimumSize.
GdiRect draggedBounds(HitArea area, const GdiRect& start, int dx, int dy, int minimumSize);

} // namespace norvik::gradpan
