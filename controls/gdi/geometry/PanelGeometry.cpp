#include "controls/gdi/geometry/PanelGeometry.h"

namespace norvik::toolkit {

namespace {

void appendRing(std::vector<GdiLine>& lines, const GdiRect& r, TColor first, TColor second) {
    const int right = r.right - 1;
    const int bottom = r.bottom - 1;
    lines.push_back({{r.left, bottom}, {r.left, r.top}, first});
    lines.push_back({{r.left, r.top}, {r.right, r.top}, first});
    lines.push_back({{right, r.top}, {right, bottom}, second});
    lines.push_back({{right, bottom}, {r.left - 1, bottom}, second});
}

void appendBevel(std::vector<GdiLine>& lines, GdiRect& rect, TBevelCut cut, int width) {
    if (cut == bvNone) {
        return;
    }
    const bool lowered = cut == bvLowered;
    appendFrame3D(lines, rect, lowered ? clBtnShadow : clBtnHighlight,
                  lowered ? clBtnHighlight : clBtnShadow, width);
}

} // namespace

void appendFrame3D(std::vector<GdiLine>& lines, GdiRect& rect, TColor first, TColor second,
                   int width) {
    for (int ring = 0; ring < width; ++ring) {
        appendRing(lines, rect, first, second);
        rect = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    }
}

PanelPaint panelPaint(int width, int height, const PanelFrame& frame, TColor color) {
    PanelPaint paint{{}, {0, 0, width, height}};
    appendBevel(paint.lines, paint.face, frame.outer, frame.bevelWidth);
    appendFrame3D(paint.lines, paint.face, color, color, frame.borderWidth);
    appendBevel(paint.lines, paint.face, frame.inner, frame.bevelWidth);
    return paint;
}

int drawnBevelCount(TBevelCut outer, TBevelCut inner) {
    return (outer != bvNone ? 1 : 0) + (inner != bvNone ? 1 : 0);
}

} // namespace norvik::toolkit
