#include "PixelTesting.h"

#include "controls/GradBox.h"

#include <gtest/gtest.h>

#include <vector>

namespace norvik {
namespace {

constexpr TColor kTitleEnd = 10652814; // red 142, green 140, blue 162

struct BandPixel {
    int x;
    QColor color;
};

TEST(GradBox, TheFirstWindowsTitleStripShowsBandsThreePixelsWide) {
    TGradBox box;
    box.resize(357, 35);
    box.setDirection(TGradBox::gdHorizontal);
    box.setEndColor(kTitleEnd);
    ASSERT_EQ(box.GradStep(), 128);
    const QImage image = renderImage(box);
    const BandPixel pixels[] = {
        {0, {255, 255, 255}},   {2, {255, 255, 255}},   {3, {254, 254, 254}},
        {5, {254, 254, 254}},   {177, {203, 202, 212}}, {179, {203, 202, 212}},
        {354, {152, 150, 170}}, {356, {152, 150, 170}},
    };
    for (const auto& p : pixels) {
        EXPECT_EQ(image.pixelColor(p.x, 17), p.color) << "x " << p.x;
        EXPECT_EQ(image.pixelColor(p.x, 34), p.color) << "x " << p.x << " bottom row";
    }
}

TEST(GradBox, TheSecondWindowsTitleStripEndsInTheEndColour) {
    TGradBox box;
    box.resize(159, 41);
    box.setDirection(TGradBox::gdHorizontal);
    box.setEndColor(kTitleEnd);
    const QImage image = renderImage(box);
    const QColor end(142, 140, 162);
    EXPECT_EQ(image.pixelColor(0, 20), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(1, 20), QColor(254, 254, 254)) << "one-pixel bands";
    EXPECT_EQ(image.pixelColor(128, 20), QColor(143, 141, 163));
    EXPECT_EQ(image.pixelColor(129, 20), end);
    EXPECT_EQ(image.pixelColor(130, 20), end) << "the rest in the last band's colour";
    EXPECT_EQ(image.pixelColor(158, 40), end);
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
