#pragma once

#include "controls/gdi/geometry/TColor.h"

#include <QWidget>

namespace norvik {

// A plain container painted in one stored colour: the title and sub-title strips. Its colour is
// painted even while the desktop draws the standard controls with its visual style.
class TPanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(uint Color READ Color WRITE setColor)

public:
    explicit TPanel(QWidget* parent = nullptr);

    TColor Color() const { return color_; }
    void setColor(TColor color);

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyColor();

    TColor color_ = clBtnFace;
    bool applyingColor_ = false;
};

} // namespace norvik
