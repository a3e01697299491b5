#include "controls/forms/CustomPanel.h"

#include "controls/gdi/GdiCanvas.h"
#include "controls/gdi/geometry/PanelGeometry.h"
#include "controls/winxp/VisualStyles.h"

namespace norvik {

TCustomPanel::TCustomPanel(QWidget* parent)
    : QWidget(parent) {}

void TCustomPanel::setBevelOuter(TBevelCut value) {
    bevelOuter_ = value;
    update();
}

void TCustomPanel::setBevelInner(TBevelCut value) {
    bevelInner_ = value;
    update();
}

void TCustomPanel::setBevelWidth(int value) {
    bevelWidth_ = value;
    update();
}

void TCustomPanel::setBorderWidth(int value) {
    borderWidth_ = value;
    update();
}

void TCustomPanel::setColor(TColor value) {
    color_ = value;
    update();
}

int TCustomPanel::drawnBevelCount() const {
    return toolkit::drawnBevelCount(bevelOuter_, bevelInner_);
}

void TCustomPanel::paintEvent(QPaintEvent* /*event*/) {
    GdiCanvas canvas(this, palette(), font());
    Paint(canvas);
}

void TCustomPanel::Paint(GdiCanvas& canvas) {
    const toolkit::PanelFrame frame{bevelOuter_, bevelInner_, bevelWidth_, borderWidth_};
    const toolkit::PanelPaint paint = toolkit::panelPaint(width(), height(), frame, color_);
    canvas.lines(paint.lines);
    if (!visualstyles::active()) {
        canvas.fill(paint.face, color_);
    }
}

} // namespace norvik
