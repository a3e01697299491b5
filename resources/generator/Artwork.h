#pragma once

#include <QImage>

class QPainter;

namespace norvik {

// The drawings at their stored sizes, before they are reduced to their colour depth. The
// buttons always show an icon at 32 x 32 on white, on the light grey button face or on the dark
// slate of the command strip, so each subject is drawn as a bold silhouette with an outline that
// holds against all three, and the 48 x 48 ones use strokes of at least two pixels so that
// scaling them down, smoothly or by dropping every third row and column, keeps every part.

QImage drawMonitor(); // 48 x 48: a monitor showing a red bar chart
QImage drawCompute(); // 48 x 48: a stethoscope over an application window with a pulse trace
QImage drawClear();   // 32 x 32, classic palette: two hands over a dark slate
QImage drawHelp();    // 32 x 32: a tea cup on a saucer
QImage drawExit();    // 32 x 32, classic palette: a blue arrow pointing into an open door
QImage drawPanel();   // 50 x 50: a white square with a one-pixel black frame

// The monitor subject painted in 48 x 48 units, for callers that scale it to other sizes.
void paintMonitor(QPainter& painter);

// The same subjects at twice their stored size, stored beside them for displays scaled to 2:
// the painted ones are painted again at that size; the hand-placed 16-colour ones have every
// pixel doubled, which is exactly how they look scaled by 2 without smoothing.
QImage drawMonitorAtDoubleSize(); // 96 x 96
QImage drawComputeAtDoubleSize(); // 96 x 96
QImage drawHelpAtDoubleSize();    // 64 x 64
QImage drawClearAtDoubleSize();   // 64 x 64
QImage drawExitAtDoubleSize();    // 64 x 64

inline QImage transparentCanvas(int side) {
    QImage canvas(side, side, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    return canvas;
}

} // namespace norvik
