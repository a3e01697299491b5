#include "controls/gradpan/geometry/GradpanBackground.h"
#include "controls/gradpan/geometry/GradpanCaption.h"
#include "controls/gradpan/geometry/GradpanFrame.h"
#include "controls/gradpan/geometry/GradpanSizing.h"

#include <gtest/gtest.h>

#include <vector>

namespace norvik {
namespace {

using namespace gradpan;
using toolkit::taCenter;
using toolkit::taLeftJustify;
using toolkit::taRightJustify;

TEST(GradpanColorTable, TruncatesEveryStepAndStopsShortOfTheEndColour) {
    const ColorTable up = buildColorTable(clBlack, tcolor::rgb(200, 0, 0));
    EXPECT_EQ(up[0], clBlack);
    EXPECT_EQ(up[1], tcolor::rgb(2, 0, 0));
    EXPECT_EQ(up[99], tcolor::rgb(198, 0, 0)) << "99/100 of the way, never 200";

    const ColorTable down = buildColorTable(clWhite, clBlack);
    EXPECT_EQ(down[1], tcolor::rgb(252, 252, 252)) << "255 - 2.55 truncates to 252";
    EXPECT_EQ(down[99], tcolor::rgb(2, 2, 2)) << "255 - 252.45 truncates to 2";

    const ColorTable same = buildColorTable(7099731, 7099731);
    for (TColor entry : same) {
        EXPECT_EQ(entry, 7099731u);
    }
}

TEST(GradpanColorTable, ReadsOnlyTheColourBytes) {
    EXPECT_EQ(buildColorTable(clBtnFace, clBtnFace)[50], tcolor::rgb(15, 0, 0));
}

TEST(GradpanBands, FollowMulDivRoundingHalvesAwayFromZero) {
    // On 50 rows band k ends at k / 2 rounded away from zero, so every odd band is empty and
    // row r belongs to band 2r.
    EXPECT_EQ(rowBand(0, 30, 50), (GdiRect{0, 0, 30, 1}));
    EXPECT_EQ(rowBand(1, 30, 50), (GdiRect{0, 1, 30, 1}));
    EXPECT_EQ(rowBand(2, 30, 50), (GdiRect{0, 1, 30, 2}));
    EXPECT_EQ(rowBand(99, 30, 50), (GdiRect{0, 50, 30, 50}));
    EXPECT_EQ(columnBand(3, 814, 36), (GdiRect{24, 0, 33, 36}));
    EXPECT_EQ(columnBand(99, 814, 36), (GdiRect{806, 0, 814, 36}));
}

TEST(GradpanBands, MirroredBandsRunOddEntriesInAndEvenEntriesOut) {
    const std::vector<std::pair<int, int>> bandToEntry{{0, 1},   {1, 3},  {49, 99}, {50, 98},
                                                       {51, 96}, {98, 2}, {99, 0}};
    for (const auto& [band, entry] : bandToEntry) {
        EXPECT_EQ(mirroredEntry(band), entry) << "band " << band;
    }
}

struct EffectCase {
    TDirection effect;
    int band;
    GdiRect rect;
    TColor color;
};

TEST(GradpanBands, EachEffectPicksItsTableDirectionAndLayout) {
    const TColor start = clBlack;
    const TColor end = tcolor::rgb(200, 0, 0);
    const auto red = [](int r) { return tcolor::rgb(static_cast<std::uint8_t>(r), 0, 0); };
    const EffectCase cases[] = {
        {bdUp, 0, {0, 0, 100, 1}, red(0)},          {bdUp, 99, {0, 99, 100, 100}, red(198)},
        {bdDown, 0, {0, 0, 100, 1}, red(200)},      {bdDown, 99, {0, 99, 100, 100}, red(2)},
        {bdLeft, 0, {0, 0, 1, 100}, red(0)},        {bdRight, 0, {0, 0, 1, 100}, red(200)},
        {bdHorzIn, 0, {0, 0, 100, 1}, red(2)},      {bdHorzIn, 49, {0, 49, 100, 50}, red(198)},
        {bdHorzIn, 50, {0, 50, 100, 51}, red(196)}, {bdHorzIn, 99, {0, 99, 100, 100}, red(0)},
        {bdHorzOut, 0, {0, 0, 100, 1}, red(198)},   {bdHorzOut, 99, {0, 99, 100, 100}, red(200)},
        {bdVertIn, 0, {0, 0, 1, 100}, red(2)},      {bdVertOut, 99, {99, 0, 100, 100}, red(200)},
    };
    for (const auto& c : cases) {
        const std::vector<GdiFill> fills = gradientFills(c.effect, start, end, 100, 100);
        ASSERT_EQ(fills.size(), 100u) << int(c.effect);
        const GdiFill& band = fills[static_cast<std::size_t>(c.band)];
        EXPECT_EQ(band.rect, c.rect) << int(c.effect) << " band " << c.band;
        EXPECT_EQ(band.color, c.color) << int(c.effect) << " band " << c.band;
    }
    EXPECT_TRUE(gradientFills(bdFlat, start, end, 100, 100).empty());
    EXPECT_TRUE(gradientFills(bdTileImage, start, end, 100, 100).empty());
}

TEST(GradpanImage, TilesFromTheInsetWithOneSpareColumnAndRow) {
    const std::vector<GdiPoint> tiles = tilePositions(120, 36, 0, 50, 50);
    EXPECT_EQ(tiles, (std::vector<GdiPoint>{{0, 0}, {50, 0}, {100, 0}}));
    EXPECT_EQ(tilePositions(100, 50, 0, 50, 50).size(), 6u) << "an exact fit still adds one";
    EXPECT_EQ(tilePositions(120, 36, 3, 50, 50).front(), (GdiPoint{3, 3}));
    EXPECT_TRUE(tilePositions(10, 10, 30, 50, 50).empty()) << "no columns left";
}

TEST(GradpanImage, InsetAndStretchTarget) {
    EXPECT_EQ(imageInset(false, 2, 3), 0);
    EXPECT_EQ(imageInset(true, 2, 3), 7);
    EXPECT_EQ(stretchTarget(120, 36, 0), (GdiRect{0, 0, 119, 35}));
    EXPECT_EQ(stretchTarget(120, 36, 3), (GdiRect{3, 3, 116, 32}));
}

struct AnchorCase {
    const char* name;
    TTextRotation rotation;
    toolkit::TAlignment alignment;
    TVertAlign vertAlign;
    CaptionAnchor anchor;
};

TEST(GradpanCaption, AnchorTable) {
    // W 201, H 61, border 2, bevel 3, text height 13: odd sizes expose truncating divisions.
    const CaptionLayout layout{201, 61, 2, 3, 13};
    const AnchorCase cases[] = {
        {"level left top", trNone, taLeftJustify, vlTop, {{7, 7}, TextAnchor::Left, 0}},
        {"level right centre", trNone, taRightJustify, vlCenter, {{194, 24}, TextAnchor::Right, 0}},
        {"level centre bottom", trNone, taCenter, VlBottom, {{100, 42}, TextAnchor::Center, 0}},
        {"up left top", TrUp, taLeftJustify, vlTop, {{7, 7}, TextAnchor::Right, 90}},
        {"up right centre", TrUp, taRightJustify, vlCenter, {{182, 24}, TextAnchor::Center, 90}},
        {"up centre bottom", TrUp, taCenter, VlBottom, {{94, 55}, TextAnchor::Left, 90}},
        {"down left top", TrDown, taLeftJustify, vlTop, {{19, 6}, TextAnchor::Left, 270}},
        {"down right centre",
         TrDown,
         taRightJustify,
         vlCenter,
         {{194, 24}, TextAnchor::Center, 270}},
        {"down centre bottom", TrDown, taCenter, VlBottom, {{106, 54}, TextAnchor::Right, 270}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(captionAnchor(c.rotation, c.alignment, c.vertAlign, layout), c.anchor) << c.name;
    }
}

struct PassCase {
    TTextEffect effect;
    std::vector<CaptionPass> passes;
};

TEST(GradpanCaption, EffectsWriteTheirPassesInOrderWithTheFontColourLast) {
    constexpr auto S = PassColor::Shadow;
    constexpr auto B = PassColor::Black;
    constexpr auto F = PassColor::Font;
    const PassCase cases[] = {
        {tenone, {{0, 0, S}}},
        {teShadow, {{1, 1, S}, {0, 0, F}}},
        {teRaised, {{-1, 0, S}, {0, -1, S}, {1, 0, B}, {0, 1, B}, {0, 0, F}}},
        {teLowered, {{1, 0, S}, {0, 1, S}, {-1, 0, B}, {0, -1, B}, {0, 0, F}}},
        {teEmbossed, {{-1, 0, S}, {1, 0, S}, {0, -1, S}, {0, 1, S}, {0, 0, F}}},
    };
    for (const auto& c : cases) {
        const auto passes = captionPasses(c.effect);
        EXPECT_EQ(std::vector<CaptionPass>(passes.begin(), passes.end()), c.passes)
            << int(c.effect);
    }
}

TEST(GradpanFrame, RaisedOuterAndLoweredInnerWithBorderRectangles) {
    const FramePaint paint =
        framePaint({40, 30, 2, 1, toolkit::bvRaised, toolkit::bvLowered, true});
    const std::vector<GdiLine> expected{
        {{0, 0}, {40, 0}, clWhite},   {{0, 0}, {0, 30}, clWhite},   {{0, 29}, {40, 29}, clGray},
        {{39, 29}, {39, 0}, clGray},  {{3, 3}, {37, 3}, clGray},    {{3, 3}, {3, 27}, clGray},
        {{3, 26}, {37, 26}, clWhite}, {{36, 26}, {36, 3}, clWhite},
    };
    EXPECT_EQ(paint.lines, expected);
    EXPECT_EQ(paint.borderFrames, (std::vector<GdiRect>{{1, 1, 39, 29}, {2, 2, 38, 28}}));
}

TEST(GradpanFrame, WithoutOuterBevelTheInnerStartsOnePixelIn) {
    const FramePaint paint = framePaint({40, 30, 0, 2, toolkit::bvNone, toolkit::bvSpace, false});
    ASSERT_EQ(paint.lines.size(), 8u);
    EXPECT_EQ(paint.lines[0], (GdiLine{{1, 1}, {39, 1}, clGray})) << "any cut but raised: grey";
    EXPECT_EQ(paint.lines[7], (GdiLine{{37, 28}, {37, 2}, clWhite}))
        << "the second ring's right edge starts at the first ring's bottom";
    EXPECT_TRUE(paint.borderFrames.empty()) << "the border rectangles need the 3-D flag";
}

struct HitCase {
    const char* name;
    int x;
    int y;
    int width;
    HitArea area;
};

TEST(GradpanSizing, HitTestTableWithMarge6) {
    // Height 40: the top margin is y < 6, the bottom one y > 34; likewise across the width.
    const HitCase cases[] = {
        {"top-left corner", 5, 5, 100, HitArea::TopLeft},
        {"bottom-left corner", 0, 35, 100, HitArea::BottomLeft},
        {"left edge", 5, 6, 100, HitArea::Left},
        {"left edge above the bottom margin", 5, 34, 100, HitArea::Left},
        {"top-right corner", 95, 0, 100, HitArea::TopRight},
        {"bottom-right corner", 99, 39, 100, HitArea::BottomRight},
        {"right edge", 95, 20, 100, HitArea::Right},
        {"94 is still inside", 94, 20, 100, HitArea::Caption},
        {"top edge", 50, 5, 100, HitArea::Top},
        {"bottom edge", 50, 35, 100, HitArea::Bottom},
        {"inside", 6, 6, 100, HitArea::Caption},
        {"left wins over right on a narrow panel", 5, 20, 10, HitArea::Left},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(hitTest(c.x, c.y, c.width, 40, 6), c.area) << c.name;
    }
}

struct DragCase {
    const char* name;
    HitArea area;
    int dx;
    int dy;
    GdiRect bounds;
};

TEST(GradpanSizing, DraggingMovesOrResizes) {
    const GdiRect start{10, 20, 110, 60};
    const DragCase cases[] = {
        {"the inside moves the panel", HitArea::Caption, -4, 7, {6, 27, 106, 67}},
        {"the top-left corner moves two edges", HitArea::TopLeft, -4, -3, {6, 17, 110, 60}},
        {"the right edge moves alone", HitArea::Right, 5, 9, {10, 20, 115, 60}},
        {"the bottom-left corner", HitArea::BottomLeft, 3, 2, {13, 20, 110, 62}},
        {"an edge stops at the minimum size", HitArea::Left, 95, 0, {98, 20, 110, 60}},
        {"so does the bottom", HitArea::Bottom, 0, -50, {10, 20, 110, 32}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(draggedBounds(c.area, start, c.dx, c.dy, 12), c.bounds) << c.name;
    }
}

} // namespace
} // namespace norvik
