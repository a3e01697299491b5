#include "PixelTesting.h"

#include "controls/gdi/ColorMap.h"
#include "controls/gradpan/Gradpan.h"

#include <QFontMetrics>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace norvik {
namespace {

constexpr TColor kStrip = 7099731;
const QColor kBackground(0, 160, 0);
const QColor kShadow(220, 0, 0);
const QColor kFont(0, 0, 230);

// A panel with no bevel lines, so that only the background (and caption) shows.
class GradPanTest : public ::testing::Test {
protected:
    void SetUp() override {
        panel_ = new TGradPan(&host_);
        panel_->setBevelOuter(TGradPan::bvNone);
        host_.resize(400, 300);
    }

    TGradPan& panel() { return *panel_; }
    QWidget& host() { return host_; }

    int redAt(int x, int y) { return renderImage(*panel_).pixelColor(x, y).red(); }

private:
    QWidget host_;
    TGradPan* panel_ = nullptr;
};

struct RowCase {
    const char* name;
    gradpan::TDirection effect;
    int height;
    int row;
    int red;
};

TEST_F(GradPanTest, RowGradientsPaintTheirBands) {
    // Black to (200, 0, 0): entry k of the colour table has red 2k.
    const RowCase cases[] = {
        {"up: the top row is the start colour", TGradPan::bdUp, 100, 0, 0},
        {"up: row 50 is entry 50", TGradPan::bdUp, 100, 50, 100},
        {"up: the bottom row stops at 198", TGradPan::bdUp, 100, 99, 198},
        {"up on 50 rows: half rows round up, so row 0 is band 0", TGradPan::bdUp, 50, 0, 0},
        {"up on 50 rows: row r shows entry 2r", TGradPan::bdUp, 50, 1, 4},
        {"up on 50 rows: the last row", TGradPan::bdUp, 50, 49, 196},
        {"horizontal in: row 0 is entry 1", TGradPan::bdHorzIn, 100, 0, 2},
        {"horizontal in: row 49 is entry 99", TGradPan::bdHorzIn, 100, 49, 198},
        {"horizontal in: row 50 is entry 98", TGradPan::bdHorzIn, 100, 50, 196},
        {"horizontal in: row 99 is entry 0", TGradPan::bdHorzIn, 100, 99, 0},
    };
    panel().setColorStart(clBlack);
    panel().setColorEnd(tcolor::rgb(200, 0, 0));
    for (const auto& c : cases) {
        panel().resize(40, c.height);
        panel().setBackGroundEffect(c.effect);
        EXPECT_EQ(redAt(0, c.row), c.red) << c.name;
        EXPECT_EQ(redAt(39, c.row), c.red) << c.name;
    }
}

TEST_F(GradPanTest, TheCommandStripsShowOneFlatColour) {
    for (const int width : {814, 720}) {
        panel().resize(width, 36);
        panel().setColor(kStrip);
        panel().setColorStart(kStrip);
        panel().setColorEnd(kStrip);
        panel().setColorShadow(kStrip);
        panel().setCtl3D(true);
        ASSERT_EQ(panel().BackGroundEffect(), TGradPan::bdVertIn);
        const QImage image = renderImage(panel());
        const QRgb strip = screenColor(panel(), kStrip).rgb();
        int others = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                others += image.pixel(x, y) != strip ? 1 : 0;
            }
        }
        EXPECT_EQ(others, 0) << "strip " << width << " wide";
    }
}

TEST_F(GradPanTest, ANewPanelHoldsAFramedWhiteBitmap) {
    const QImage bitmap = panel().Bitmap().toImage();
    ASSERT_EQ(bitmap.size(), QSize(50, 50));
    EXPECT_EQ(bitmap.pixelColor(0, 20), Qt::black);
    EXPECT_EQ(bitmap.pixelColor(48, 20), Qt::black);
    EXPECT_EQ(bitmap.pixelColor(20, 48), Qt::black);
    EXPECT_EQ(bitmap.pixelColor(20, 20), Qt::white);
    EXPECT_EQ(bitmap.pixelColor(49, 20), Qt::white) << "the rectangle ends before column 49";
    EXPECT_EQ(bitmap.pixelColor(20, 49), Qt::white);
}

