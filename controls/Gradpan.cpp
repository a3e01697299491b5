#include "controls/Gradpan.h"

#include "controls/AnsiText.h"
#include "controls/GdiCanvas.h"
#include "controls/GradpanBackground.h"
#include "controls/GradpanCaption.h"
#include "controls/GradpanFrame.h"

#include <QMouseEvent>
#include <QMoveEvent>

namespace {

// A new panel's bitmap: 50 × 50, white, with a one-pixel black rectangle from (0, 0) to
// (49, 49), which leaves the last row and column white.
QPixmap initialBitmap(const QWidget& owner) {
    constexpr int kSide = 50;
    QPixmap bitmap(kSide, kSide);
    bitmap.fill(Qt::white);
    GdiCanvas canvas(&bitmap, owner.palette(), owner.font());
    canvas.rectangle({0, 0, kSide - 1, kSide - 1}, clBlack, clWhite);
    return bitmap;
}

Qt::CursorShape sizingCursor(Gradpan::HitArea area) {
    using Gradpan::HitArea;
    switch (area) {
    case HitArea::Left:
    case HitArea::Right:
        return Qt::SizeHorCursor;
    case HitArea::Top:
    case HitArea::Bottom:
        return Qt::SizeVerCursor;
    case HitArea::TopLeft:
    case HitArea::BottomRight:
        return Qt::SizeFDiagCursor;
    case HitArea::TopRight:
    case HitArea::BottomLeft:
        return Qt::SizeBDiagCursor;
    case HitArea::Nowhere:
    case HitArea::Caption:
        break;
    }
    return Qt::ArrowCursor;
}

GdiRect toGdiRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

} // namespace

TGradPan::TGradPan(QWidget* parent)
    : TCustomPanel(parent)
    , m_bitmap(initialBitmap(*this)) {}

void TGradPan::setAlignment(TAlignment value) {
    m_alignment = value;
    update();
}

void TGradPan::setCaption(const QString& value) {
    if (value == m_caption) {
        return;
    }
    m_caption = value;
    update();
}

void TGradPan::setFontColor(TColor value) {
    if (value == m_fontColor) {
        return;
    }
    m_fontColor = value;
    update();
}

void TGradPan::setBitmap(const QPixmap& value) {
    m_bitmap = value;
    BitmapChanged();
}

void TGradPan::BitmapChanged() {
    if (Gradpan::isImage(m_backGroundEffect)) {
        repaint();
    }
}

void TGradPan::setBackGroundEffect(TDirection value) {
    m_backGroundEffect = value;
    repaint();
}

void TGradPan::setColorEnd(TColor value) {
    m_colorEnd = value;
    repaint();
}

void TGradPan::setColorShadow(TColor value) {
    m_colorShadow = value;
    repaint();
}

void TGradPan::setColorStart(TColor value) {
    m_colorStart = value;
    repaint();
}

void TGradPan::setCtl3D(bool value) {
    m_ctl3D = value;
    repaint();
}

void TGradPan::setTextEffect(TTextEffect value) {
    m_textEffect = value;
    repaint();
}

void TGradPan::setTextRotation(TTextRotation value) {
    m_textRotation = value;
    repaint();
}

void TGradPan::setVertAlign(TVertAlign value) {
    m_vertAlign = value;
    repaint();
}

void TGradPan::setMarge(int value) {
    m_marge = value;
}

void TGradPan::setMoveable(bool value) {
    m_moveable = value;
    // The sizing cursors follow the pointer only while the panel can be moved.
    setMouseTracking(value);
}

void TGradPan::setDesigning(bool value) {
    m_designing = value;
}

void TGradPan::Paint(GdiCanvas& canvas) {
    TCustomPanel::Paint(canvas);
    paintBackground(canvas);
    paintCaption(canvas);
    paintFrame(canvas);
}

void TGradPan::paintBackground(GdiCanvas& canvas) {
    if (Gradpan::isImage(m_backGroundEffect)) {
        paintImage(canvas);
    } else if (Gradpan::isGradient(m_backGroundEffect)) {
        // The gradient reads the colours' bytes as they are; a system colour is not looked up.
        for (const GdiFill& band : Gradpan::gradientFills(m_backGroundEffect, m_colorStart,
                                                          m_colorEnd, width(), height())) {
            canvas.fill(band.rect, band.color);
        }
    } else {
        canvas.fill({0, 0, width(), height()}, m_colorStart);
    }
}

