#include "controls/forms/TStaticText.h"

#include "controls/forms/StaticTextAccessible.h"
#include "controls/gdi/ColorMap.h"

#include <QEvent>
#include <QPainter>

namespace norvik {

TStaticText::TStaticText(QWidget* parent)
    : QLabel(parent) {
    StaticTextAccessible::install();
    setAutoFillBackground(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    applyColors();
}

void TStaticText::setColor(TColor color) {
    color_ = color;
    applyColors();
}

void TStaticText::setFontColor(TColor color) {
    fontColor_ = color;
    applyColors();
}

void TStaticText::setSingleBorder(bool single) {
    singleBorder_ = single;
    const int inset = single ? 1 : 0;
    setContentsMargins(inset, inset, inset, inset);
    update();
}

void TStaticText::applyColors() {
    // System colours are looked up in the application's palette, not in this widget's own,
    // which is where the resolved colours are written.
    applyingColors_ = true;
    const QPalette reference = QPalette();
    QPalette own = palette();
    own.setColor(QPalette::Window, toQColor(color_, reference));
    own.setColor(QPalette::WindowText, toQColor(fontColor_, reference));
    setPalette(own);
    applyingColors_ = false;
}

void TStaticText::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && !applyingColors_) {
        applyColors();
    }
}

void TStaticText::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (singleBorder_) {
        // The border is the window-frame line: always black, whatever the text colour.
        QPainter painter(this);
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace norvik
