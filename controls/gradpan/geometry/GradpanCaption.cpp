#include "controls/gradpan/geometry/GradpanCaption.h"

#include <array>

namespace norvik::gradpan {

namespace {

using toolkit::TAlignment;

struct Axis {
    int position;
    TextAnchor anchor;
};

// Unrotated text: the alignment picks x and the reference point, the vertical alignment y.
CaptionAnchor level(TAlignment alignment, TVertAlign vertAlign, const CaptionLayout& l) {
    const int frame = l.borderWidth + l.bevelWidth;
    Axis x{l.width / 2, TextAnchor::Center};
    if (alignment == toolkit::taLeftJustify) {
        x = {frame + 2, TextAnchor::Left};
    } else if (alignment == toolkit::taRightJustify) {
        x = {l.width - frame - 2, TextAnchor::Right};
    }
    int y = l.height / 2 - l.textHeight / 2;
    if (vertAlign == vlTop) {
        y = frame + 2;
    } else if (vertAlign == VlBottom) {
        y = l.height - frame - l.textHeight - 1;
    }
    return {{x.position, y}, x.anchor, 0};
}

// Text reading upwards: x places the text's top edge, the vertical alignment picks y and the
// reference point along the text.
CaptionAnchor up(TAlignment alignment, TVertAlign vertAlign, const CaptionLayout& l) {
    const int frame = l.borderWidth + l.bevelWidth;
    int x = l.width / 2 - l.textHeight / 2;
    if (alignment == toolkit::taLeftJustify) {
        x = frame + 2;
    } else if (alignment == toolkit::taRightJustify) {
        x = l.width - frame - l.textHeight - 1;
    }
    Axis y{l.height / 2 - l.textHeight / 2, TextAnchor::Center};
    if (vertAlign == vlTop) {
        y = {frame + 2, TextAnchor::Right};
    } else if (vertAlign == VlBottom) {
        y = {l.height - frame - 1, TextAnchor::Left};
    }
    return {{x, y.position}, y.anchor, 90};
}

// Text reading downwards: the top edge faces right, so x is offset by the text height.
CaptionAnchor down(TAlignment alignment, TVertAlign vertAlign, const CaptionLayout& l) {
    const int frame = l.borderWidth + l.bevelWidth;
    int x = l.textHeight / 2 + l.width / 2;
    if (alignment == toolkit::taLeftJustify) {
        x = l.textHeight + frame + 1;
    } else if (alignment == toolkit::taRightJustify) {
        x = l.width - frame - 2;
    }
    Axis y{l.height / 2 - l.textHeight / 2, TextAnchor::Center};
    if (vertAlign == vlTop) {
        y = {frame + 1, TextAnchor::Left};
    } else if (vertAlign == VlBottom) {
        y = {l.height - frame - 2, TextAnchor::Right};
    }
    return {{x, y.position}, y.anchor, 270};
}

constexpr auto S = PassColor::Shadow;
constexpr auto B = PassColor::Black;
constexpr auto F = PassColor::Font;

constexpr std::array<CaptionPass, 1> kNone{{{0, 0, S}}};
constexpr std::array<CaptionPass, 2> kShadow{{{1, 1, S}, {0, 0, F}}};
constexpr std::array<CaptionPass, 5> kRaised{
    {{-1, 0, S}, {0, -1, S}, {1, 0, B}, {0, 1, B}, {0, 0, F}}};
constexpr std::array<CaptionPass, 5> kLowered{
    {{1, 0, S}, {0, 1, S}, {-1, 0, B}, {0, -1, B}, {0, 0, F}}};
constexpr std::array<CaptionPass, 5> kEmbossed{
    {{-1, 0, S}, {1, 0, S}, {0, -1, S}, {0, 1, S}, {0, 0, F}}};

} // namespace

CaptionAnchor captionAnchor(TTextRotation rotation, TAlignment alignment, TVertAlign vertAlign,
                            const CaptionLayout& layout) {
    switch (rotation) {
    case TrUp:
        return up(alignment, vertAlign, layout);
    case TrDown:
        return down(alignment, vertAlign, layout);
    case trNone:
        break;
    }
    return level(alignment, vertAlign, layout);
}

std::span<const CaptionPass> captionPasses(TTextEffect effect) {
    switch (effect) {
    case teShadow:
        return kShadow;
    case teRaised:
        return kRaised;
    case teLowered:
        return kLowered;
    case teEmbossed:
        return kEmbossed;
    case tenone:
        break;
    }
    return kNone;
}

} // namespace norvik::gradpan
