#include "controls/gradpan/geometry/GradpanSizing.h"

#include <algorithm>

namespace norvik::gradpan {

namespace {

struct Edges {
    bool left = false;
    bool top = false;
    bool right = false;
    bool bottom = false;
};

Edges edgesOf(HitArea area) {
    switch (area) {
    case HitArea::Left:
        return {true, false, false, false};
    case HitArea::Right:
        return {false, false, true, false};
    case HitArea::Top:
        return {false, true, false, false};
    case HitArea::Bottom:
        return {false, false, false, true};
    case HitArea::TopLeft:
        return {true, true, false, false};
    case HitArea::TopRight:
        return {false, true, true, false};
    case HitArea::BottomLeft:
        return {true, false, false, true};
    case HitArea::BottomRight:
        return {false, false, true, true};
    case HitArea::Nowhere:
    case HitArea::Caption:
        break;
    }
    return {};
}

} // namespace

HitArea hitTest(int x, int y, int width, int height, int margin) {
    const bool left = x < margin;
    const bool right = width - x < margin;
    const bool top = y < margin;
    const bool bottom = height - y < margin;
    if (left) {
        return top ? HitArea::TopLeft : bottom ? HitArea::BottomLeft : HitArea::Left;
    }
    if (right) {
        return top ? HitArea::TopRight : bottom ? HitArea::BottomRight : HitArea::Right;
    }
    if (top) {
        return HitArea::Top;
    }
    return bottom ? HitArea::Bottom : HitArea::Caption;
}

GdiRect draggedBounds(HitArea area, const GdiRect& start, int dx, int dy, int minimumSize) {
    if (area == HitArea::Caption) {
        return {start.left + dx, start.top + dy, start.right + dx, start.bottom + dy};
    }
    const Edges edges = edgesOf(area);
    GdiRect bounds = start;
    if (edges.left) {
        bounds.left = std::min(start.left + dx, start.right - minimumSize);
    }
    if (edges.right) {
        bounds.right = std::max(start.right + dx, start.left + minimumSize);
    }
    if (edges.top) {
        bounds.top = std::min(start.top + dy, start.bottom - minimumSize);
    }
    if (edges.bottom) {
        bounds.bottom = std::max(start.bottom + dy, start.top + minimumSize);
    }
    return bounds;
}

} // namespace norvik::gradpan
