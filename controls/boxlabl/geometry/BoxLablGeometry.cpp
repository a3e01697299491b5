#include "controls/boxlabl/geometry/BoxLablGeometry.h"

#include "money/Extended.h"

#include <algorithm>

namespace norvik::boxlabl {

namespace {

struct BevelColors {
    TColor first;
    TColor second;
};

BevelColors colorsOf(TBevelStyle style) {
    if (style == bvLowered) {
        return {clBtnShadow, clWhite};
    }
    return {clWhite, clBtnShadow};
}

// Ring i of a bevel whose outermost ring lies o pixels in: two polylines, the first colour
// along the top from the right and down the left, the second down the right and along the
// bottom to the left.
void appendRing(std::vector<GdiLine>& lines, int w, int h, int o, int i, BevelColors c) {
    const GdiPoint topRight{w - 1 - i - o, o + i};
    const GdiPoint topLeft{o + i, o + i};
    const GdiPoint bottomRight{w - 1 - i - o, h - 1 - i - o};
    lines.push_back({topRight, topLeft, c.first});
    lines.push_back({topLeft, {o + i, h - i - o}, c.first});
    lines.push_back({topRight, bottomRight, c.second});
    lines.push_back({bottomRight, {o + i, h - 1 - i - o}, c.second});
}

int appendBevel(std::vector<GdiLine>& lines, int w, int h, int o, TBevelStyle style,
                int bevelWidth) {
    if (style == bvNone) {
        return 0;
    }
    for (int i = 0; i < bevelWidth; ++i) {
        appendRing(lines, w, h, o, i, colorsOf(style));
    }
    return bevelWidth;
}

int verticalTop(const TextPlacement& p) {
    switch (p.verticalAlignment) {
    case haTop:
        return p.inset;
    case haBottom:
        return p.clientHeight - p.textHeight - p.inset;
    case haCenter:
        break;
    }
    const Extended top = static_cast<Extended>(p.clientHeight) / 2 - p.textHeight / 2.0L;
    return static_cast<int>(roundHalfEven(top));
}

struct Span {
    int from;
    int to;
};

Span horizontalSpan(const TextPlacement& p) {
    const int d = p.inset;
    switch (p.alignment) {
    case toolkit::taLeftJustify:
        return {2 * d, p.textWidth + 2 * d};
    case toolkit::taRightJustify:
        return {p.clientWidth - p.textWidth - 2 * d - 1, p.clientWidth - 2 * d - 1};
    case toolkit::taCenter:
        break;
    }
    return {d, p.clientWidth - d};
}

} // namespace

FramePaint framePaint(int width, int height, const FrameStyle& style) {
    FramePaint paint;
    int o = appendBevel(paint.outerLines, width, height, 0, style.outer, style.bevelWidth);
    if (style.border == bsSingle) {
        paint.border = GdiRect{o, o, width - o, height - o};
        ++o;
    }
    o += appendBevel(paint.innerLines, width, height, o, style.inner, style.bevelWidth);
    paint.inset = o;
    return paint;
}

GdiRect textBox(const TextPlacement& p) {
    const int top = verticalTop(p);
    const int bottom =
        p.verticalAlignment == haBottom ? p.clientHeight - p.inset : p.textHeight + top;
    const Span span = horizontalSpan(p);
    const int d = p.inset;
    return {std::max(span.from, d), std::max(top, d), std::min(span.to, p.clientWidth - d),
            std::min(bottom, p.clientHeight - d)};
}

} // namespace norvik::boxlabl
