#pragma once

#include "controls/gdi/geometry/GdiTypes.h"
#include "controls/gdi/geometry/ToolkitTypes.h"

#include <vector>

namespace norvik::gradpan {

struct FrameLayout {
    int width = 0;
    int height = 0;
    int borderWidth = 0;
    int bevelWidth = 1;
    toolkit::TBevelCut outer = toolkit::bvNone;
    toolkit::TBevelCut inner = toolkit::bvNone;
    bool ctl3D = false;
};

// The frame drawn over everything else: white and grey bevel lines (plain RGB, whatever the
// desktop's colours), then with the panel's own 3-D flag the border rectangles, which are
// framed in the panel colour.
struct FramePaint {
    std::vector<GdiLine> lines;
    std::vector<GdiRect> borderFrames;
};

FramePaint framePaint(const FrameLayout& layout);

} // namespace norvik::gradpan
