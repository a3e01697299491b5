#pragma once

#include "controls/CustomPanel.h"
#include "controls/IconBtnGeometry.h"

#include <QIcon>

// A push button showing one icon on a flat face framed by up to two bevels. The bevels sink
// while the button is pressed and, in the style bsIELike, rise while the pointer is over it;
// the face can take another colour while the pointer is over it. A click comes from the left
// mouse button, from Enter or from Space.
//
// The button takes the keyboard focus from a left click only (or from the keyboard when
// TabStop is set). OnClick fires while the button still looks pressed.
class TIconButton : public TCustomPanel {
    Q_OBJECT
    Q_PROPERTY(IconBtn::TButtonStyle ButtonStyle READ ButtonStyle WRITE setButtonStyle)
    Q_PROPERTY(bool ColorChange READ ColorChange WRITE setColorChange)
    Q_PROPERTY(QIcon Icon READ Icon WRITE setIcon)
    Q_PROPERTY(TColor InColor READ InColor WRITE setInColor)
    Q_PROPERTY(TColor OutColor READ OutColor WRITE setOutColor)
    Q_PROPERTY(bool Stretch READ Stretch WRITE setStretch)
    Q_PROPERTY(bool TabStop READ TabStop WRITE setTabStop)

public:
    using TButtonStyle = IconBtn::TButtonStyle;
    using enum IconBtn::TButtonStyle;

    explicit TIconButton(QWidget* parent = nullptr);

    TButtonStyle ButtonStyle() const { return m_buttonStyle; }
    void setButtonStyle(TButtonStyle value);
    bool ColorChange() const { return m_colorChange; }
    void setColorChange(bool value);
    QIcon Icon() const { return m_icon; }
    void setIcon(const QIcon& value);
    TColor InColor() const { return m_inColor; }
    void setInColor(TColor value);
    TColor OutColor() const { return m_outColor; }
    void setOutColor(TColor value);
    bool Stretch() const { return m_stretch; }
    void setStretch(bool value);
    bool TabStop() const;
    void setTabStop(bool value);

    // While designing, a new OutColor shows at once instead of at the next hover change.
    bool designing() const { return m_designing; }
    void setDesigning(bool value);

    // After the stored layout has been read: the face takes OutColor.
    void Loaded();

    void ShowPressed(bool pressed);
    void ApplyColor(TColor value);
    bool IsMouseInside() const;

signals:
    void OnClick(TIconButton* Sender);
    void OnDblClick(TIconButton* Sender);
    void OnMouseDown(TIconButton* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                     int X, int Y);
    void OnMouseUp(TIconButton* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X,
                   int Y);
    void OnMouseEnter(TIconButton* Sender, Qt::KeyboardModifiers Shift, Qt::MouseButtons Buttons,
                      int X, int Y);
    void OnMouseLeave(TIconButton* Sender, Qt::KeyboardModifiers Shift, Qt::MouseButtons Buttons,
                      int X, int Y);

protected:
    virtual void DoMouseEnter(Qt::KeyboardModifiers shift, Qt::MouseButtons buttons, int x, int y);
    virtual void DoMouseLeave(Qt::KeyboardModifiers shift, Qt::MouseButtons buttons, int x, int y);

    void Paint(GdiCanvas& canvas) override;

    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void pressed(QMouseEvent* event);
    QPoint pointerPosition() const;

    bool m_spaceDown = false;
    TColor m_appliedColor = 0;
    bool m_clickPending = false;
    bool m_designing = false;
    TButtonStyle m_buttonStyle = bsNone;
    bool m_colorChange = true;
    QIcon m_icon;
    TColor m_inColor = clActiveCaption;
    TColor m_outColor = clBtnFace;
    bool m_stretch = false;
};
