#include "controls/gradbox/GradBox.h"

#include "controls/gdi/GdiCanvas.h"

namespace norvik {

TGradBox::TGradBox(QWidget* parent)
    : QWidget(parent) {
    resize(128, 128);
}

void TGradBox::setStartColor(TColor value) {
    setColorByIndex(1, value);
}

void TGradBox::setEndColor(TColor value) {
    setColorByIndex(2, value);
}

void TGradBox::setColorByIndex(int index, TColor value) {
    (index == 1 ? startColor_ : endColor_) = value;
    changed();
}

void TGradBox::setGradStep(std::uint8_t value) {
    gradStep_ = value;
    changed();
}

void TGradBox::setDirection(TGradDirection value) {
    if (value == direction_) {
        return;
    }
    direction_ = value;
    changed();
}

void TGradBox::changed() {
    update();
    emit OnChange(this);
}

void TGradBox::paintEvent(QPaintEvent* /*event*/) {
    GdiCanvas canvas(this, palette(), font());
    for (const GdiFill& band :
         gradbox::gradientFills(startColor_, endColor_, gradStep_, direction_, width(), height())) {
        canvas.fill(band.rect, band.color);
    }
}

} // namespace norvik
