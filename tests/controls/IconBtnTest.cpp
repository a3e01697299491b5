#include "PixelTesting.h"

#include "controls/iconbtn/IconBtn.h"
#include "controls/winxp/VisualStyles.h"

#include <QCursor>
#include <QEnterEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace norvik {
namespace {

constexpr TColor kFace = tcolor::rgb(10, 200, 30);
constexpr TColor kHoverFace = tcolor::rgb(250, 220, 0);
const QColor kIconColor(200, 0, 40);

QIcon solidIcon(int side, const QColor& color = kIconColor) {
    QPixmap pixmap(side, side);
    pixmap.fill(color);
    return QIcon(pixmap);
}

// A shown window holding one button at (50, 40), with the face in kFace, no hover colour, and
// the pointer resting on the window outside the button.
class IconButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        host_.resize(220, 140);
        button_ = new TIconButton(&host_);
        button_->move(50, 40);
        button_->setOutColor(kFace);
        button_->Loaded();
        button_->setColorChange(false);
        // The pointer is parked before the window appears, or the button might see it arrive.
        pointerAway();
        showAndSettle(host_);
        pointerAway();
    }

    void TearDown() override {
        visualstyles::disable();
        pointerAway();
    }

    TIconButton& button() { return *button_; }
    QWidget& host() { return host_; }

    void pointerTo(QPoint inButton) {
        QCursor::setPos(button_->mapToGlobal(inButton));
        settle();
    }
    void pointerAway() {
        QCursor::setPos(host_.mapToGlobal(QPoint(5, 5)));
        settle();
    }
    QPoint center() const { return button_->rect().center(); }

    // The colours of the two outer rings, as "left right" pairs of H (button highlight),
    // S (button shadow) or F (face), read half-way down the sides.
    std::string rings() {
        const QImage image = renderImage(*button_);
        const int mid = button_->height() / 2;
        const int right = button_->width() - 1;
        return std::string{name(image.pixelColor(0, mid)), name(image.pixelColor(right, mid)), ' ',
                           name(image.pixelColor(1, mid)), name(image.pixelColor(right - 1, mid))};
    }

private:
    char name(const QColor& color) const {
        if (color == screenColor(*button_, clBtnHighlight)) {
            return 'H';
        }
        if (color == screenColor(*button_, clBtnShadow)) {
            return 'S';
        }
        return color == screenColor(*button_, kFace) ? 'F' : '?';
    }

    QWidget host_;
    TIconButton* button_ = nullptr;
};

TEST_F(IconButtonTest, BevelColoursAreDistinctFromTheFace) {
    // Every ring check below relies on this.
    EXPECT_NE(screenColor(button(), clBtnHighlight), screenColor(button(), clBtnShadow));
    EXPECT_NE(screenColor(button(), clBtnHighlight), screenColor(button(), kFace));
    EXPECT_NE(screenColor(button(), clBtnShadow), screenColor(button(), kFace));
}

struct StyleCase {
    iconbtn::TButtonStyle style;
    const char* atRest;
    const char* pressed;
    const char* released;
};

TEST_F(IconButtonTest, EachStyleShowsItsBevelsAtRestPressedAndReleased) {
    const StyleCase cases[] = {
        {iconbtn::bsNone, "FF FF", "SH FF", "FF FF"},
        {iconbtn::bsLowered, "SH FF", "SH SH", "SH FF"},
        {iconbtn::bsRaised, "HS FF", "SH HS", "HS HS"},
        {iconbtn::bsFrame, "HS SH", "SH FF", "HS SH"},
        {iconbtn::bsGroove, "SH HS", "SH FF", "SH HS"},
        {iconbtn::bsIELike, "FF FF", "SH FF", "FF FF"},
    };
    for (const auto& c : cases) {
        // bsFrame first moves elsewhere, so that every style is really assigned.
        button().setButtonStyle(c.style == iconbtn::bsFrame ? iconbtn::bsNone : iconbtn::bsFrame);
        button().setButtonStyle(c.style);
        EXPECT_EQ(rings(), c.atRest) << "style " << int(c.style) << " at rest";
        QTest::mousePress(&button(), Qt::LeftButton, {}, center());
        EXPECT_EQ(rings(), c.pressed) << "style " << int(c.style) << " pressed";
        QTest::mouseRelease(&button(), Qt::LeftButton, {}, center());
        EXPECT_EQ(rings(), c.released) << "style " << int(c.style) << " released";
    }
}

