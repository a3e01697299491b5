#include "controls/gdi/GdiCanvas.h"

#include "controls/gdi/ColorMap.h"

#include <QFont>
#include <QFontMetrics>
#include <QIcon>
#include <QPixmap>
#include <QString>

#include <algorithm>
#include <cstdlib>

namespace norvik {

namespace {

QRect toQRect(const GdiRect& rect) {
    return {rect.left, rect.top, rect.width(), rect.height()};
}

int textFlags(GdiCanvas::TextFormat format) {
    int flags = Qt::AlignTop | Qt::TextShowMnemonic;
    switch (format.alignment) {
    case toolkit::taLeftJustify:
        flags |= Qt::AlignLeft;
        break;
    case toolkit::taRightJustify:
        flags |= Qt::AlignRight;
        break;
    case toolkit::taCenter:
        flags |= Qt::AlignHCenter;
        break;
    }
    if (format.wordBreak) {
        flags |= Qt::TextWordWrap;
    }
    return flags;
}

// Of the icon's own images, the smallest that covers the target, else the largest.
QSize bestImageSize(const QIcon& icon, QSize target) {
    QList<QSize> sizes = icon.availableSizes();
    if (sizes.isEmpty()) {
        return target;
    }
    std::sort(sizes.begin(), sizes.end(),
              [](QSize a, QSize b) { return a.width() * a.height() < b.width() * b.height(); });
    const auto covering = std::find_if(sizes.cbegin(), sizes.cend(), [target](QSize size) {
        return size.width() >= target.width() && size.height() >= target.height();
    });
    return covering != sizes.cend() ? *covering : sizes.back();
}

} // namespace

GdiCanvas::GdiCanvas(QPaintDevice* device, const QPalette& palette, const QFont& font)
    : painter_(device)
    , palette_(palette) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    QFont unsmoothed = font;
    unsmoothed.setStyleStrategy(
        static_cast<QFont::StyleStrategy>(font.styleStrategy() | QFont::NoAntialias));
    painter_.setFont(unsmoothed);
}

QColor GdiCanvas::color(TColor color) const {
    return toQColor(color, palette_);
}

void GdiCanvas::fill(const GdiRect& rect, TColor color) {
    if (rect.width() > 0 && rect.height() > 0) {
        painter_.fillRect(toQRect(rect), this->color(color));
    }
}

void GdiCanvas::plot(int x, int y, const QColor& color) {
    painter_.fillRect(QRect(x, y, 1, 1), color);
}

void GdiCanvas::line(GdiPoint from, GdiPoint to, TColor color) {
    const QColor pen = this->color(color);
    if (from.y == to.y && from.x != to.x) {
        const int left = from.x < to.x ? from.x : to.x + 1;
        painter_.fillRect(QRect(left, from.y, std::abs(to.x - from.x), 1), pen);
        return;
    }
    if (from.x == to.x && from.y != to.y) {
        const int top = from.y < to.y ? from.y : to.y + 1;
        painter_.fillRect(QRect(from.x, top, 1, std::abs(to.y - from.y)), pen);
        return;
    }
    // Any other slope: Bresenham's walk, stopping before the end point.
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int stepX = from.x < to.x ? 1 : -1;
    const int stepY = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    for (GdiPoint p = from; p != to;) {
        plot(p.x, p.y, pen);
        if (2 * error >= dy) {
            error += dy;
            p.x += stepX;
        }
        if (2 * error <= dx) {
            error += dx;
            p.y += stepY;
        }
    }
}

void GdiCanvas::lines(std::span<const GdiLine> lines) {
    for (const GdiLine& l : lines) {
        line(l.from, l.to, l.color);
    }
}

void GdiCanvas::frameRect(const GdiRect& rect, TColor color) {
    if (rect.width() <= 0 || rect.height() <= 0) {
        return;
    }
    const QColor pen = this->color(color);
    const QRect r = toQRect(rect);
    painter_.fillRect(QRect(r.left(), r.top(), r.width(), 1), pen);
    painter_.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), pen);
    painter_.fillRect(QRect(r.left(), r.top(), 1, r.height()), pen);
    painter_.fillRect(QRect(r.right(), r.top(), 1, r.height()), pen);
}

void GdiCanvas::rectangle(const GdiRect& rect, TColor pen, TColor brush) {
    fill(rect, brush);
    frameRect(rect, pen);
}

QSize GdiCanvas::measureText(const QString& text, const GdiRect& bounds, bool wordBreak) const {
    const int flags = textFlags({toolkit::taLeftJustify, wordBreak});
    return painter_.fontMetrics().boundingRect(toQRect(bounds), flags, text).size();
}

void GdiCanvas::drawText(const QString& text, const GdiRect& box, TextFormat format, TColor color,
                         std::optional<TColor> background) {
    const QRect rect = toQRect(box);
    const int flags = textFlags(format);
    if (background) {
        const QRect cells = painter_.fontMetrics().boundingRect(rect, flags, text);
        painter_.fillRect(cells.intersected(rect), this->color(*background));
    }
    painter_.setPen(this->color(color));
    if (format.shift == 0) {
        painter_.drawText(rect, flags, text);
        return;
    }
    painter_.save();
    painter_.translate(format.shift, 0);
    painter_.drawText(rect, flags, text);
    painter_.restore();
}

int GdiCanvas::textHeight() const {
    return painter_.fontMetrics().height();
}

void GdiCanvas::textOut(GdiPoint anchor, const QString& text, TextAnchor anchorKind, TColor color,
                        int angle) {
    const QFontMetrics metrics = painter_.fontMetrics();
    const int width = metrics.horizontalAdvance(text);
    int left = 0;
    if (anchorKind == TextAnchor::Right) {
        left = -width;
    } else if (anchorKind == TextAnchor::Center) {
        left = -width / 2;
    }
    painter_.save();
    painter_.translate(anchor.x, anchor.y);
    // The painter turns clockwise on a screen whose y axis points down.
    painter_.rotate(-angle);
    painter_.setPen(this->color(color));
    painter_.drawText(QPoint(left, metrics.ascent()), text);
    painter_.restore();
}

void GdiCanvas::drawPixmap(const QPixmap& pixmap, const GdiRect& target) {
    if (target.width() > 0 && target.height() > 0) {
        painter_.drawPixmap(toQRect(target), pixmap);
    }
}

void GdiCanvas::drawPixmap(const QPixmap& pixmap, GdiPoint topLeft) {
    painter_.drawPixmap(QPoint(topLeft.x, topLeft.y), pixmap);
}

void GdiCanvas::drawIcon(const QIcon& icon, const GdiRect& target) {
    if (icon.isNull() || target.width() <= 0 || target.height() <= 0) {
        return;
    }
    const QSize size(target.width(), target.height());
    drawPixmap(icon.pixmap(bestImageSize(icon, size)), target);
}

} // namespace norvik
