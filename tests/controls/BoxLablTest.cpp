#include "PixelTesting.h"

#include "controls/boxlabl/BoxLabl.h"

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

struct FramePixel {
    QPoint at;
    TColor color;
};

struct FrameCase {
    const char* name;
    std::function<void(TBoxLabel&)> setUp;
    std::vector<FramePixel> pixels;
};

TEST(BoxLabel, PaintsItsBevelRingsBorderAndFace) {
    const FrameCase cases[] = {
        {"the default label: two rings with swapped colours, 70 × 20",
         [](TBoxLabel&) {},
         {{{0, 10}, clWhite},
          {{35, 0}, clWhite},
          {{69, 10}, clBtnShadow},
          {{35, 19}, clBtnShadow},
          {{69, 0}, clBtnShadow},
          {{0, 19}, clWhite},
          {{1, 10}, clBtnShadow},
          {{35, 1}, clBtnShadow},
          {{68, 10}, clWhite},
          {{35, 18}, clWhite},
          {{68, 1}, clWhite},
          {{1, 18}, clBtnShadow},
          {{2, 2}, clBtnFace},
          {{67, 17}, clBtnFace}}},
        {"BevelWidth 0 draws no bevel",
         [](TBoxLabel& label) { label.setBevelWidth(0); },
         {{{0, 10}, clBtnFace}, {{69, 19}, clBtnFace}, {{1, 1}, clBtnFace}}},
        {"a single border alone frames the label in black",
         [](TBoxLabel& label) {
             label.resize(55, 15);
             label.setBorderStyle(TBoxLabel::bsSingle);
             label.setBevelInner(TBoxLabel::bvNone);
             label.setBevelOuter(TBoxLabel::bvNone);
             label.setColor(kLabelColor);
         },
         {{{0, 0}, clBlack},
          {{54, 0}, clBlack},
          {{0, 14}, clBlack},
          {{54, 14}, clBlack},
          {{27, 0}, clBlack},
          {{27, 14}, clBlack},
          {{0, 7}, clBlack},
          {{54, 7}, clBlack},
          {{1, 1}, kLabelColor},
          {{53, 13}, kLabelColor}}},
    };
    for (const auto& c : cases) {
        TBoxLabel label;
        c.setUp(label);
        const QImage image = renderImage(label);
        for (const auto& p : c.pixels) {
            EXPECT_EQ(image.pixelColor(p.at), screenColor(label, p.color))
                << c.name << " at " << p.at.x() << "," << p.at.y();
        }
    }
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
