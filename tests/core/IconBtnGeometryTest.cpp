#include "controls/iconbtn/geometry/IconBtnGeometry.h"
#include "controls/gdi/geometry/PanelGeometry.h"

#include <gtest/gtest.h>

namespace norvik {
namespace {

using namespace iconbtn;
using namespace toolkit;

struct IconCase {
    const char* name;
    int width;
    int height;
    bool stretch;
    int drawnBevels;
    GdiRect rect;
};

TEST(IconBtnGeometry, PlacesTheIcon) {
    const IconCase cases[] = {
        {"57 × 35 centres a 32 × 32 icon at (12, 1)", 57, 35, false, 0, {12, 1, 44, 33}},
        {"36 × 36 centres it at (2, 2)", 36, 36, false, 2, {2, 2, 34, 34}},
        {"49 × 41 centres it at (8, 4)", 49, 41, false, 0, {8, 4, 40, 36}},
        {"stretched inside two bevels", 36, 36, true, 2, {2, 2, 34, 34}},
        {"stretched inside one bevel", 36, 36, true, 1, {1, 1, 35, 35}},
        {"stretched with no bevel fills the button", 57, 35, true, 0, {0, 0, 57, 35}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(iconRect(c.width, c.height, c.stretch, c.drawnBevels), c.rect) << c.name;
    }
}

TEST(PanelGeometry, DrawnBevelsCountEveryCutButNone) {
    EXPECT_EQ(drawnBevelCount(bvNone, bvNone), 0);
    EXPECT_EQ(drawnBevelCount(bvRaised, bvNone), 1);
    EXPECT_EQ(drawnBevelCount(bvNone, bvSpace), 1);
    EXPECT_EQ(drawnBevelCount(bvLowered, bvRaised), 2);
}

TEST(PanelGeometry, AThreeDFrameDrawsLeftAndTopFirstAndShrinksPerRing) {
    std::vector<GdiLine> lines;
    GdiRect rect{0, 0, 10, 8};
    appendFrame3D(lines, rect, clWhite, clGray, 2);
    EXPECT_EQ(rect, (GdiRect{2, 2, 8, 6}));
    const std::vector<GdiLine> expected{
        {{0, 7}, {0, 0}, clWhite}, {{0, 0}, {10, 0}, clWhite}, {{9, 0}, {9, 7}, clGray},
        {{9, 7}, {-1, 7}, clGray}, {{1, 6}, {1, 1}, clWhite},  {{1, 1}, {9, 1}, clWhite},
        {{8, 1}, {8, 6}, clGray},  {{8, 6}, {0, 6}, clGray},
    };
    EXPECT_EQ(lines, expected);
}

TEST(PanelGeometry, BordersSitBetweenTheBevelsAndTheFaceIsWhatIsLeft) {
    const PanelPaint paint = panelPaint(36, 36, {bvRaised, bvLowered, 1, 2}, clTeal);
    EXPECT_EQ(paint.face, (GdiRect{4, 4, 32, 32}));
    ASSERT_EQ(paint.lines.size(), 16u);
    EXPECT_EQ(paint.lines[0].color, clBtnHighlight) << "raised outer bevel: light top-left";
    EXPECT_EQ(paint.lines[2].color, clBtnShadow);
    EXPECT_EQ(paint.lines[4].color, clTeal) << "border rings in the panel colour";
    EXPECT_EQ(paint.lines[12].color, clBtnShadow) << "lowered inner bevel: dark top-left";
    EXPECT_EQ(paint.lines[12].from, (GdiPoint{3, 32}));
}

} // namespace
} // namespace norvik