TEST_F(GradPanTest, TilesTheBitmapThreeColumnsAcross) {
    panel().resize(120, 36);
    panel().setBackGroundEffect(TGradPan::bdTileImage);
    const QImage image = renderImage(panel());
    for (const int tileLeft : {0, 50, 100}) {
        EXPECT_EQ(image.pixelColor(tileLeft, 20), Qt::black) << "tile at " << tileLeft;
        EXPECT_EQ(image.pixelColor(tileLeft + 1, 20), Qt::white) << "tile at " << tileLeft;
    }
    EXPECT_EQ(image.pixelColor(48, 20), Qt::black);
    EXPECT_EQ(image.pixelColor(49, 20), Qt::white);
    EXPECT_EQ(image.pixelColor(119, 35), Qt::white);
    EXPECT_EQ(image.pixelColor(60, 0), Qt::black);
}

TEST_F(GradPanTest, StretchesTheBitmapOnePixelShortOfTheFarEdges) {
    panel().resize(120, 36);
    panel().setColor(kStrip);
    panel().setBackGroundEffect(TGradPan::bdStretchImage);
    const QImage image = renderImage(panel());
    const QColor face = screenColor(panel(), kStrip);
    EXPECT_EQ(image.pixelColor(0, 10), Qt::black);
    EXPECT_EQ(image.pixelColor(60, 0), Qt::black);
    EXPECT_EQ(image.pixelColor(60, 10), Qt::white);
    EXPECT_EQ(image.pixelColor(119, 10), face) << "the panel's own fill shows in the margin";
    EXPECT_EQ(image.pixelColor(60, 35), face);
}

TEST_F(GradPanTest, AnImageModeWithAnEmptyBitmapPaintsTheFlatStartColour) {
    panel().resize(120, 36);
    panel().setColorStart(kStrip);
    panel().setBitmap(QPixmap());
    for (const auto effect : {TGradPan::bdTileImage, TGradPan::bdStretchImage}) {
        panel().setBackGroundEffect(effect);
        const QImage image = renderImage(panel());
        EXPECT_EQ(image.pixelColor(0, 0), screenColor(panel(), kStrip)) << int(effect);
        EXPECT_EQ(image.pixelColor(119, 35), screenColor(panel(), kStrip)) << int(effect);
    }
}

TEST_F(GradPanTest, TheFrameDrawsBevelLinesAndWithTheOwn3DFlagBorderRectangles) {
    panel().resize(60, 30);
    panel().setBevelOuter(TGradPan::bvRaised);
    panel().setBevelInner(TGradPan::bvLowered);
    panel().setBorderWidth(2);
    panel().setColor(kStrip);
    panel().setColorStart(clBlack);
    panel().setBackGroundEffect(TGradPan::bdFlat);
    QImage image = renderImage(panel());
    EXPECT_EQ(image.pixelColor(0, 15), Qt::white) << "raised outer bevel";
    EXPECT_EQ(image.pixelColor(59, 15), QColor(128, 128, 128));
    EXPECT_EQ(image.pixelColor(3, 15), QColor(128, 128, 128)) << "lowered inner bevel at 1 + 2";
    EXPECT_EQ(image.pixelColor(56, 15), Qt::white);
    EXPECT_EQ(image.pixelColor(1, 15), Qt::black) << "no border rectangles without the flag";

    panel().setCtl3D(true);
    image = renderImage(panel());
    EXPECT_EQ(image.pixelColor(1, 15), screenColor(panel(), kStrip));
    EXPECT_EQ(image.pixelColor(2, 15), screenColor(panel(), kStrip));
    EXPECT_EQ(image.pixelColor(57, 15), screenColor(panel(), kStrip));
    EXPECT_EQ(image.pixelColor(4, 15), Qt::black);
}

