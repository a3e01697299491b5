#include "controls/boxlabl/CustomBoxLabel.h"

#include "controls/gdi/GdiCanvas.h"
#include "controls/gdi/geometry/AnsiText.h"

#include <QMetaMethod>
#include <QMouseEvent>

#include <utility>

namespace norvik {

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
    const GdiCanvas::TextFormat format{alignment_, wordWrap_};
    if (isEnabled()) {
        canvas.drawText(text, box, format, fontColor_, color_);
        return;
    }
    // Engraved: a white copy one pixel down and right, still opaque, then grey over it.
    const GdiRect shifted{box.left + 1, box.top + 1, box.right + 1, box.bottom + 1};
    canvas.drawText(text, shifted, format, clWhite, color_);
    canvas.drawText(text, box, format, clGray);
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
