#pragma once

#include "controls/gdi/geometry/GdiTypes.h"
#include "controls/gdi/geometry/ToolkitTypes.h"
#include "controls/gradpan/geometry/GradpanTypes.h"

#include <span>

namespace norvik::gradpan {

struct CaptionLayout {
    int width = 0;
    int height = 0;
    int borderWidth = 0;
    int bevelWidth = 0;
    int textHeight = 0; // the font's cell height
};

// Where the caption is anchored, which point of the text the anchor names (always at the text's
// top) and the angle in degrees, counter-clockwise.
struct CaptionAnchor {
    GdiPoint point;
    TextAnchor anchor = TextAnchor::Left;
    int angle = 0;

    friend bool operator==(const CaptionAnchor&, const CaptionAnchor&) = default;
};

CaptionAnchor captionAnchor(TTextRotation rotation, toolkit::TAlignment alignment,
                            TVertAlign vertAlign, const CaptionLayout& layout);

// One writing of the caption, offset from the anchor, in one of three colours.
enum class PassColor : unsigned char { Shadow, Black, Font };

struct CaptionPass {
    int dx = 0;
    int dy = 0;
    PassColor color = PassColor::Font;

    friend bool operator==(const CaptionPass&, const CaptionPass&) = default;
};

// The passes of an effect in drawing order; the last one lands on top.
std::span<const CaptionPass> captionPasses(TTextEffect effect);

// A rotated caption goes through a 256-byte buffer, so it is cut to this many bytes.
constexpr int kRotatedCaptionBytes = 255;

} // namespace norvik::gradpan