TEST_F(IconButtonTest, AssigningTheCurrentStyleDoesNotRestoreItsBevels) {
    button().setButtonStyle(TIconButton::bsRaised);
    QTest::mouseClick(&button(), Qt::LeftButton, {}, center());
    ASSERT_EQ(rings(), "HS HS");
    button().setButtonStyle(TIconButton::bsRaised);
    EXPECT_EQ(rings(), "HS HS");
}

TEST_F(IconButtonTest, IELikeRisesOnHoverAndFlattensOnLeave) {
    button().setButtonStyle(TIconButton::bsIELike);
    pointerTo(center());
    EXPECT_EQ(rings(), "HS FF");
    pointerAway();
    EXPECT_EQ(rings(), "FF FF");
}

TEST_F(IconButtonTest, IELikeSinksWhenEnteredWithTheLeftButtonHeld) {
    button().setButtonStyle(TIconButton::bsIELike);
    QWindow* window = host().windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(5, 5));
    // Qt keeps the pointer with the widget that took the press, so the desktop's enter
    // notification is delivered by hand.
    const QPointF inside(center());
    QEnterEvent enter(inside, inside, button().mapToGlobal(inside));
    QCoreApplication::sendEvent(&button(), &enter);
    EXPECT_EQ(rings(), "SH FF");
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(5, 5));
}

