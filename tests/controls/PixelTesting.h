#pragma once

#include "controls/gdi/geometry/TColor.h"

#include <QColor>
#include <QImage>
#include <QObject>

#include <functional>

class QWidget;

namespace norvik {

// What a widget paints, in an image of device pixel ratio 1. Whatever the widget leaves
// unpainted shows as magenta.
QImage renderImage(QWidget& widget);

// The screen colour a stored colour takes in the widget's palette.
QColor screenColor(const QWidget& widget, TColor color);

// The pixels of `image` that hold `color`.
using PixelMask = std::function<bool(int x, int y)>;
PixelMask maskOf(const QImage& image, const QColor& color);

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget);

    int count() const { return count_; }
    void reset() { count_ = 0; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int count_ = 0;
};

// Delivers what the desktop has queued and the repaints that it causes.
void settle();

// Shows a top-level widget and lets its first paints and exposure pass.
void showAndSettle(QWidget& widget);

} // namespace norvik
