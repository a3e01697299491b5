#include "controls/boxlabl/CustomBoxLabel.h"

#include "controls/gdi/GdiCanvas.h"
#include "controls/gdi/geometry/AnsiText.h"

#include <QFontMetricsF>
#include <QImage>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace norvik {

namespace {

constexpr int kAsidePad = 8;

struct InkColumns {
    int first;
    int last;
};

// The caption drawn as the display draws it, the same font on a surface of the same scale,
// centred in its own advance with room on either side.
QImage drawnAside(const QString& text, const QFont& font, qreal scale) {
    const QFontMetricsF metrics(font);
    const qreal advance = metrics.horizontalAdvance(text);
    QImage image(static_cast<int>(std::ceil((advance + 2 * kAsidePad) * scale)),
                 static_cast<int>(std::ceil(metrics.height() * scale)), QImage::Format_ARGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(kAsidePad, 0, advance, metrics.height()), Qt::AlignHCenter, text);
    return image;
}

std::optional<InkColumns> inkColumnsOf(const QImage& image) {
    std::optional<InkColumns> ink;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 0) {
                ink = ink ? InkColumns{std::min(ink->first, x), std::max(ink->last, x)}
                          : InkColumns{x, x};
            }
        }
    }
    return ink;
}

} // namespace

TCustomBoxLabel::TCustomBoxLabel(QWidget* parent)
    : QWidget(parent) {
    resize(70, 20);
    // A label made at run time has no name yet, so its caption starts empty.
    setLabelText(objectName());
}

template <typename T>
void TCustomBoxLabel::store(T& field, const T& value) {
    if (field == value) {
        return;
    }
    field = value;
    update();
}

void TCustomBoxLabel::setAlignment(TAlignment value) {
    store(alignment_, value);
}

void TCustomBoxLabel::setHorizontalAlign(THorizontalAlignment value) {
    store(horizontalAlign_, value);
}

void TCustomBoxLabel::setTextBorder(int value) {
    store(textBorder_, value);
}

void TCustomBoxLabel::setWordWrap(bool value) {
    store(wordWrap_, value);
}

void TCustomBoxLabel::setBorderStyle(TBorderStyle value) {
    store(borderStyle_, value);
}

void TCustomBoxLabel::setDecimals(std::int8_t value) {
    decimals_ = value;
}

void TCustomBoxLabel::setBevelInner(TBevelStyle value) {
    store(bevelInner_, value);
}

void TCustomBoxLabel::setBevelOuter(TBevelStyle value) {
    store(bevelOuter_, value);
}

void TCustomBoxLabel::setBevelWidth(int value) {
    store(bevelWidth_, value);
}

void TCustomBoxLabel::setFormatString(const QString& value) {
    formatString_ = value;
}

void TCustomBoxLabel::setColor(TColor value) {
    store(color_, value);
}

void TCustomBoxLabel::setFontColor(TColor value) {
    store(fontColor_, value);
}

QString TCustomBoxLabel::GetLabelText() const {
    return caption_;
}

void TCustomBoxLabel::setLabelText(const QString& text) {
    store(caption_, text);
}

void TCustomBoxLabel::paintEvent(QPaintEvent* /*event*/) {
    GdiCanvas canvas(this, palette(), font());
    Paint(canvas);
}

void TCustomBoxLabel::Paint(GdiCanvas& canvas) {
    canvas.fill({0, 0, width(), height()}, color_);
    paintText(canvas, paintFrame(canvas));
}

int TCustomBoxLabel::paintFrame(GdiCanvas& canvas) {
    const boxlabl::FramePaint frame = boxlabl::framePaint(
        width(), height(), {bevelOuter_, bevelInner_, bevelWidth_, borderStyle_});
    canvas.lines(frame.outerLines);
    if (frame.border) {
        canvas.rectangle(*frame.border, clBlack, color_);
    }
    canvas.lines(frame.innerLines);
    return frame.inset;
}

void TCustomBoxLabel::paintText(GdiCanvas& canvas, int inset) {
    const QString text = boundedText();
    const QSize size = canvas.measureText(text, {0, 0, width(), height()}, wordWrap_);
    const GdiRect box = boxlabl::textBox(
        {width(), height(), inset, size.width(), size.height(), alignment_, horizontalAlign_});
    const GdiCanvas::TextFormat format{alignment_, wordWrap_, inkCentring(text)};
    if (isEnabled()) {
        canvas.drawText(text, box, format, fontColor_, color_);
        return;
    }
    // Engraved: a white copy one pixel down and right, still opaque, then grey over it.
    const GdiRect shifted{box.left + 1, box.top + 1, box.right + 1, box.bottom + 1};
    canvas.drawText(text, shifted, format, clWhite, color_);
    canvas.drawText(text, box, format, clGray);
}

// Qt centres a caption's advance. At a fractional display scale the glyphs' side bearings no
// longer balance, so a caption that nearly fills its box would touch the frame on one side
// while two pixels stay free on the other: there the ink is centred instead, to the device
// pixel. The font's own bounding boxes do not tell where the ink lies, so it is drawn once
// aside and looked at. At a whole scale the caption stays where the toolkit puts it.
qreal TCustomBoxLabel::inkCentring(const QString& text) const {
    const qreal scale = devicePixelRatioF();
    if (alignment_ != taCenter || wordWrap_ || text.isEmpty() || scale == std::floor(scale)) {
        return 0;
    }
    const qreal advance = QFontMetricsF(font()).horizontalAdvance(text);
    const std::optional<InkColumns> ink = inkColumnsOf(drawnAside(text, font(), scale));
    if (!ink) {
        return 0;
    }
    // Both in device pixels: where the advance's centre lies and where the ink's does.
    const qreal advanceCentre = (kAsidePad + advance / 2) * scale;
    const qreal inkCentre = (ink->first + ink->last + 1) / 2.0;
    return std::round(advanceCentre - inkCentre) / scale;
}

QString TCustomBoxLabel::boundedText() const {
    const QString text = GetLabelText();
    const std::u16string_view units(reinterpret_cast<const char16_t*>(text.utf16()),
                                    static_cast<std::size_t>(text.size()));
    return text.left(static_cast<qsizetype>(gdi::ansiPrefixLength(units, boxlabl::kCaptionBytes)));
}

bool TCustomBoxLabel::hasClickListener() const {
    return isSignalConnected(QMetaMethod::fromSignal(&TCustomBoxLabel::OnClick)) ||
           isSignalConnected(QMetaMethod::fromSignal(&TCustomBoxLabel::OnDblClick));
}

void TCustomBoxLabel::mousePressEvent(QMouseEvent* event) {
    clickPending_ = event->button() == Qt::LeftButton && hasClickListener();
    if (!clickPending_) {
        QWidget::mousePressEvent(event);
    }
}

void TCustomBoxLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !std::exchange(clickPending_, false)) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    if (rect().contains(event->position().toPoint())) {
        emit OnClick(this);
    }
}

void TCustomBoxLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !hasClickListener()) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    emit OnDblClick(this);
}

} // namespace norvik
