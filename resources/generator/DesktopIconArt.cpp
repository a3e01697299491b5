#include "DesktopIconArt.h"

#include "Artwork.h"

#include <QPainter>

namespace norvik {

QImage drawDesktopIcon(int side) {
    constexpr qreal kDrawnSide = 48;
    QImage image = transparentCanvas(side);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / kDrawnSide, side / kDrawnSide);
    paintMonitor(painter);
    return image;
}

} // namespace norvik
