#include "Artwork.h"

#include <QPainter>

namespace norvik {

QImage drawPanel() {
    constexpr int kSide = 50;
    QImage panel(kSide, kSide, QImage::Format_RGB32);
    panel.fill(Qt::white);
    QPainter painter(&panel);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, kSide - 1, kSide - 1);
    return panel;
}

} // namespace norvik
