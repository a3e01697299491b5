#include "controls/forms/TPanel.h"

#include "controls/gdi/ColorMap.h"

#include <QEvent>

namespace norvik {

TPanel::TPanel(QWidget* parent)
    : QWidget(parent) {
    setAutoFillBackground(true);
    applyColor();
}

void TPanel::setColor(TColor color) {
    color_ = color;
    applyColor();
}

void TPanel::applyColor() {
    applyingColor_ = true;
    QPalette own = palette();
    own.setColor(QPalette::Window, toQColor(color_, QPalette()));
    setPalette(own);
    applyingColor_ = false;
}

void TPanel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && !applyingColor_) {
        applyColor();
    }
}

} // namespace norvik
