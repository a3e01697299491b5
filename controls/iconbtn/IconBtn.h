#pragma once

#include "controls/forms/AfterLoad.h"
#include "controls/forms/CustomPanel.h"
#include "controls/iconbtn/geometry/IconBtnGeometry.h"

#include <QIcon>

namespace norvik {

// A push button showing one icon on a flat face framed by up to two bevels. The bevels sink
// while the button is pressed and, in the style bsIELike, rise while the pointer is over it;
// the face can take another colour while the pointer is over it. A click comes from the left
// mouse button, from Enter or from Space.
//
// The button takes the keyboard focus from a left click only (or from the keyboard when
// TabStop is set). OnClick fires while the button still looks pressed.
class TIconButton : public TCustomPanel, public AfterLoad {
    Q_OBJECT
    Q_PROPERTY(iconbtn::TButtonStyle ButtonStyle READ ButtonStyle WRITE setButtonStyle)
    Q_PROPERTY(bool ColorChange READ ColorChange WRITE setColorChange)
    Q_PROPERTY(QIcon Icon READ Icon WRITE setIcon)
    Q_PROPERTY(TColor InColor READ InColor WRITE setInColor)
    Q_PROPERTY(TColor OutColor READ OutColor WRITE setOutColor)
    Q_PROPERTY(bool Stretch READ Stretch WRITE setStretch)
    Q_PROPERTY(bool TabStop READ TabStop WRITE setTabStop)

public:
    using TButtonStyle = iconbtn::TButtonStyle;
    using enum iconbtn::TButtonStyle;

    explicit TIconButton(QWidget* parent = nullptr);

    TButtonStyle ButtonStyle() const { return buttonStyle_; }
    void setButtonStyle(TButtonStyle value);
    bool ColorChange() const { return colorChange_; }
    void setColorChange(bool value);
    QIcon Icon() const { return icon_; }
    void setIcon(const QIcon& value);
    TColor InColor() const { return inColor_; }
    void setInColor(TColor value);
    TColor OutColor() const { return outColor_; }
    void setOutColor(TColor value);
    bool Stretch() const { return stretch_; }
    void setStretch(bool value);
    bool TabStop() const;
    void setTabStop(bool value);

    // In design mode a new OutColor shows at once instead of at the next hover change.
    bool designMode() const { return designMode_; }
    void setDesignMode(bool value);

    // After the stored layout has been read: the face takes OutColor.
    void Loaded() override;

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

    bool spaceDown_ = false;
    TColor appliedColor_ = 0;
    bool clickPending_ = false;
    bool designMode_ = false;
    TButtonStyle buttonStyle_ = bsNone;
    bool colorChange_ = true;
    QIcon icon_;
    TColor inColor_ = clActiveCaption;
    TColor outColor_ = clBtnFace;
    bool stretch_ = false;
};

} // namespace norvik
