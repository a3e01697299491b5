#pragma once

#include "controls/gdi/geometry/GdiTypes.h"
#include "controls/gdi/geometry/ToolkitTypes.h"

#include <vector>

namespace norvik::toolkit {

// Appends `width` rings of a 3-D frame inside rect and shrinks rect past them. Each ring draws
// its left and top edges in the first colour, then its right and bottom edges in the second,
// so the top-right and bottom-left corners end up in the second colour.
void appendFrame3D(std::vector<GdiLine>& lines, GdiRect& rect, TColor first, TColor second,
                   int width);

// The bevelled panel's own painting: outer bevel, border in the panel colour, inner bevel, and
// the face left inside them for the fill.
struct PanelPaint {
    std::vector<GdiLine> lines;
    GdiRect face;
};

struct PanelFrame {
    TBevelCut outer = bvNone;
    TBevelCut inner = bvNone;
    int bevelWidth = 1;
    int borderWidth = 0;
};

PanelPaint panelPaint(int width, int height, const PanelFrame& frame, TColor color);

// How many of the two bevels are drawn (any cut but bvNone draws).
int drawnBevelCount(TBevelCut outer, TBevelCut inner);

} // namespace norvik::toolkit
