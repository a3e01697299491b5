#pragma once

#include "controls/gdi/geometry/TColor.h"

namespace norvik {

// Device coordinates as the legacy drawing calls take them. A rectangle is half-open: its
// right and bottom edges lie outside it. A line covers its start point and leaves out its end
// point, so that a polyline is a chain of lines sharing their joints.
struct GdiPoint {
    int x = 0;
    int y = 0;

    friend bool operator==(const GdiPoint&, const GdiPoint&) = default;
};

struct GdiRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }

    friend bool operator==(const GdiRect&, const GdiRect&) = default;
};

struct GdiLine {
    GdiPoint from;
    GdiPoint to;
    TColor color = 0;

    friend bool operator==(const GdiLine&, const GdiLine&) = default;
};

struct GdiFill {
    GdiRect rect;
    TColor color = 0;

    friend bool operator==(const GdiFill&, const GdiFill&) = default;
};

// Which point of the text an anchor names; the anchor is always at the top of the text.
enum class TextAnchor : unsigned char { Left, Right, Center };

} // namespace norvik
