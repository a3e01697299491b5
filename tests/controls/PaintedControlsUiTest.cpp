#include "PixelTesting.h"
#include "ui_PaintedControlsFixture.h"

#include <gtest/gtest.h>

namespace norvik {
namespace {

class PaintedControlsUi : public ::testing::Test {
protected:
    void SetUp() override { ui.setupUi(&form); }

    TForm form;
    Ui::PaintedControlsFixture ui;
};

TEST_F(PaintedControlsUi, SetsTheIconButtonFromTheLayout) {
    TIconButton& button = *ui.IconButton7;
    EXPECT_EQ(button.ButtonStyle(), TIconButton::bsIELike);
    EXPECT_EQ(button.InColor(), 7099731u);
    EXPECT_EQ(button.OutColor(), clBtnFace) << "a system colour written as <uint>";
    EXPECT_FALSE(button.ColorChange());
    EXPECT_TRUE(button.Stretch());
    EXPECT_FALSE(button.Icon().isNull());
    EXPECT_EQ(button.size(), QSize(36, 33));

    button.Loaded();
    EXPECT_EQ(button.Color(), clBtnFace) << "the face takes OutColor after loading";
    const QImage image = renderImage(button);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(200, 0, 40)) << "stretched over the whole face";
    EXPECT_EQ(image.pixelColor(35, 32), QColor(200, 0, 40));
}

TEST_F(PaintedControlsUi, SetsTheGradientPanelFromTheLayout) {
    TGradPan& panel = *ui.GradPan2;
    EXPECT_EQ(panel.BevelOuter(), TGradPan::bvNone);
    EXPECT_EQ(panel.Color(), 7099731u);
    EXPECT_EQ(panel.ColorStart(), 7099731u);
    EXPECT_EQ(panel.ColorEnd(), 7099731u);
    EXPECT_EQ(panel.ColorShadow(), clBtnShadow);
    EXPECT_EQ(panel.BackGroundEffect(), TGradPan::bdTileImage);
    EXPECT_EQ(panel.TextEffect(), TGradPan::teEmbossed);
    EXPECT_EQ(panel.TextRotation(), TGradPan::TrDown);
    EXPECT_EQ(panel.VertAlign(), TGradPan::VlBottom);
    EXPECT_EQ(panel.Alignment(), TGradPan::taRightJustify);
    EXPECT_EQ(panel.Caption(), QString("命令"));
    EXPECT_TRUE(panel.Ctl3D());
    EXPECT_EQ(panel.Marge(), 4);
    EXPECT_FALSE(panel.Moveable());
    EXPECT_EQ(panel.Bitmap().size(), QSize(3, 2));
}

TEST_F(PaintedControlsUi, SetsTheBoxLabelFromTheLayout) {
    TBoxLabel& label = *ui.BoxLabel3;
    EXPECT_EQ(label.Caption(), QString("Exit"));
    EXPECT_EQ(label.Color(), 10652814u);
    EXPECT_EQ(label.FontColor(), clWhite);
    EXPECT_EQ(label.BorderStyle(), TBoxLabel::bsSingle);
    EXPECT_EQ(label.BevelInner(), TBoxLabel::bvNone);
    EXPECT_EQ(label.BevelOuter(), TBoxLabel::bvNone);
    EXPECT_EQ(label.TextBorder(), 1);
    EXPECT_EQ(label.Alignment(), TBoxLabel::taLeftJustify);
    EXPECT_EQ(label.HorizontalAlign(), TBoxLabel::haBottom);
    EXPECT_EQ(label.Decimals(), -2);
}

TEST_F(PaintedControlsUi, SetsTheGradientBoxFromTheLayout) {
    TGradBox& box = *ui.GradBox1;
    EXPECT_EQ(box.Direction(), TGradBox::gdHorizontal);
    EXPECT_EQ(box.StartColor(), clBtnFace);
    EXPECT_EQ(box.EndColor(), 10652814u);
    EXPECT_EQ(box.GradStep(), 128);
}

} // namespace
} // namespace norvik
