#include "controls/gradpan/geometry/GradpanFrame.h"

namespace norvik::gradpan {

namespace {

using toolkit::TBevelCut;

struct BevelColors {
    TColor first;
    TColor second;
};

BevelColors colorsOf(TBevelCut cut) {
    if (cut == toolkit::bvRaised) {
        return {clWhite, clGray};
    }
    return {clGray, clWhite};
}

void appendOuter(std::vector<GdiLine>& lines, const FrameLayout& l) {
    const BevelColors c = colorsOf(l.outer);
    const int w = l.width;
    const int h = l.height;
    for (int i = 0; i < l.bevelWidth; ++i) {
        lines.push_back({{i, i}, {w, i}, c.first});
        lines.push_back({{i, i}, {i, h}, c.first});
    }
    for (int i = 0; i < l.bevelWidth; ++i) {
        lines.push_back({{i, h - 1 - i}, {w - i, h - 1 - i}, c.second});
        lines.push_back({{w - 1 - i, h - 1 - i}, {w - 1 - i, i}, c.second});
    }
}

void appendInner(std::vector<GdiLine>& lines, const FrameLayout& l, int s) {
    const BevelColors c = colorsOf(l.inner);
    const int w = l.width;
    const int h = l.height;
    for (int i = 0; i < l.bevelWidth; ++i) {
        lines.push_back({{s + i, s + i}, {w - s - i, s + i}, c.first});
        lines.push_back({{s + i, s + i}, {s + i, h - s - i}, c.first});
        lines.push_back({{s + i, h - s - i - 1}, {w - s - i, h - s - i - 1}, c.second});
        // The right edge starts from the innermost bottom row whatever the ring.
        lines.push_back({{w - s - i - 1, h - s - 1}, {w - s - i - 1, s + i}, c.second});
    }
}

std::vector<GdiRect> borderFrames(const FrameLayout& l) {
    std::vector<GdiRect> frames;
    if (!l.ctl3D || l.inner == toolkit::bvNone) {
        return frames;
    }
    const int a = l.outer != toolkit::bvNone ? l.bevelWidth - 1 : 0;
    for (int i = 1; i <= l.borderWidth; ++i) {
        frames.push_back({i + a, i + a, l.width - i - a, l.height - i - a});
    }
    return frames;
}

} // namespace

FramePaint framePaint(const FrameLayout& layout) {
    FramePaint paint;
    if (layout.outer != toolkit::bvNone) {
        appendOuter(paint.lines, layout);
    }
    const int s = (layout.outer != toolkit::bvNone ? layout.bevelWidth : 1) + layout.borderWidth;
    if (layout.inner != toolkit::bvNone) {
        appendInner(paint.lines, layout, s);
    }
    paint.borderFrames = borderFrames(layout);
    return paint;
}

} // namespace norvik::gradpan
