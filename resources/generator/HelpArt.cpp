#include "Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace norvik {

namespace {

const QColor kOutline(0x26, 0x22, 0x20);
const QColor kChinaLight(0xFF, 0xFF, 0xFF);
const QColor kChinaShade(0xC8, 0xCC, 0xD4);
const QColor kBand(0x20, 0x5C, 0xC8);
const QColor kTea(0x9A, 0x4E, 0x12);
const QColor kSteam(0xA0, 0xA4, 0xAC);

QLinearGradient china(qreal left, qreal right) {
    QLinearGradient gradient(left, 0, right, 0);
    gradient.setColorAt(0, kChinaLight);
    gradient.setColorAt(0.55, kChinaLight);
    gradient.setColorAt(1, kChinaShade);
    return gradient;
}

void drawSaucer(QPainter& painter) {
    painter.setPen(QPen(kOutline, 1));
    painter.setBrush(china(1, 31));
    painter.drawEllipse(QPointF(16, 26.5), 14.5, 4);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kChinaShade, 1));
    painter.drawEllipse(QPointF(16, 26), 8, 2);
}

void drawHandle(QPainter& painter) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kOutline, 4));
    painter.drawEllipse(QPointF(24, 17.5), 3.5, 3.5);
    painter.setPen(QPen(kChinaLight, 2));
    painter.drawEllipse(QPointF(24, 17.5), 3.5, 3.5);
}

void drawCup(QPainter& painter) {
    QPainterPath body;
    body.moveTo(4.5, 12.5);
    body.cubicTo(4.5, 20, 7, 25.5, 14, 25.5);
    body.cubicTo(21, 25.5, 23.5, 20, 23.5, 12.5);
    body.closeSubpath();
    painter.setPen(QPen(kOutline, 1));
    painter.setBrush(china(4, 24));
    painter.drawPath(body);
    painter.setPen(QPen(kBand, 2));
    painter.drawLine(QPointF(6, 16), QPointF(22, 16));

    painter.setPen(QPen(kOutline, 1));
    painter.setBrush(kChinaLight);
    painter.drawEllipse(QPointF(14, 12.5), 9.5, 3);
    painter.setBrush(kTea);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(14, 13), 7.5, 1.8);
}

void drawSteam(QPainter& painter) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kSteam, 1.5, Qt::SolidLine, Qt::RoundCap));
    for (const qreal x : {11.0, 17.0}) {
        QPainterPath wisp;
        wisp.moveTo(x, 9);
        wisp.cubicTo(x - 2.5, 7, x + 2.5, 5, x, 2);
        painter.drawPath(wisp);
    }
}

} // namespace

QImage drawHelp() {
    QImage image = transparentCanvas(32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawSaucer(painter);
    drawHandle(painter);
    drawCup(painter);
    drawSteam(painter);
    return image;
}

QImage drawHelpAtDoubleSize() {
    QImage image = transparentCanvas(64);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(2, 2);
    drawSaucer(painter);
    drawHandle(painter);
    drawCup(painter);
    drawSteam(painter);
    return image;
}

} // namespace norvik
