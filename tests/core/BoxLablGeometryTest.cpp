#include "controls/boxlabl/geometry/BoxLablGeometry.h"

#include <gtest/gtest.h>

#include <optional>

namespace norvik {
namespace {

using namespace boxlabl;
using toolkit::taCenter;
using toolkit::taLeftJustify;
using toolkit::taRightJustify;

struct FrameCase {
    const char* name;
    FrameStyle style;
    std::size_t lines;
    std::optional<GdiRect> border;
    int inset;
};

TEST(BoxLablFrame, TheInsetCountsOnlyWhatIsDrawnAndTheBorderSitsInsideTheOuterBevel) {
    // A 70 × 20 box.
    const FrameCase cases[] = {
        {"a single border alone frames the box",
         {bvNone, bvNone, 1, bsSingle},
         0,
         GdiRect{0, 0, 70, 20},
         1},
        {"BevelWidth 0 draws no line and adds nothing",
         {bvRaised, bvLowered, 0, bsNone},
         0,
         std::nullopt,
         0},
        {"a bevel set to none adds nothing", {bvNone, bvLowered, 3, bsNone}, 12, std::nullopt, 3},
        {"the border lies inside the outer bevel",
         {bvRaised, bvNone, 2, bsSingle},
         8,
         GdiRect{2, 2, 68, 18},
         3},
        {"bevels and border add up",
         {bvRaised, bvLowered, 2, bsSingle},
         16,
         GdiRect{2, 2, 68, 18},
         5},
    };
    for (const auto& c : cases) {
        const FramePaint paint = framePaint(70, 20, c.style);
        EXPECT_EQ(paint.outerLines.size() + paint.innerLines.size(), c.lines) << c.name;
        EXPECT_EQ(paint.border, c.border) << c.name;
        EXPECT_EQ(paint.inset, c.inset) << c.name;
    }
}

struct BoxCase {
    const char* name;
    TextPlacement placement;
    GdiRect box;
};

TEST(BoxLablText, PlacesAndClampsTheTextBox) {
    const BoxCase cases[] = {
        {"55 × 15, border: centre 1.5 rounds to the even 2",
         {55, 15, 1, 30, 12, taCenter, haCenter},
         {1, 2, 54, 14}},
        {"centre 2.5 rounds to the even 2",
         {70, 20, 2, 30, 15, taCenter, haCenter},
         {2, 2, 68, 17}},
        {"centre 3.5 rounds to 4", {70, 21, 2, 30, 14, taCenter, haCenter}, {2, 4, 68, 18}},
        {"left text starts at twice the inset",
         {70, 20, 2, 30, 12, taLeftJustify, haTop},
         {4, 2, 34, 14}},
        {"right text ends at CW - 2d - 1",
         {70, 20, 2, 30, 12, taRightJustify, haBottom},
         {35, 6, 65, 18}},
        {"a wide left text is clamped at the right",
         {70, 20, 2, 80, 12, taLeftJustify, haTop},
         {4, 2, 68, 14}},
        {"a wide right text is clamped at the left",
         {70, 20, 2, 80, 12, taRightJustify, haTop},
         {2, 2, 65, 14}},
        {"a tall centred text is clamped top and bottom",
         {70, 20, 2, 30, 30, taCenter, haCenter},
         {2, 2, 68, 18}},
        {"a tall bottom text is clamped at the top",
         {70, 20, 2, 30, 30, taCenter, haBottom},
         {2, 2, 68, 18}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(textBox(c.placement), c.box) << c.name;
    }
}

} // namespace
} // namespace norvik
