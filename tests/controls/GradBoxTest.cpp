#include "PixelTesting.h"

#include "controls/gradbox/GradBox.h"

#include <gtest/gtest.h>

#include <vector>

namespace norvik {
namespace {

constexpr TColor kTitleEnd = 10652814; // red 142, green 140, blue 162

struct StripPixel {
    const char* name;
    QSize size;
    QPoint at;
    QColor color;
};

// White to kTitleEnd (142, 140, 162) across, in 129 steps, as both windows' title strips.
TEST(GradBox, TheWindowsTitleStripsShowTheirBands) {
    const QColor end(142, 140, 162);
    const StripPixel pixels[] = {
        {"column 甲: band 0 is three pixels wide", {357, 35}, {0, 17}, {255, 255, 255}},
        {"column 甲: band 0 ends at x 2", {357, 35}, {2, 34}, {255, 255, 255}},
        {"column 甲: band 1 starts at x 3", {357, 35}, {3, 17}, {254, 254, 254}},
        {"column 甲: band 1 ends at x 5", {357, 35}, {5, 34}, {254, 254, 254}},
        {"column 甲: band 59 starts at x 177", {357, 35}, {177, 17}, {203, 202, 212}},
        {"column 甲: band 59 ends at x 179", {357, 35}, {179, 34}, {203, 202, 212}},
        {"column 甲: band 118 starts at x 354", {357, 35}, {354, 17}, {152, 150, 170}},
        {"column 甲: band 118 reaches the edge", {357, 35}, {356, 34}, {152, 150, 170}},
        {"column 乙: band 0", {159, 41}, {0, 20}, {255, 255, 255}},
        {"column 乙: one-pixel bands", {159, 41}, {1, 20}, {254, 254, 254}},
        {"column 乙: band 128", {159, 41}, {128, 20}, {143, 141, 163}},
        {"column 乙: band 129 is the end colour", {159, 41}, {129, 20}, end},
        {"column 乙: the rest in the last band's colour", {159, 41}, {130, 20}, end},
        {"column 乙: up to the far corner", {159, 41}, {158, 40}, end},
    };
    for (const auto& p : pixels) {
        TGradBox box;
        box.resize(p.size);
        box.setDirection(TGradBox::gdHorizontal);
        box.setEndColor(kTitleEnd);
        ASSERT_EQ(box.GradStep(), 128);
        EXPECT_EQ(renderImage(box).pixelColor(p.at), p.color) << p.name;
    }
}

TEST(GradBox, GradStepZeroFillsTheBoxWithTheStartColour) {
    TGradBox box;
    box.resize(30, 40);
    box.setStartColor(tcolor::rgb(10, 20, 30));
    box.setGradStep(0);
    const QImage image = renderImage(box);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(10, 20, 30));
    EXPECT_EQ(image.pixelColor(29, 39), QColor(10, 20, 30));
}

struct ThresholdCase {
    const char* name;
    int height;
    std::uint8_t gradStep;
    int row;
    QColor color;
};

TEST(GradBox, BandsAreOnePixelBelowOneAndAHalf) {
    // Black to (200, 200, 200), vertical.
    const ThresholdCase cases[] = {
        {"1.5 rounds to 2: row 2 is band 1, half way", 3, 1, 2, {100, 100, 100}},
        {"2.5 rounds to 2: row 4 is band 2, the end colour", 5, 1, 4, {200, 200, 200}},
        {"1.33 gives 1: row 3 is band 3, the end colour", 4, 2, 3, {200, 200, 200}},
        {"1.33 gives 1: row 1 is band 1", 4, 2, 1, {67, 67, 67}},
    };
    for (const auto& c : cases) {
        TGradBox box;
        box.resize(10, c.height);
        box.setStartColor(clBlack);
        box.setEndColor(tcolor::rgb(200, 200, 200));
        box.setGradStep(c.gradStep);
        EXPECT_EQ(renderImage(box).pixelColor(5, c.row), c.color) << c.name;
    }
}

TEST(GradBox, OnChangeFollowsEveryWriteButAnUnchangedDirection) {
    TGradBox box;
    std::vector<TGradBox*> senders;
    QObject::connect(&box, &TGradBox::OnChange, &box,
                     [&](TGradBox* sender) { senders.push_back(sender); });
    box.setStartColor(box.StartColor());
    box.setEndColor(box.EndColor());
    box.setGradStep(box.GradStep());
    EXPECT_EQ(senders.size(), 3u) << "unchanged colours and steps still report";
    box.setDirection(box.Direction());
    EXPECT_EQ(senders.size(), 3u) << "an unchanged direction does not";
    box.setDirection(TGradBox::gdHorizontal);
    EXPECT_EQ(senders.size(), 4u);
    EXPECT_EQ(senders.front(), &box);
}

} // namespace
} // namespace norvik