QRect inkBounds(const QImage& image, const QColor& color) {
    QRect bounds;
    const PixelMask ink = maskOf(image, color);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (ink(x, y)) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

struct Pass {
    int dx;
    int dy;
    QColor color;
};

struct EffectCase {
    gradpan::TTextEffect effect;
    std::vector<Pass> passes;
};

// The caption passes land in order, so a pixel shows the last pass whose copy covers it.
QImage composite(const QImage& glyphs, const std::vector<Pass>& passes) {
    const PixelMask ink = maskOf(glyphs, kShadow);
    QImage expected(glyphs.size(), QImage::Format_RGB32);
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            QColor color = kBackground;
            for (const Pass& pass : passes) {
                if (ink(x - pass.dx, y - pass.dy)) {
                    color = pass.color;
                }
            }
            expected.setPixelColor(x, y, color);
        }
    }
    return expected;
}

TEST_F(GradPanTest, TextEffectsWriteTheirPassesInOrder) {
    panel().resize(120, 40);
    panel().setBackGroundEffect(TGradPan::bdFlat);
    panel().setColorStart(fromQColor(kBackground));
    panel().setColorShadow(fromQColor(kShadow));
    panel().setFontColor(fromQColor(kFont));
    QFont font = panel().font();
    font.setPixelSize(20);
    panel().setFont(font);
    panel().setCaption("Wg&M");
    panel().setTextEffect(TGradPan::tenone);
    const QImage glyphs = renderImage(panel());
    ASSERT_FALSE(inkBounds(glyphs, kShadow).isEmpty()) << "the caption was drawn";

    const QColor black(0, 0, 0);
    const EffectCase cases[] = {
        {TGradPan::teShadow, {{1, 1, kShadow}, {0, 0, kFont}}},
        {TGradPan::teLowered,
         {{1, 0, kShadow}, {0, 1, kShadow}, {-1, 0, black}, {0, -1, black}, {0, 0, kFont}}},
    };
    for (const auto& c : cases) {
        panel().setTextEffect(c.effect);
        EXPECT_EQ(renderImage(panel()), composite(glyphs, c.passes)) << int(c.effect);
    }
}

TEST_F(GradPanTest, RotatedCaptionsRunAlongTheirLeftOrRightEdge) {
    panel().resize(60, 160);
    panel().setBackGroundEffect(TGradPan::bdFlat);
    panel().setColorStart(fromQColor(kBackground));
    panel().setColorShadow(fromQColor(kShadow));
    panel().setTextEffect(TGradPan::tenone);
    panel().setAlignment(TGradPan::taLeftJustify);
    panel().setCaption("MMMM");
    QFont font = panel().font();
    font.setStyleStrategy(QFont::NoAntialias);
    const int textHeight = QFontMetrics(font).height();

    panel().setTextRotation(TGradPan::TrUp);
    QRect ink = inkBounds(renderImage(panel()), kShadow);
    EXPECT_GT(ink.height(), ink.width()) << "reads upwards";
    EXPECT_GE(ink.left(), 3) << "its top edge at border + bevel + 2";
    EXPECT_LT(ink.right(), 3 + textHeight);

    panel().setTextRotation(TGradPan::TrDown);
    ink = inkBounds(renderImage(panel()), kShadow);
    EXPECT_GT(ink.height(), ink.width()) << "reads downwards";
    EXPECT_LT(ink.right(), textHeight + 2) << "its top edge faces right, at height + 2";
    EXPECT_GE(ink.left(), 2);
}

