#include "controls/IconBtn.h"

#include "controls/GdiCanvas.h"

#include <QCursor>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <utility>

TIconButton::TIconButton(QWidget* parent)
    : TCustomPanel(parent) {
    setButtonStyle(bsFrame);
    resize(36, 36);
    setFocusPolicy(Qt::NoFocus);
}

void TIconButton::setButtonStyle(TButtonStyle value) {
    if (value == m_buttonStyle) {
        return;
    }
    const IconBtn::Bevels bevels = IconBtn::restingBevels(value);
    setBevelInner(bevels.inner);
    setBevelOuter(bevels.outer);
    m_buttonStyle = value;
}

void TIconButton::setColorChange(bool value) {
    m_colorChange = value;
}

void TIconButton::setIcon(const QIcon& value) {
    m_icon = value;
    update();
}

void TIconButton::setInColor(TColor value) {
    m_inColor = value;
}

void TIconButton::setOutColor(TColor value) {
    if (value == m_outColor) {
        return;
    }
    m_outColor = value;
    if (m_designing) {
        ApplyColor(value);
    }
    update();
}

void TIconButton::setStretch(bool value) {
    if (value == m_stretch) {
        return;
    }
    m_stretch = value;
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

void TIconButton::setDesigning(bool value) {
    m_designing = value;
}

void TIconButton::Loaded() {
    setColor(m_outColor);
}

void TIconButton::ShowPressed(bool pressed) {
    const IconBtn::BevelChange change =
        IconBtn::pressedLook(m_buttonStyle, pressed, !pressed && IsMouseInside());
    if (change.side == IconBtn::BevelSide::Inner) {
        setBevelInner(change.cut);
    } else {
        setBevelOuter(change.cut);
    }
}

void TIconButton::ApplyColor(TColor value) {
    if (value == m_appliedColor) {
        return;
    }
    m_appliedColor = value;
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
    if (m_buttonStyle == bsIELike) {
        const bool leftDown = QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
        setBevelOuter(leftDown ? bvLowered : bvRaised);
    }
    if (m_colorChange) {
        ApplyColor(m_inColor);
    }
}

void TIconButton::DoMouseLeave(Qt::KeyboardModifiers shift, Qt::MouseButtons buttons, int x,
                               int y) {
    emit OnMouseLeave(this, shift, buttons, x, y);
    if (m_buttonStyle == bsIELike) {
        setBevelOuter(bvNone);
    }
    if (m_colorChange) {
        ApplyColor(m_outColor);
    }
}

void TIconButton::Paint(GdiCanvas& canvas) {
    TCustomPanel::Paint(canvas);
    canvas.drawIcon(m_icon, IconBtn::iconRect(width(), height(), m_stretch, drawnBevelCount()));
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
    m_clickPending = event->button() == Qt::LeftButton;
    pressed(event);
}

// The second press of a double click reports the double click and starts no click of its own.
void TIconButton::mouseDoubleClickEvent(QMouseEvent* event) {
    m_clickPending = false;
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
        if (std::exchange(m_clickPending, false) && rect().contains(at)) {
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
        m_spaceDown = true;
        ShowPressed(true);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ShowPressed(true);
        emit OnClick(this);
        ShowPressed(false);
        return;
    default:
        if (std::exchange(m_spaceDown, false)) {
            ShowPressed(false);
        }
        TCustomPanel::keyPressEvent(event);
    }
}

void TIconButton::keyReleaseEvent(QKeyEvent* event) {
    // A held key repeats as release and press pairs on some desktops; only the real release
    // ends a Space press.
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() &&
        std::exchange(m_spaceDown, false)) {
        emit OnClick(this);
        ShowPressed(false);
        return;
    }
    TCustomPanel::keyReleaseEvent(event);
}
