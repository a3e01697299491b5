#pragma once

#include "controls/gdi/geometry/TColor.h"

#include <QLabel>

namespace norvik {

// A static text as the layouts use it for captions and result fields: an opaque background in
// a stored colour, its text in a stored colour at the top of the box, and optionally a single
// black border line.
class TStaticText : public QLabel {
    Q_OBJECT
    Q_PROPERTY(uint Color READ Color WRITE setColor)
    Q_PROPERTY(uint FontColor READ FontColor WRITE setFontColor)
    Q_PROPERTY(bool SingleBorder READ SingleBorder WRITE setSingleBorder)

public:
    explicit TStaticText(QWidget* parent = nullptr);

    TColor Color() const { return color_; }
    void setColor(TColor color);
    TColor FontColor() const { return fontColor_; }
    void setFontColor(TColor color);
    bool SingleBorder() const { return singleBorder_; }
    void setSingleBorder(bool single);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applyColors();

    TColor color_ = clBtnFace;
    TColor fontColor_ = clWindowText;
    bool singleBorder_ = false;
    bool applyingColors_ = false;
};

} // namespace norvik
