#pragma once

#include "controls/gdi/geometry/GdiTypes.h"
#include "controls/gdi/geometry/ToolkitTypes.h"

#include <cstdint>
#include <optional>
#include <vector>

// The box label's own enumerations. Their value order differs from the toolkit's like-named
// ones, which is why they live in a namespace of their own.
namespace norvik::boxlabl {

enum TBevelStyle : std::uint8_t { bvRaised, bvNone, bvLowered };

enum TBorderStyle : std::uint8_t { bsSingle, bsNone };

// Despite the name, the vertical placement of the text.
enum THorizontalAlignment : std::uint8_t { haTop, haCenter, haBottom };

struct FrameStyle {
    TBevelStyle outer = bvRaised;
    TBevelStyle inner = bvLowered;
    int bevelWidth = 1;
    TBorderStyle border = bsNone;
};

// The frame of the box in drawing order (outer bevel, border rectangle drawn in black over the
// label colour, inner bevel) and the inset it leaves for the text: the widths of the drawn
// bevels plus one for a border.
struct FramePaint {
    std::vector<GdiLine> outerLines;
    std::optional<GdiRect> border;
    std::vector<GdiLine> innerLines;
    int inset = 0;
};

FramePaint framePaint(int width, int height, const FrameStyle& style);

struct TextPlacement {
    int clientWidth = 0;
    int clientHeight = 0;
    int inset = 0;
    int textWidth = 0;
    int textHeight = 0;
    toolkit::TAlignment alignment = toolkit::taCenter;
    THorizontalAlignment verticalAlignment = haCenter;
};

// The box the text is drawn into, placed by both alignments and clamped to the inset.
GdiRect textBox(const TextPlacement& placement);

// The text goes through a 256-byte buffer, so it is cut to this many bytes.
constexpr int kCaptionBytes = 255;

} // namespace norvik::boxlabl
