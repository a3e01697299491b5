#include "Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace norvik {

namespace {

const QColor kOutline(0x1C, 0x1E, 0x26);
const QColor kTitleLeft(0x10, 0x3C, 0xB0);
const QColor kTitleRight(0x50, 0x8C, 0xF0);
const QColor kClient(0xFF, 0xFF, 0xFF);
const QColor kPulse(0xE0, 0x14, 0x14);
const QColor kTube(0x30, 0x32, 0x3A);
const QColor kMetalLight(0xF4, 0xF6, 0xFA);
const QColor kMetalDark(0x90, 0x96, 0xA4);
const QColor kHalo(0xEE, 0xEE, 0xF2);

void drawWindow(QPainter& painter) {
    const QRectF frame(2, 9, 36, 31);
    painter.setPen(QPen(kOutline, 2));
    painter.setBrush(kClient);
    painter.drawRect(frame);
    QLinearGradient title(frame.left(), 0, frame.right(), 0);
    title.setColorAt(0, kTitleLeft);
    title.setColorAt(1, kTitleRight);
    painter.setBrush(title);
    painter.drawRect(QRectF(frame.left(), frame.top(), frame.width(), 7));
}

void drawPulse(QPainter& painter) {
    QPainterPath trace;
    trace.moveTo(5, 30);
    trace.lineTo(12, 30);
    trace.lineTo(15, 27);
    trace.lineTo(17, 30);
    trace.lineTo(19, 30);
    trace.lineTo(22, 20);
    trace.lineTo(26, 37);
    trace.lineTo(29, 30);
    trace.lineTo(35, 30);
    painter.setPen(QPen(kPulse, 3, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(trace);
}

QPainterPath earTubes() {
    QPainterPath path;
    path.moveTo(33, 3);
    path.cubicTo(33, 12, 36, 16, 40, 18);
    path.moveTo(46, 3);
    path.cubicTo(46, 12, 44, 16, 40, 18);
    return path;
}

QPainterPath mainTube() {
    QPainterPath path;
    path.moveTo(40, 18);
    path.cubicTo(42, 30, 44, 44, 34, 44);
    path.cubicTo(28, 44, 26, 42, 24, 40);
    return path;
}

const QPointF kEarTips[] = {{33, 3}, {46, 3}};
const QPointF kChestPiece(18, 40);
constexpr qreal kEarTipRadius = 2;
constexpr qreal kChestPieceRadius = 6.5;
constexpr qreal kEarTubeWidth = 2;
constexpr qreal kMainTubeWidth = 2.5;

QPen tubePen(const QColor& colour, qreal width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void strokeAll(QPainter& painter, const QColor& colour, qreal widen) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(tubePen(colour, kEarTubeWidth + widen));
    painter.drawPath(earTubes());
    painter.setPen(tubePen(colour, kMainTubeWidth + widen));
    painter.drawPath(mainTube());
}

// A pale halo first, under everything: it vanishes on white and grey but parts the dark
// tubing from the dark slate.
void drawHalo(QPainter& painter) {
    strokeAll(painter, kHalo, 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kHalo);
    for (const QPointF& tip : kEarTips) {
        painter.drawEllipse(tip, kEarTipRadius + 3, kEarTipRadius + 3);
    }
    painter.drawEllipse(kChestPiece, kChestPieceRadius + 3, kChestPieceRadius + 3);
}

// Tubes are a dark stroke with a lighter core, so they read as round tubes.
void drawTubing(QPainter& painter) {
    strokeAll(painter, kOutline, 2);
    painter.setPen(tubePen(kMetalDark, kEarTubeWidth));
    painter.drawPath(earTubes());
    painter.setPen(tubePen(kTube, kMainTubeWidth));
    painter.drawPath(mainTube());
    painter.setPen(QPen(kOutline, 2));
    painter.setBrush(kOutline);
    for (const QPointF& tip : kEarTips) {
        painter.drawEllipse(tip, kEarTipRadius, kEarTipRadius);
    }
}

void drawChestPiece(QPainter& painter) {
    QLinearGradient disc(kChestPiece - QPointF(6, 8), kChestPiece + QPointF(6, 6));
    disc.setColorAt(0, kMetalLight);
    disc.setColorAt(1, kMetalDark);
    painter.setPen(QPen(kOutline, 2));
    painter.setBrush(disc);
    painter.drawEllipse(kChestPiece, kChestPieceRadius, kChestPieceRadius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kMetalDark, 1.5));
    painter.drawEllipse(kChestPiece, 3.5, 3.5);
}

void drawStethoscope(QPainter& painter) {
    drawHalo(painter);
    drawTubing(painter);
    drawChestPiece(painter);
}

} // namespace

QImage drawCompute() {
    QImage image = transparentCanvas(48);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawWindow(painter);
    drawPulse(painter);
    drawStethoscope(painter);
    return image;
}

QImage drawComputeAtDoubleSize() {
    QImage image = transparentCanvas(96);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(2, 2);
    drawWindow(painter);
    drawPulse(painter);
    drawStethoscope(painter);
    return image;
}

} // namespace norvik
