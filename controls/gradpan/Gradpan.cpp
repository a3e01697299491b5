#include "controls/gradpan/Gradpan.h"

#include "controls/gdi/GdiCanvas.h"
#include "controls/gdi/geometry/AnsiText.h"
#include "controls/gradpan/geometry/GradpanBackground.h"
#include "controls/gradpan/geometry/GradpanCaption.h"
#include "controls/gradpan/geometry/GradpanFrame.h"

#include <QMouseEvent>
#include <QMoveEvent>

namespace norvik {

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

Qt::CursorShape sizingCursor(gradpan::HitArea area) {
    using gradpan::HitArea;
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
    , bitmap_(initialBitmap(*this)) {}

void TGradPan::setAlignment(TAlignment value) {
    alignment_ = value;
    update();
}

void TGradPan::setCaption(const QString& value) {
    if (value == caption_) {
        return;
    }
    caption_ = value;
    update();
}

void TGradPan::setFontColor(TColor value) {
    if (value == fontColor_) {
        return;
    }
    fontColor_ = value;
    update();
}

void TGradPan::setBitmap(const QPixmap& value) {
    bitmap_ = value;
    BitmapChanged();
}

void TGradPan::BitmapChanged() {
    if (gradpan::isImage(backGroundEffect_)) {
        repaint();
    }
}

void TGradPan::setBackGroundEffect(TDirection value) {
    backGroundEffect_ = value;
    repaint();
}

void TGradPan::setColorEnd(TColor value) {
    colorEnd_ = value;
    repaint();
}

void TGradPan::setColorShadow(TColor value) {
    colorShadow_ = value;
    repaint();
}

void TGradPan::setColorStart(TColor value) {
    colorStart_ = value;
    repaint();
}

void TGradPan::setCtl3D(bool value) {
    ctl3D_ = value;
    repaint();
}

void TGradPan::setTextEffect(TTextEffect value) {
    textEffect_ = value;
    repaint();
}

void TGradPan::setTextRotation(TTextRotation value) {
    textRotation_ = value;
    repaint();
}

void TGradPan::setVertAlign(TVertAlign value) {
    vertAlign_ = value;
    repaint();
}

void TGradPan::setMarge(int value) {
    marge_ = value;
}

void TGradPan::setMoveable(bool value) {
    moveable_ = value;
    // The sizing cursors follow the pointer only while the panel can be moved.
    setMouseTracking(value);
}

void TGradPan::setDesignMode(bool value) {
    designMode_ = value;
}

void TGradPan::Paint(GdiCanvas& canvas) {
    TCustomPanel::Paint(canvas);
    paintBackground(canvas);
    paintCaption(canvas);
    paintFrame(canvas);
}

void TGradPan::paintBackground(GdiCanvas& canvas) {
    if (gradpan::isImage(backGroundEffect_)) {
        paintImage(canvas);
    } else if (gradpan::isGradient(backGroundEffect_)) {
        // The gradient reads the colours' bytes as they are; a system colour is not looked up.
        for (const GdiFill& band :
             gradpan::gradientFills(backGroundEffect_, colorStart_, colorEnd_, width(), height())) {
            canvas.fill(band.rect, band.color);
        }
    } else {
        canvas.fill({0, 0, width(), height()}, colorStart_);
    }
}

void TGradPan::paintImage(GdiCanvas& canvas) {
    if (bitmap_.isNull()) {
        canvas.fill({0, 0, width(), height()}, colorStart_);
        return;
    }
    const int inset = gradpan::imageInset(ctl3D_, BevelWidth(), BorderWidth());
    if (backGroundEffect_ == bdStretchImage) {
        canvas.drawPixmap(bitmap_, gradpan::stretchTarget(width(), height(), inset));
        return;
    }
    for (const GdiPoint& tile :
         gradpan::tilePositions(width(), height(), inset, bitmap_.width(), bitmap_.height())) {
        canvas.drawPixmap(bitmap_, tile);
    }
}

void TGradPan::paintCaption(GdiCanvas& canvas) {
    if (caption_.isEmpty()) {
        return;
    }
    // The legacy code measured "^_"; a line's height is the same for any text.
    const gradpan::CaptionLayout layout{width(), height(), BorderWidth(), BevelWidth(),
                                        canvas.textHeight()};
    const gradpan::CaptionAnchor anchor =
        gradpan::captionAnchor(textRotation_, alignment_, vertAlign_, layout);
    QString text = caption_;
    if (anchor.angle != 0) {
        const std::u16string_view units(reinterpret_cast<const char16_t*>(text.utf16()),
                                        static_cast<std::size_t>(text.size()));
        text.truncate(
            static_cast<qsizetype>(gdi::ansiPrefixLength(units, gradpan::kRotatedCaptionBytes)));
    }
    for (const gradpan::CaptionPass& pass : gradpan::captionPasses(textEffect_)) {
        TColor color = fontColor_;
        if (pass.color == gradpan::PassColor::Shadow) {
            color = colorShadow_;
        } else if (pass.color == gradpan::PassColor::Black) {
            color = clBlack;
        }
        const GdiPoint at{anchor.point.x + pass.dx, anchor.point.y + pass.dy};
        canvas.textOut(at, text, anchor.anchor, color, anchor.angle);
    }
}

void TGradPan::paintFrame(GdiCanvas& canvas) {
    const gradpan::FramePaint frame = gradpan::framePaint(
        {width(), height(), BorderWidth(), BevelWidth(), BevelOuter(), BevelInner(), ctl3D_});
    canvas.lines(frame.lines);
    for (const GdiRect& border : frame.borderFrames) {
        canvas.frameRect(border, Color());
    }
}

bool TGradPan::sizingEnabled() const {
    return moveable_ && !designMode_;
}

void TGradPan::updateSizingCursor(QPoint at) {
    setCursor(sizingCursor(gradpan::hitTest(at.x(), at.y(), width(), height(), marge_)));
}

void TGradPan::mousePressEvent(QMouseEvent* event) {
    if (!sizingEnabled() || event->button() != Qt::LeftButton) {
        TCustomPanel::mousePressEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    grabbed_ = gradpan::hitTest(at.x(), at.y(), width(), height(), marge_);
    grabPoint_ = event->globalPosition();
    grabBounds_ = geometry();
}

void TGradPan::mouseMoveEvent(QMouseEvent* event) {
    if (grabbed_ == gradpan::HitArea::Nowhere) {
        if (sizingEnabled()) {
            updateSizingCursor(event->position().toPoint());
        }
        TCustomPanel::mouseMoveEvent(event);
        return;
    }
    const QPoint delta = (event->globalPosition() - grabPoint_).toPoint();
    // The panel never gets smaller than its two sizing margins, so it can always be grabbed.
    const GdiRect bounds =
        gradpan::draggedBounds(grabbed_, toGdiRect(grabBounds_), delta.x(), delta.y(), 2 * marge_);
    moveByUser(QRect(bounds.left, bounds.top, bounds.width(), bounds.height()));
}

void TGradPan::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && grabbed_ != gradpan::HitArea::Nowhere) {
        grabbed_ = gradpan::HitArea::Nowhere;
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
    movingByUser_ = true;
    setGeometry(bounds);
    movingByUser_ = false;
}

// Moves made by code or by a layout are reported too, but Qt only tells of them once done.
void TGradPan::moveEvent(QMoveEvent* event) {
    TCustomPanel::moveEvent(event);
    if (!movingByUser_ && event->oldPos() != event->pos()) {
        emit OnPanelMove(this);
    }
}

} // namespace norvik
