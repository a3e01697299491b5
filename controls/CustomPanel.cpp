#include "controls/CustomPanel.h"

#include "controls/GdiCanvas.h"
#include "controls/PanelGeometry.h"
#include "controls/VisualStyles.h"

TCustomPanel::TCustomPanel(QWidget* parent)
    : QWidget(parent) {}

void TCustomPanel::setBevelOuter(TBevelCut value) {
    m_bevelOuter = value;
    update();
}

void TCustomPanel::setBevelInner(TBevelCut value) {
    m_bevelInner = value;
    update();
}

void TCustomPanel::setBevelWidth(int value) {
    m_bevelWidth = value;
    update();
}

void TCustomPanel::setBorderWidth(int value) {
    m_borderWidth = value;
    update();
}

void TCustomPanel::setColor(TColor value) {
    m_color = value;
    update();
}

int TCustomPanel::drawnBevelCount() const {
    return Toolkit::drawnBevelCount(m_bevelOuter, m_bevelInner);
}

void TCustomPanel::paintEvent(QPaintEvent* /*event*/) {
    GdiCanvas canvas(this, palette(), font());
    Paint(canvas);
}

void TCustomPanel::Paint(GdiCanvas& canvas) {
    const Toolkit::PanelFrame frame{m_bevelOuter, m_bevelInner, m_bevelWidth, m_borderWidth};
    const Toolkit::PanelPaint paint = Toolkit::panelPaint(width(), height(), frame, m_color);
    canvas.lines(paint.lines);
    if (!VisualStyles::active()) {
        canvas.fill(paint.face, m_color);
    }
}
