#include "controls/GradBox.h"

#include "controls/GdiCanvas.h"

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
    (index == 1 ? m_startColor : m_endColor) = value;
    changed();
}

void TGradBox::setGradStep(std::uint8_t value) {
    m_gradStep = value;
    changed();
}

void TGradBox::setDirection(TGradDirection value) {
    if (value == m_direction) {
        return;
    }
    m_direction = value;
    changed();
}

void TGradBox::changed() {
    update();
    emit OnChange(this);
}

void TGradBox::paintEvent(QPaintEvent* /*event*/) {
    GdiCanvas canvas(this, palette(), font());
    for (const GdiFill& band : GradBox::gradientFills(m_startColor, m_endColor, m_gradStep,
                                                      m_direction, width(), height())) {
        canvas.fill(band.rect, band.color);
    }
}
