#include "PixelTesting.h"

#include "controls/gdi/ColorMap.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace norvik {

QImage renderImage(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    image.fill(Qt::magenta);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QColor screenColor(const QWidget& widget, TColor color) {
    // Palette colours may carry more than 8 bits a channel; an image pixel never does.
    return QColor(toQColor(color, widget.palette()).rgb());
}

PixelMask maskOf(const QImage& image, const QColor& color) {
    return [image, rgb = color.rgb()](int x, int y) {
        return image.valid(x, y) && image.pixel(x, y) == rgb;
    };
}

PaintCounter::PaintCounter(QWidget& widget)
    : QObject(&widget) {
    widget.installEventFilter(this);
}

bool PaintCounter::eventFilter(QObject* /*watched*/, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        ++count_;
    }
    return false;
}

void settle() {
    // A desktop event may post a repaint, which is only delivered on the next round.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void showAndSettle(QWidget& widget) {
    widget.show();
    settle();
}

} // namespace norvik
