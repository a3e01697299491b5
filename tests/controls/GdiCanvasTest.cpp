#include "PixelTesting.h"

#include "controls/gdi/GdiCanvas.h"

#include <QApplication>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace norvik {
namespace {

const QColor kPaper(255, 255, 255);
const QColor kInk(0, 0, 0);

// The pixels an operation on a 12 × 10 white image turns black, as points.
std::vector<QPoint> inkedBy(const std::function<void(GdiCanvas&)>& draw) {
    QImage image(12, 10, QImage::Format_RGB32);
    image.fill(kPaper);
    {
        GdiCanvas canvas(&image, QApplication::palette(), QApplication::font());
        draw(canvas);
    }
    std::vector<QPoint> points;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == kInk) {
                points.emplace_back(x, y);
            }
        }
    }
    return points;
}

struct LineCase {
    const char* name;
    GdiPoint from;
    GdiPoint to;
    std::vector<QPoint> pixels;
};

TEST(GdiCanvas, LinesLeaveOutTheirEndPoint) {
    const LineCase cases[] = {
        {"rightwards", {1, 1}, {4, 1}, {{1, 1}, {2, 1}, {3, 1}}},
        {"leftwards", {4, 1}, {1, 1}, {{2, 1}, {3, 1}, {4, 1}}},
        {"downwards", {2, 1}, {2, 3}, {{2, 1}, {2, 2}}},
        {"upwards", {2, 3}, {2, 1}, {{2, 2}, {2, 3}}},
        {"diagonal", {0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},
        {"a point draws nothing", {5, 5}, {5, 5}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(inkedBy([&](GdiCanvas& canvas) { canvas.line(c.from, c.to, clBlack); }), c.pixels)
            << c.name;
    }
}

TEST(GdiCanvas, FillsAreHalfOpen) {
    const std::vector<QPoint> pixels{{1, 2}, {2, 2}, {1, 3}, {2, 3}};
    EXPECT_EQ(inkedBy([](GdiCanvas& canvas) { canvas.fill({1, 2, 3, 4}, clBlack); }), pixels);
    EXPECT_TRUE(inkedBy([](GdiCanvas& canvas) { canvas.fill({3, 3, 3, 8}, clBlack); }).empty());
}

TEST(GdiCanvas, FramesAndRectanglesLieJustInsideTheirRectangle) {
    const std::vector<QPoint> frame{{1, 1}, {2, 1}, {3, 1}, {1, 2}, {3, 2}, {1, 3}, {2, 3}, {3, 3}};
    EXPECT_EQ(inkedBy([](GdiCanvas& canvas) { canvas.frameRect({1, 1, 4, 4}, clBlack); }), frame);
    EXPECT_EQ(inkedBy([](GdiCanvas& canvas) {
                  canvas.rectangle({1, 1, 4, 4}, clBlack, tcolor::rgb(0, 255, 0));
              }),
              frame);
    QImage image(6, 6, QImage::Format_RGB32);
    {
        GdiCanvas canvas(&image, QApplication::palette(), QApplication::font());
        canvas.rectangle({1, 1, 4, 4}, clBlack, tcolor::rgb(0, 255, 0));
    }
    EXPECT_EQ(image.pixelColor(2, 2), QColor(0, 255, 0)) << "filled with the brush";
}

TEST(GdiCanvas, SystemColoursGoThroughThePalette) {
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Button, QColor(1, 2, 3));
    QImage image(2, 2, QImage::Format_RGB32);
    GdiCanvas canvas(&image, palette, QApplication::font());
    EXPECT_EQ(canvas.color(clBtnFace), QColor(1, 2, 3));
    EXPECT_EQ(canvas.color(10652814), QColor(142, 140, 162));
}

TEST(GdiCanvas, AnAmpersandTakesNoRoomAndUnderlinesTheNextCharacter) {
    QImage image(120, 30, QImage::Format_RGB32);
    GdiCanvas canvas(&image, QApplication::palette(), QApplication::font());
    const GdiRect bounds{0, 0, 120, 30};
    EXPECT_EQ(canvas.measureText("&Exit", bounds, false),
              canvas.measureText("Exit", bounds, false));
    EXPECT_EQ(canvas.measureText("a\nb", bounds, false).height(), 2 * canvas.textHeight());
}

TEST(GdiCanvas, TextAnchorsNameTheLeftEndTheRightEndOrTheMiddle) {
    QFont font = QApplication::font();
    font.setStyleStrategy(QFont::NoAntialias);
    const int advance = QFontMetrics(font).horizontalAdvance("Wage");
    const auto draw = [](GdiPoint anchor, TextAnchor kind) {
        QImage image(160, 40, QImage::Format_RGB32);
        image.fill(kPaper);
        GdiCanvas canvas(&image, QApplication::palette(), QApplication::font());
        canvas.textOut(anchor, "Wage", kind, clBlack);
        return image;
    };
    const QImage left = draw({20, 5}, TextAnchor::Left);
    EXPECT_EQ(draw({20 + advance, 5}, TextAnchor::Right), left);
    EXPECT_EQ(draw({20 + advance / 2, 5}, TextAnchor::Center), left);
    EXPECT_NE(draw({20, 6}, TextAnchor::Left), left);
}

} // namespace
} // namespace norvik
