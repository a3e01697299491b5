#include "Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace norvik {

namespace {

const QColor kOutline(0x1C, 0x1E, 0x26);
const QColor kBezelLight(0xF2, 0xF2, 0xF0);
const QColor kBezelDark(0xB0, 0xB2, 0xB6);
const QColor kScreenTop(0xFF, 0xFF, 0xFF);
const QColor kScreenBottom(0xD8, 0xE6, 0xF8);
const QColor kBarLight(0xF0, 0x30, 0x28);
const QColor kBarDark(0xB0, 0x10, 0x10);

QPen outlinePen(qreal width) {
    return QPen(kOutline, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

void drawStand(QPainter& painter) {
    QLinearGradient metal(0, 38, 0, 46);
    metal.setColorAt(0, kBezelDark);
    metal.setColorAt(1, kBezelLight);
    painter.setPen(outlinePen(2));
    painter.setBrush(metal);
    painter.drawRect(QRectF(19, 36, 10, 5));
    QPainterPath base;
    base.moveTo(15, 41);
    base.lineTo(33, 41);
    base.lineTo(38, 46);
    base.lineTo(10, 46);
    base.closeSubpath();
    painter.drawPath(base);
}

void drawCase(QPainter& painter) {
    QLinearGradient bezel(0, 4, 0, 38);
    bezel.setColorAt(0, kBezelLight);
    bezel.setColorAt(1, kBezelDark);
    painter.setPen(outlinePen(2));
    painter.setBrush(bezel);
    painter.drawRoundedRect(QRectF(2, 4, 44, 33), 3, 3);

    QLinearGradient screen(0, 9, 0, 32);
    screen.setColorAt(0, kScreenTop);
    screen.setColorAt(1, kScreenBottom);
    painter.setBrush(screen);
    painter.drawRect(QRectF(7, 9, 34, 23));
}

void drawChart(QPainter& painter) {
    constexpr qreal kBase = 29;
    constexpr qreal kBarWidth = 5;
    const qreal tops[] = {22, 18, 20, 13};
    qreal left = 12;
    for (const qreal top : tops) {
        QLinearGradient bar(left, 0, left + kBarWidth, 0);
        bar.setColorAt(0, kBarLight);
        bar.setColorAt(1, kBarDark);
        painter.fillRect(QRectF(left, top, kBarWidth, kBase - top), bar);
        left += kBarWidth + 2;
    }
    painter.setPen(outlinePen(2));
    painter.drawLine(QPointF(10, 12), QPointF(10, kBase));
    painter.drawLine(QPointF(10, kBase), QPointF(39, kBase));
}

} // namespace

void paintMonitor(QPainter& painter) {
    drawStand(painter);
    drawCase(painter);
    drawChart(painter);
}

QImage drawMonitor() {
    QImage image = transparentCanvas(48);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintMonitor(painter);
    return image;
}

QImage drawMonitorAtDoubleSize() {
    QImage image = transparentCanvas(96);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(2, 2);
    paintMonitor(painter);
    return image;
}

} // namespace norvik