TEST_F(GradPanTest, EveryWriteOfItsOwnPropertiesRepaintsAtOnceEvenUnchanged) {
    panel().resize(100, 36);
    showAndSettle(host());
    PaintCounter paints(panel());
    TGradPan& p = panel();
    const std::vector<std::pair<const char*, std::function<void()>>> writes{
        {"BackGroundEffect", [&] { p.setBackGroundEffect(p.BackGroundEffect()); }},
        {"VertAlign", [&] { p.setVertAlign(p.VertAlign()); }},
        {"ColorStart", [&] { p.setColorStart(p.ColorStart()); }},
        {"ColorEnd", [&] { p.setColorEnd(p.ColorEnd()); }},
        {"ColorShadow", [&] { p.setColorShadow(p.ColorShadow()); }},
        {"TextEffect", [&] { p.setTextEffect(p.TextEffect()); }},
        {"TextRotation", [&] { p.setTextRotation(p.TextRotation()); }},
        {"Ctl3D", [&] { p.setCtl3D(p.Ctl3D()); }},
    };
    for (const auto& [name, write] : writes) {
        paints.reset();
        write();
        EXPECT_EQ(paints.count(), 1) << name;
    }
}

TEST_F(GradPanTest, ANewBitmapRepaintsOnlyInTheImageModes) {
    panel().resize(100, 36);
    showAndSettle(host());
    PaintCounter paints(panel());
    panel().setBitmap(QPixmap(10, 10));
    EXPECT_EQ(paints.count(), 0) << "a gradient does not show the bitmap";
    panel().setBackGroundEffect(TGradPan::bdTileImage);
    paints.reset();
    panel().setBitmap(QPixmap(10, 10));
    EXPECT_EQ(paints.count(), 1);
}

class MovingPanelTest : public GradPanTest {
protected:
    void SetUp() override {
        GradPanTest::SetUp();
        panel().setGeometry(40, 30, 100, 36);
        panel().setMoveable(true);
        showAndSettle(host());
        QObject::connect(&panel(), &TGradPan::OnPanelMove, &panel(), [this](TGradPan* sender) {
            EXPECT_EQ(sender, &panel());
            positionsSeen.push_back(sender->pos());
        });
    }

    void drag(QPoint from, QPoint to) {
        QTest::mousePress(&panel(), Qt::LeftButton, {}, from);
        QTest::mouseMove(&panel(), to);
        QTest::mouseRelease(&panel(), Qt::LeftButton, {}, to);
    }

    std::vector<QPoint> positionsSeen;
};

TEST_F(MovingPanelTest, DraggingTheInsideMovesThePanelAnnouncingTheMoveFirst) {
    drag({50, 18}, {55, 21});
    EXPECT_EQ(panel().geometry(), QRect(45, 33, 100, 36));
    EXPECT_EQ(positionsSeen, std::vector<QPoint>{QPoint(40, 30)}) << "fired before the move";
}

TEST_F(MovingPanelTest, DraggingWithinTheMargeResizes) {
    drag({2, 2}, {-2, 0});
    EXPECT_EQ(panel().geometry(), QRect(36, 28, 104, 38)) << "top-left corner";
    EXPECT_EQ(positionsSeen, std::vector<QPoint>{QPoint(40, 30)});

    positionsSeen.clear();
    drag({101, 18}, {107, 18});
    EXPECT_EQ(panel().geometry(), QRect(36, 28, 110, 38)) << "right edge, 6 px in from it";
    EXPECT_TRUE(positionsSeen.empty()) << "the position did not change";
}

TEST_F(MovingPanelTest, MovesByCodeAreReportedToo) {
    panel().move(10, 10);
    EXPECT_EQ(positionsSeen.size(), 1u);
    EXPECT_EQ(positionsSeen.front(), QPoint(10, 10)) << "Qt reports them once done";
}

TEST_F(MovingPanelTest, APanelThatIsNotMoveableLeavesThePointerAlone) {
    panel().setMoveable(false);
    drag({50, 18}, {55, 21});
    panel().setMoveable(true);
    panel().setDesignMode(true);
    drag({50, 18}, {55, 21});
    EXPECT_EQ(panel().geometry(), QRect(40, 30, 100, 36));
    EXPECT_TRUE(positionsSeen.empty());
}

} // namespace
} // namespace norvik
