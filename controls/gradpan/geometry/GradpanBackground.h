#pragma once

#include "controls/gdi/geometry/GdiTypes.h"
#include "controls/gradpan/geometry/GradpanTypes.h"

#include <array>
#include <vector>

namespace norvik::gradpan {

constexpr int kGradientSteps = 100;
using ColorTable = std::array<TColor, kGradientSteps>;

// The 100 gradient colours from `from` towards `to`, each channel truncated. The last entry
// stops one step short of `to`, so `to` itself is never reached unless a channel is equal in
// both colours. System-colour flags are ignored: only the low three bytes count.
ColorTable buildColorTable(TColor from, TColor to);

GdiRect rowBand(int band, int width, int height);
GdiRect columnBand(int band, int width, int height);

// The mirrored painters run the odd entries outwards-in and the even ones back out, so both
// edges sit near the first colour and the middle near the second.
int mirroredEntry(int band);

bool isGradient(TDirection effect);
bool isImage(TDirection effect);

// The bands of a gradient effect with their colours; empty for the flat and image effects.
std::vector<GdiFill> gradientFills(TDirection effect, TColor start, TColor end, int width,
                                   int height);

// The margin the image modes leave free: the bevels and border, but only with the panel's own
// 3-D flag.
int imageInset(bool ctl3D, int bevelWidth, int borderWidth);

// The stretched image's target; it stops one pixel short of the right and bottom margins.
GdiRect stretchTarget(int width, int height, int inset);

// Top-left corners of the tiles, row by row; tiles are not clipped to the inset.
std::vector<GdiPoint> tilePositions(int width, int height, int inset, int tileWidth,
                                    int tileHeight);

} // namespace norvik::gradpan