void TGradPan::paintImage(GdiCanvas& canvas) {
    if (m_bitmap.isNull()) {
        canvas.fill({0, 0, width(), height()}, m_colorStart);
        return;
    }
    const int inset = Gradpan::imageInset(m_ctl3D, BevelWidth(), BorderWidth());
    if (m_backGroundEffect == bdStretchImage) {
        canvas.drawPixmap(m_bitmap, Gradpan::stretchTarget(width(), height(), inset));
        return;
    }
    for (const GdiPoint& tile :
         Gradpan::tilePositions(width(), height(), inset, m_bitmap.width(), m_bitmap.height())) {
        canvas.drawPixmap(m_bitmap, tile);
    }
}

void TGradPan::paintCaption(GdiCanvas& canvas) {
    if (m_caption.isEmpty()) {
        return;
    }
    // The legacy code measured "^_"; a line's height is the same for any text.
    const Gradpan::CaptionLayout layout{width(), height(), BorderWidth(), BevelWidth(),
                                        canvas.textHeight()};
    const Gradpan::CaptionAnchor anchor =
        Gradpan::captionAnchor(m_textRotation, m_alignment, m_vertAlign, layout);
    QString text = m_caption;
    if (anchor.angle != 0) {
        const std::u16string_view units(reinterpret_cast<const char16_t*>(text.utf16()),
                                        static_cast<std::size_t>(text.size()));
        text.truncate(
            static_cast<qsizetype>(gdi::ansiPrefixLength(units, Gradpan::kRotatedCaptionBytes)));
    }
    for (const Gradpan::CaptionPass& pass : Gradpan::captionPasses(m_textEffect)) {
        TColor color = m_fontColor;
        if (pass.color == Gradpan::PassColor::Shadow) {
            color = m_colorShadow;
        } else if (pass.color == Gradpan::PassColor::Black) {
            color = clBlack;
        }
        const GdiPoint at{anchor.point.x + pass.dx, anchor.point.y + pass.dy};
        canvas.textOut(at, text, anchor.anchor, color, anchor.angle);
    }
}

void TGradPan::paintFrame(GdiCanvas& canvas) {
    const Gradpan::FramePaint frame = Gradpan::framePaint(
        {width(), height(), BorderWidth(), BevelWidth(), BevelOuter(), BevelInner(), m_ctl3D});
    canvas.lines(frame.lines);
    for (const GdiRect& border : frame.borderFrames) {
        canvas.frameRect(border, Color());
    }
}

bool TGradPan::sizingEnabled() const {
    return m_moveable && !m_designing;
}

void TGradPan::updateSizingCursor(QPoint at) {
    setCursor(sizingCursor(Gradpan::hitTest(at.x(), at.y(), width(), height(), m_marge)));
}

void TGradPan::mousePressEvent(QMouseEvent* event) {
    if (!sizingEnabled() || event->button() != Qt::LeftButton) {
        TCustomPanel::mousePressEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    m_grabbed = Gradpan::hitTest(at.x(), at.y(), width(), height(), m_marge);
    m_grabPoint = event->globalPosition();
    m_grabBounds = geometry();
}

void TGradPan::mouseMoveEvent(QMouseEvent* event) {
    if (m_grabbed == Gradpan::HitArea::Nowhere) {
        if (sizingEnabled()) {
            updateSizingCursor(event->position().toPoint());
        }
        TCustomPanel::mouseMoveEvent(event);
        return;
    }
    const QPoint delta = (event->globalPosition() - m_grabPoint).toPoint();
    // The panel never gets smaller than its two sizing margins, so it can always be grabbed.
    const GdiRect bounds = Gradpan::draggedBounds(m_grabbed, toGdiRect(m_grabBounds), delta.x(),
                                                  delta.y(), 2 * m_marge);
    moveByUser(QRect(bounds.left, bounds.top, bounds.width(), bounds.height()));
}

void TGradPan::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_grabbed != Gradpan::HitArea::Nowhere) {
        m_grabbed = Gradpan::HitArea::Nowhere;
        return;
    }
    TCustomPanel::mouseReleaseEvent(event);
}

// A move by the user is announced before the panel's position changes.
void TGradPan::moveByUser(const QRect& bounds) {
    if (bounds.topLeft() == pos()) {
        setGeometry(bounds);
        return;
    }
    emit OnPanelMove(this);
    m_movingByUser = true;
    setGeometry(bounds);
    m_movingByUser = false;
}

// Moves made by code or by a layout are reported too, but Qt only tells of them once done.
void TGradPan::moveEvent(QMoveEvent* event) {
    TCustomPanel::moveEvent(event);
    if (!m_movingByUser && event->oldPos() != event->pos()) {
        emit OnPanelMove(this);
    }
}
