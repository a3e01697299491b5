#include "controls/iconbtn/IconBtn.h"

#include "controls/gdi/GdiCanvas.h"

#include <QCursor>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <utility>

namespace norvik {

TIconButton::TIconButton(QWidget* parent)
    : TCustomPanel(parent) {
    setButtonStyle(bsFrame);
    resize(36, 36);
    setFocusPolicy(Qt::NoFocus);
}

void TIconButton::setButtonStyle(TButtonStyle value) {
    if (value == buttonStyle_) {
        return;
    }
    const iconbtn::Bevels bevels = iconbtn::restingBevels(value);
    setBevelInner(bevels.inner);
    setBevelOuter(bevels.outer);
    buttonStyle_ = value;
}

void TIconButton::setColorChange(bool value) {
    colorChange_ = value;
}

void TIconButton::setIcon(const QIcon& value) {
    icon_ = value;
    update();
}

void TIconButton::setInColor(TColor value) {
    inColor_ = value;
}

void TIconButton::setOutColor(TColor value) {
    if (value == outColor_) {
        return;
    }
    outColor_ = value;
    if (designMode_) {
        ApplyColor(value);
    }
    update();
}

void TIconButton::setStretch(bool value) {
    if (value == stretch_) {
        return;
    }
    stretch_ = value;
    update();
}

bool TIconButton::TabStop() const {
    return focusPolicy() == Qt::TabFocus;
}

void TIconButton::setTabStop(bool value) {
    // Clicks other than the left one must not take the focus, so the mouse part of the focus
    // policy is left out and a left press asks for the focus itself.
    setFocusPolicy(value ? Qt::TabFocus : Qt::NoFocus);
}

void TIconButton::setDesignMode(bool value) {
    designMode_ = value;
}

void TIconButton::Loaded() {
    setColor(outColor_);
}

void TIconButton::ShowPressed(bool pressed) {
    const iconbtn::BevelChange change =
        iconbtn::pressedLook(buttonStyle_, pressed, !pressed && IsMouseInside());
    if (change.side == iconbtn::BevelSide::Inner) {
        setBevelInner(change.cut);
    } else {
        setBevelOuter(change.cut);
    }
}

void TIconButton::ApplyColor(TColor value) {
    if (value == appliedColor_) {
        return;
    }
    appliedColor_ = value;
    setColor(value);
}

bool TIconButton::IsMouseInside() const {
    return rect().contains(pointerPosition());
}

QPoint TIconButton::pointerPosition() const {
    return mapFromGlobal(QCursor::pos());
}

void TIconButton::DoMouseEnter(Qt::KeyboardModifiers shift, Qt::MouseButtons buttons, int x,
                               int y) {
    emit OnMouseEnter(this, shift, buttons, x, y);
    if (buttonStyle_ == bsIELike) {
        const bool leftDown = QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
        setBevelOuter(leftDown ? bvLowered : bvRaised);
    }
    if (colorChange_) {
        ApplyColor(inColor_);
    }
}

void TIconButton::DoMouseLeave(Qt::KeyboardModifiers shift, Qt::MouseButtons buttons, int x,
                               int y) {
    emit OnMouseLeave(this, shift, buttons, x, y);
    if (buttonStyle_ == bsIELike) {
        setBevelOuter(bvNone);
    }
    if (colorChange_) {
        ApplyColor(outColor_);
    }
}

void TIconButton::Paint(GdiCanvas& canvas) {
    TCustomPanel::Paint(canvas);
    canvas.drawIcon(icon_, iconbtn::iconRect(width(), height(), stretch_, drawnBevelCount()));
}

void TIconButton::enterEvent(QEnterEvent* event) {
    TCustomPanel::enterEvent(event);
    const QPoint at = pointerPosition();
    DoMouseEnter(QGuiApplication::keyboardModifiers(), QGuiApplication::mouseButtons(), at.x(),
                 at.y());
}

void TIconButton::leaveEvent(QEvent* event) {
    TCustomPanel::leaveEvent(event);
    const QPoint at = pointerPosition();
    DoMouseLeave(QGuiApplication::keyboardModifiers(), QGuiApplication::mouseButtons(), at.x(),
                 at.y());
}

void TIconButton::mousePressEvent(QMouseEvent* event) {
    clickPending_ = event->button() == Qt::LeftButton;
    pressed(event);
}

// The second press of a double click reports the double click and starts no click of its own.
void TIconButton::mouseDoubleClickEvent(QMouseEvent* event) {
    clickPending_ = false;
    if (event->button() == Qt::LeftButton) {
        emit OnDblClick(this);
    }
    pressed(event);
}

void TIconButton::pressed(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        ShowPressed(true);
    }
    const QPoint at = event->position().toPoint();
    emit OnMouseDown(this, event->button(), event->modifiers(), at.x(), at.y());
}

void TIconButton::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        if (std::exchange(clickPending_, false) && rect().contains(at)) {
            emit OnClick(this);
        }
        ShowPressed(false);
    }
    emit OnMouseUp(this, event->button(), event->modifiers(), at.x(), at.y());
}

// Qt hands no keys to a disabled widget, which is the enabled test the key-down needs.
void TIconButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
        spaceDown_ = true;
        ShowPressed(true);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ShowPressed(true);
        emit OnClick(this);
        ShowPressed(false);
        return;
    default:
        if (std::exchange(spaceDown_, false)) {
            ShowPressed(false);
        }
        TCustomPanel::keyPressEvent(event);
    }
}

void TIconButton::keyReleaseEvent(QKeyEvent* event) {
    // A held key repeats as release and press pairs on some desktops; only the real release
    // ends a Space press.
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() &&
        std::exchange(spaceDown_, false)) {
        emit OnClick(this);
        ShowPressed(false);
        return;
    }
    TCustomPanel::keyReleaseEvent(event);
}

} // namespace norvik
