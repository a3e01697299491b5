#include "PixelTesting.h"

#include "controls/BoxLabl.h"

#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace norvik {
namespace {

constexpr TColor kLabelColor = 10652814;
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

TEST(BoxLabel, ASingleBorderLabelFramesItselfInBlack) {
    TBoxLabel label;
    label.resize(55, 15);
    label.setBorderStyle(TBoxLabel::bsSingle);
    label.setBevelInner(TBoxLabel::bvNone);
    label.setBevelOuter(TBoxLabel::bvNone);
    label.setColor(kLabelColor);
    const QImage image = renderImage(label);
    for (const QPoint border : {QPoint(0, 0), QPoint(54, 0), QPoint(0, 14), QPoint(54, 14),
                                QPoint(27, 0), QPoint(27, 14), QPoint(0, 7), QPoint(54, 7)}) {
        EXPECT_EQ(image.pixelColor(border), kBlack) << border.x() << "," << border.y();
    }
    const QColor fill = screenColor(label, kLabelColor);
    EXPECT_EQ(image.pixelColor(1, 1), fill);
    EXPECT_EQ(image.pixelColor(53, 13), fill);
}

struct RingPixel {
    QPoint at;
    TColor color;
};

TEST(BoxLabel, TheDefaultLabelHasTwoBevelRingsWithSwappedColours) {
    TBoxLabel label;
    const QImage image = renderImage(label);
    const RingPixel pixels[] = {
        {{0, 10}, clWhite},      {{35, 0}, clWhite},     {{69, 10}, clBtnShadow},
        {{35, 19}, clBtnShadow}, {{69, 0}, clBtnShadow}, {{0, 19}, clWhite},
        {{1, 10}, clBtnShadow},  {{35, 1}, clBtnShadow}, {{68, 10}, clWhite},
        {{35, 18}, clWhite},     {{68, 1}, clWhite},     {{1, 18}, clBtnShadow},
        {{2, 2}, clBtnFace},     {{67, 17}, clBtnFace},
    };
    for (const auto& p : pixels) {
        EXPECT_EQ(image.pixelColor(p.at), screenColor(label, p.color))
            << p.at.x() << "," << p.at.y();
    }
}

TEST(BoxLabel, BevelWidthZeroDrawsNoBevel) {
    TBoxLabel label;
    label.setBevelWidth(0);
    const QImage image = renderImage(label);
    const QColor face = screenColor(label, clBtnFace);
    EXPECT_EQ(image.pixelColor(0, 10), face);
    EXPECT_EQ(image.pixelColor(69, 19), face);
    EXPECT_EQ(image.pixelColor(1, 1), face);
}

TEST(BoxLabel, ADisabledLabelEngravesItsText) {
    TBoxLabel label;
    label.resize(80, 24);
    label.setBevelInner(TBoxLabel::bvNone);
    label.setBevelOuter(TBoxLabel::bvNone);
    label.setColor(kLabelColor);
    label.setFontColor(clBlack);
    QFont font = label.font();
    font.setPixelSize(14);
    label.setFont(font);
    label.setCaption("Ag&M");
    const PixelMask ink = maskOf(renderImage(label), kBlack);

    label.setEnabled(false);
    const QImage disabled = renderImage(label);
    const QColor fill = screenColor(label, kLabelColor);
    int inked = 0;
    for (int y = 0; y < disabled.height(); ++y) {
        for (int x = 0; x < disabled.width(); ++x) {
            QColor expected = fill;
            if (ink(x, y)) {
                expected = QColor(128, 128, 128);
                ++inked;
            } else if (ink(x - 1, y - 1)) {
                expected = kWhite;
            }
            ASSERT_EQ(disabled.pixelColor(x, y), expected) << x << "," << y;
        }
    }
    EXPECT_GT(inked, 0);
}

TEST(BoxLabel, WritingAnUnchangedValueDoesNotRepaint) {
    QWidget host;
    auto* label = new TBoxLabel(&host);
    label->setCaption("HELP");
    showAndSettle(host);
    PaintCounter paints(*label);
    TBoxLabel& l = *label;
    struct Write {
        const char* name;
        std::function<void()> same;
        std::function<void()> changed;
    };
    const std::vector<Write> writes{
        {"Alignment", [&] { l.setAlignment(TBoxLabel::taCenter); },
         [&] { l.setAlignment(TBoxLabel::taLeftJustify); }},
        {"HorizontalAlign", [&] { l.setHorizontalAlign(TBoxLabel::haCenter); },
         [&] { l.setHorizontalAlign(TBoxLabel::haTop); }},
        {"TextBorder", [&] { l.setTextBorder(2); }, [&] { l.setTextBorder(1); }},
        {"WordWrap", [&] { l.setWordWrap(false); }, [&] { l.setWordWrap(true); }},
        {"BorderStyle", [&] { l.setBorderStyle(TBoxLabel::bsNone); },
         [&] { l.setBorderStyle(TBoxLabel::bsSingle); }},
        {"BevelInner", [&] { l.setBevelInner(TBoxLabel::bvLowered); },
         [&] { l.setBevelInner(TBoxLabel::bvNone); }},
        {"BevelOuter", [&] { l.setBevelOuter(TBoxLabel::bvRaised); },
         [&] { l.setBevelOuter(TBoxLabel::bvNone); }},
        {"BevelWidth", [&] { l.setBevelWidth(1); }, [&] { l.setBevelWidth(2); }},
        {"Caption", [&] { l.setCaption("HELP"); }, [&] { l.setCaption("Exit"); }},
        {"Color", [&] { l.setColor(clBtnFace); }, [&] { l.setColor(kLabelColor); }},
    };
    for (const auto& write : writes) {
        paints.reset();
        write.same();
        settle();
        EXPECT_EQ(paints.count(), 0) << write.name << " unchanged";
        write.changed();
        settle();
        EXPECT_EQ(paints.count(), 1) << write.name << " changed";
    }
}

class PressRecorder : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent* /*event*/) override { ++presses; }
};

TEST(BoxLabel, PassesThePointerToItsParentUnlessSomethingListensToItsClicks) {
    PressRecorder parent;
    auto* label = new TBoxLabel(&parent);
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(parent.presses, 1);

    int clicks = 0;
    QObject::connect(label, &TBoxLabel::OnClick, label, [&](TCustomBoxLabel* sender) {
        EXPECT_EQ(sender, label);
        ++clicks;
    });
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(parent.presses, 1);
    EXPECT_EQ(clicks, 1);
}

} // namespace
} // namespace norvik
