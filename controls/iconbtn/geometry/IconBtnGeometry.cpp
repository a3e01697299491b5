#include "controls/iconbtn/geometry/IconBtnGeometry.h"

namespace norvik::iconbtn {

using namespace toolkit;

Bevels restingBevels(TButtonStyle style) {
    switch (style) {
    case bsLowered:
        return {bvNone, bvLowered};
    case bsRaised:
        return {bvRaised, bvNone};
    case bsFrame:
        return {bvLowered, bvRaised};
    case bsGroove:
        return {bvRaised, bvLowered};
    case bsNone:
    case bsIELike:
        break;
    }
    return {bvNone, bvNone};
}

BevelChange pressedLook(TButtonStyle style, bool pressed, bool mouseInside) {
    switch (style) {
    case bsLowered:
        return {BevelSide::Inner, pressed ? bvLowered : bvNone};
    case bsRaised:
        // The release raises the outer bevel although it rests flat: after the first press
        // such a button shows both bevels raised.
        return {BevelSide::Outer, pressed ? bvLowered : bvRaised};
    case bsFrame:
        return {BevelSide::Outer, pressed ? bvNone : bvRaised};
    case bsGroove:
        return {BevelSide::Inner, pressed ? bvNone : bvRaised};
    case bsIELike:
        if (pressed) {
            return {BevelSide::Outer, bvLowered};
        }
        return {BevelSide::Outer, mouseInside ? bvRaised : bvNone};
    case bsNone:
        break;
    }
    return {BevelSide::Outer, pressed ? bvLowered : bvNone};
}

GdiRect iconRect(int width, int height, bool stretch, int drawnBevels) {
    if (stretch) {
        const int k = drawnBevels;
        return {k, k, width - k, height - k};
    }
    constexpr int kIconSize = 32;
    const int left = width / 2 - kIconSize / 2;
    const int top = height / 2 - kIconSize / 2;
    return {left, top, left + kIconSize, top + kIconSize};
}

} // namespace norvik::iconbtn
