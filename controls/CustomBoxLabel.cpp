#include "controls/CustomBoxLabel.h"

#include "controls/AnsiText.h"
#include "controls/GdiCanvas.h"

#include <QMetaMethod>
#include <QMouseEvent>

#include <utility>

TCustomBoxLabel::TCustomBoxLabel(QWidget* parent)
    : QWidget(parent) {
    resize(70, 20);
    // A label made at run time has no name yet, so its caption starts empty.
    SetLabelText(objectName());
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
    store(m_alignment, value);
}

void TCustomBoxLabel::setHorizontalAlign(THorizontalAlignment value) {
    store(m_horizontalAlign, value);
}

void TCustomBoxLabel::setTextBorder(int value) {
    store(m_textBorder, value);
}

void TCustomBoxLabel::setWordWrap(bool value) {
    store(m_wordWrap, value);
}

void TCustomBoxLabel::setBorderStyle(TBorderStyle value) {
    store(m_borderStyle, value);
}

void TCustomBoxLabel::setDecimals(std::int8_t value) {
    m_decimals = value;
}

void TCustomBoxLabel::setBevelInner(TBevelStyle value) {
    store(m_bevelInner, value);
}

void TCustomBoxLabel::setBevelOuter(TBevelStyle value) {
    store(m_bevelOuter, value);
}

void TCustomBoxLabel::setBevelWidth(int value) {
    store(m_bevelWidth, value);
}

void TCustomBoxLabel::setFormatString(const QString& value) {
    m_formatString = value;
}

void TCustomBoxLabel::setColor(TColor value) {
    store(m_color, value);
}

void TCustomBoxLabel::setFontColor(TColor value) {
    store(m_fontColor, value);
}

QString TCustomBoxLabel::GetLabelText() const {
    return m_caption;
}

void TCustomBoxLabel::SetLabelText(const QString& text) {
    store(m_caption, text);
}

void TCustomBoxLabel::paintEvent(QPaintEvent* /*event*/) {
    GdiCanvas canvas(this, palette(), font());
    Paint(canvas);
}

void TCustomBoxLabel::Paint(GdiCanvas& canvas) {
    canvas.fill({0, 0, width(), height()}, m_color);
    paintText(canvas, paintFrame(canvas));
}

int TCustomBoxLabel::paintFrame(GdiCanvas& canvas) {
    const BoxLabl::FramePaint frame = BoxLabl::framePaint(
        width(), height(), {m_bevelOuter, m_bevelInner, m_bevelWidth, m_borderStyle});
    canvas.lines(frame.outerLines);
    if (frame.border) {
        canvas.rectangle(*frame.border, clBlack, m_color);
    }
    canvas.lines(frame.innerLines);
    return frame.inset;
}

void TCustomBoxLabel::paintText(GdiCanvas& canvas, int inset) {
    const QString text = boundedText();
    const QSize size = canvas.measureText(text, {0, 0, width(), height()}, m_wordWrap);
    const GdiRect box = BoxLabl::textBox(
        {width(), height(), inset, size.width(), size.height(), m_alignment, m_horizontalAlign});
    const GdiCanvas::TextFormat format{m_alignment, m_wordWrap};
    if (isEnabled()) {
        canvas.drawText(text, box, format, m_fontColor, m_color);
        return;
    }
    // Engraved: a white copy one pixel down and right, still opaque, then grey over it.
    const GdiRect shifted{box.left + 1, box.top + 1, box.right + 1, box.bottom + 1};
    canvas.drawText(text, shifted, format, clWhite, m_color);
    canvas.drawText(text, box, format, clGray);
}

QString TCustomBoxLabel::boundedText() const {
    const QString text = GetLabelText();
    const std::u16string_view units(reinterpret_cast<const char16_t*>(text.utf16()),
                                    static_cast<std::size_t>(text.size()));
    return text.left(static_cast<qsizetype>(gdi::ansiPrefixLength(units, BoxLabl::kCaptionBytes)));
}

bool TCustomBoxLabel::hasClickListener() const {
    return isSignalConnected(QMetaMethod::fromSignal(&TCustomBoxLabel::OnClick)) ||
           isSignalConnected(QMetaMethod::fromSignal(&TCustomBoxLabel::OnDblClick));
}

void TCustomBoxLabel::mousePressEvent(QMouseEvent* event) {
    m_clickPending = event->button() == Qt::LeftButton && hasClickListener();
    if (!m_clickPending) {
        QWidget::mousePressEvent(event);
    }
}

void TCustomBoxLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !std::exchange(m_clickPending, false)) {
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