TEST_F(IconButtonTest, IELikeReleasedOverTheButtonRisesAndAwayFromItFlattens) {
    button().setButtonStyle(TIconButton::bsIELike);
    pointerTo(center());
    QTest::mousePress(&button(), Qt::LeftButton, {}, center());
    EXPECT_EQ(rings(), "SH FF");
    QTest::mouseRelease(&button(), Qt::LeftButton, {}, center());
    EXPECT_EQ(rings(), "HS FF");

    QTest::mousePress(&button(), Qt::LeftButton, {}, center());
    pointerAway();
    QTest::mouseRelease(&button(), Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_EQ(rings(), "FF FF");
}

TEST_F(IconButtonTest, EnteringReportsFirstThenRaisesThenColours) {
    button().setButtonStyle(TIconButton::bsIELike);
    button().setColorChange(true);
    button().setInColor(kHoverFace);
    std::vector<std::string> seen;
    QObject::connect(
        &button(), &TIconButton::OnMouseEnter, &button(),
        [&](TIconButton* sender, Qt::KeyboardModifiers, Qt::MouseButtons, int x, int y) {
            EXPECT_EQ(sender, &button());
            EXPECT_EQ(QPoint(x, y), center());
            seen.push_back(sender->BevelOuter() == TIconButton::bvNone && sender->Color() == kFace
                               ? "enter before any change"
                               : "enter after a change");
        });
    QObject::connect(&button(), &TIconButton::OnMouseLeave, &button(),
                     [&](TIconButton*, Qt::KeyboardModifiers, Qt::MouseButtons, int, int) {
                         seen.push_back("leave");
                     });
    pointerTo(center());
    EXPECT_EQ(button().Color(), kHoverFace);
    pointerAway();
    EXPECT_EQ(button().Color(), kFace);
    EXPECT_EQ(seen, (std::vector<std::string>{"enter before any change", "leave"}));
}

TEST_F(IconButtonTest, ClickFiresWhileStillPressedThenTheReleaseRuns) {
    std::vector<std::string> seen;
    const auto look = [this] {
        return button().BevelOuter() == TIconButton::bvNone ? "pressed" : "raised";
    };
    QObject::connect(&button(), &TIconButton::OnMouseDown, &button(),
                     [&](TIconButton*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
                         seen.push_back(std::string("down ") + look());
                     });
    QObject::connect(&button(), &TIconButton::OnClick, &button(), [&](TIconButton* sender) {
        EXPECT_EQ(sender, &button());
        seen.push_back(std::string("click ") + look());
    });
    QObject::connect(&button(), &TIconButton::OnMouseUp, &button(),
                     [&](TIconButton*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
                         seen.push_back(std::string("up ") + look());
                     });
    QTest::mouseClick(&button(), Qt::LeftButton, {}, center());
    EXPECT_EQ(seen, (std::vector<std::string>{"down pressed", "click pressed", "up raised"}));
}

class ClickRecorder {
public:
    explicit ClickRecorder(TIconButton& button) {
        QObject::connect(&button, &TIconButton::OnClick, &button, [this] { ++clicks; });
        QObject::connect(&button, &TIconButton::OnDblClick, &button, [this] { ++doubleClicks; });
    }
    int clicks = 0;
    int doubleClicks = 0;
};

TEST_F(IconButtonTest, AReleaseOutsideTheButtonDoesNotClick) {
    ClickRecorder recorder(button());
    QTest::mousePress(&button(), Qt::LeftButton, {}, center());
    QTest::mouseRelease(&button(), Qt::LeftButton, {}, QPoint(button().width(), 3));
    EXPECT_EQ(recorder.clicks, 0) << "the right edge lies outside";
    QTest::mouseClick(&button(), Qt::RightButton, {}, center());
    EXPECT_EQ(recorder.clicks, 0) << "only the left button clicks";
}

TEST_F(IconButtonTest, ADoubleClickYieldsOneClickAndOneDoubleClick) {
    ClickRecorder recorder(button());
    QTest::mouseClick(&button(), Qt::LeftButton, {}, center());
    QTest::mouseDClick(&button(), Qt::LeftButton, {}, center());
    EXPECT_EQ(rings(), "SH FF") << "the second press looks pressed too";
    QTest::mouseRelease(&button(), Qt::LeftButton, {}, center());
    EXPECT_EQ(recorder.clicks, 1);
    EXPECT_EQ(recorder.doubleClicks, 1);
}

TEST_F(IconButtonTest, TakesTheFocusFromALeftClickOnly) {
    auto* edit = new QLineEdit(&host());
    edit->setGeometry(120, 40, 80, 20);
    edit->show();
    edit->setFocus();
    EXPECT_FALSE(button().TabStop());
    EXPECT_EQ(button().focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(&button(), Qt::RightButton, {}, center());
    EXPECT_EQ(host().focusWidget(), edit);
    QTest::mousePress(&button(), Qt::LeftButton, {}, center());
    EXPECT_EQ(host().focusWidget(), &button());
    QTest::mouseRelease(&button(), Qt::LeftButton, {}, center());
    button().setTabStop(true);
    EXPECT_EQ(button().focusPolicy(), Qt::TabFocus);
}

TEST_F(IconButtonTest, SpaceClicksOnItsRelease) {
    ClickRecorder recorder(button());
    QTest::keyPress(&button(), Qt::Key_Space);
    EXPECT_EQ(rings(), "SH FF");
    EXPECT_EQ(recorder.clicks, 0);
    QTest::keyRelease(&button(), Qt::Key_Space);
    EXPECT_EQ(recorder.clicks, 1);
    EXPECT_EQ(rings(), "HS SH");
}

TEST_F(IconButtonTest, AnotherKeyCancelsAPendingSpace) {
    ClickRecorder recorder(button());
    QTest::keyPress(&button(), Qt::Key_Space);
    QTest::keyPress(&button(), Qt::Key_A);
    EXPECT_EQ(rings(), "HS SH");
    QTest::keyRelease(&button(), Qt::Key_Space);
    EXPECT_EQ(recorder.clicks, 0);
}

TEST_F(IconButtonTest, EnterClicksAtOnceOnItsKeyDown) {
    std::vector<std::string> looks;
    QObject::connect(&button(), &TIconButton::OnClick, &button(), [&] {
        looks.push_back(button().BevelOuter() == TIconButton::bvNone ? "pressed" : "raised");
    });
    QTest::keyPress(&button(), Qt::Key_Return);
    EXPECT_EQ(looks, std::vector<std::string>{"pressed"});
    EXPECT_EQ(rings(), "HS SH");
    QTest::keyPress(&button(), Qt::Key_Enter);
    EXPECT_EQ(looks.size(), 2u) << "the keypad Enter too";
    QTest::keyRelease(&button(), Qt::Key_Return);
    EXPECT_EQ(looks.size(), 2u);
}

TEST_F(IconButtonTest, ADisabledButtonIgnoresKeysAndPaintsLikeAnEnabledOne) {
    button().setIcon(solidIcon(32));
    const QImage enabled = renderImage(button());
    button().setEnabled(false);
    ClickRecorder recorder(button());
    QTest::keyPress(&button(), Qt::Key_Space);
    QTest::keyClick(&button(), Qt::Key_Return);
    QTest::keyRelease(&button(), Qt::Key_Space);
    EXPECT_EQ(recorder.clicks, 0);
    EXPECT_EQ(renderImage(button()), enabled);
}

struct IconCase {
    const char* name;
    QSize button;
    int iconSide;
    QRect drawn;
};

TEST_F(IconButtonTest, DrawsTheIcon32By32AtTheCentre) {
    button().setButtonStyle(TIconButton::bsIELike);
    const IconCase cases[] = {
        {"57 × 35 at (12, 1)", {57, 35}, 32, {12, 1, 32, 32}},
        {"36 × 36 at (2, 2)", {36, 36}, 32, {2, 2, 32, 32}},
        {"a 48 × 48 icon scaled down", {57, 35}, 48, {12, 1, 32, 32}},
        {"a 16 × 16 icon scaled up", {36, 36}, 16, {2, 2, 32, 32}},
    };
    for (const auto& c : cases) {
        button().resize(c.button);
        button().setIcon(solidIcon(c.iconSide));
        const QImage image = renderImage(button());
        const QRect r = c.drawn;
        EXPECT_EQ(image.pixelColor(r.topLeft()), kIconColor) << c.name;
        EXPECT_EQ(image.pixelColor(r.bottomRight()), kIconColor) << c.name;
        EXPECT_NE(image.pixelColor(r.topLeft() - QPoint(1, 1)), kIconColor) << c.name;
        EXPECT_NE(image.pixelColor(r.bottomRight() + QPoint(1, 1)), kIconColor) << c.name;
    }
}

TEST_F(IconButtonTest, ACentredIconStaysPutWhilePressed) {
    button().setIcon(solidIcon(32));
    const QImage image = renderImage(button());
    QTest::mousePress(&button(), Qt::LeftButton, {}, center());
    const QImage pressed = renderImage(button());
    EXPECT_EQ(pressed.pixelColor(2, 2), kIconColor);
    EXPECT_EQ(pressed.pixelColor(33, 33), kIconColor);
    EXPECT_EQ(pressed.copy(2, 2, 32, 32), image.copy(2, 2, 32, 32));
    QTest::mouseRelease(&button(), Qt::LeftButton, {}, center());
}

TEST_F(IconButtonTest, AStretchedIconFillsTheFaceInsideTheBevels) {
    button().setStretch(true);
    button().setIcon(solidIcon(32));
    QImage image = renderImage(button());
    EXPECT_EQ(image.pixelColor(2, 2), kIconColor) << "both bevels: (2, 2) in 32 × 32";
    EXPECT_EQ(image.pixelColor(33, 33), kIconColor);
    EXPECT_NE(image.pixelColor(1, 1), kIconColor);
    EXPECT_NE(image.pixelColor(34, 34), kIconColor);

    QTest::mousePress(&button(), Qt::LeftButton, {}, center());
    image = renderImage(button());
    EXPECT_EQ(image.pixelColor(1, 1), kIconColor) << "outer bevel off: (1, 1) in 34 × 34";
    EXPECT_EQ(image.pixelColor(34, 34), kIconColor);
    EXPECT_NE(image.pixelColor(0, 0), kIconColor);
    EXPECT_NE(image.pixelColor(35, 35), kIconColor);
    QTest::mouseRelease(&button(), Qt::LeftButton, {}, center());
}

TEST_F(IconButtonTest, HoverColourAppliesOnlyWhenItDiffersFromTheLastApplied) {
    button().setColorChange(true);
    PaintCounter paints(button());
    button().setInColor(clBlack);
    pointerTo(center());
    EXPECT_EQ(paints.count(), 0) << "black equals the remembered colour 0 after loading";
    EXPECT_EQ(button().Color(), kFace);

    pointerAway();
    EXPECT_EQ(paints.count(), 1) << "leaving applies OutColor for the first time";
    button().setInColor(kFace);
    paints.reset();
    pointerTo(center());
    EXPECT_EQ(paints.count(), 0) << "InColor equals the colour applied last";
}

TEST_F(IconButtonTest, ANewOutColorShowsAtOnceOnlyInDesignMode) {
    button().setOutColor(kHoverFace);
    EXPECT_EQ(button().Color(), kFace) << "at run time it waits for the next hover change";
    button().setDesignMode(true);
    button().setOutColor(kFace);
    EXPECT_EQ(button().Color(), kFace);
    button().setOutColor(kHoverFace);
    EXPECT_EQ(button().Color(), kHoverFace);
}

TEST_F(IconButtonTest, TheFaceIsLeftUnfilledWhileVisualStylesAreActive) {
    const QColor hostColor(1, 2, 3);
    QPalette palette = host().palette();
    palette.setColor(QPalette::Window, hostColor);
    host().setPalette(palette);
    host().setAutoFillBackground(true);
    const QPoint face = button().geometry().center();

    EXPECT_EQ(renderImage(host()).pixelColor(face), screenColor(button(), kFace));
    visualstyles::enable();
    EXPECT_EQ(renderImage(host()).pixelColor(face), hostColor);
    EXPECT_EQ(renderImage(host()).pixelColor(button().geometry().topLeft()),
              screenColor(button(), clBtnHighlight))
        << "the bevels are still drawn";
}

} // namespace
} // namespace norvik
