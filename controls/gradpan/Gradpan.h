#pragma once

#include "controls/forms/CustomPanel.h"
#include "controls/gradpan/geometry/GradpanSizing.h"
#include "controls/gradpan/geometry/GradpanTypes.h"

#include <QPixmap>
#include <QString>

namespace norvik {

// A panel that paints its own background (a flat colour, one of eight 100-step gradients, or a
// stretched or tiled bitmap), writes its caption with an optional shadow, raised, lowered or
// embossed effect, possibly turned by 90° or 270°, and frames itself with white and grey bevel
// lines. Every write of one of its own properties repaints at once, also with an unchanged
// value.
//
// With Moveable set, the user drags the panel by its inside and resizes it within Marge pixels
// of an edge or corner; OnPanelMove fires before each move. Otherwise the panel is ordinary
// client area: it leaves mouse events to its parent, as any plain widget does.
class TGradPan : public TCustomPanel {
    Q_OBJECT
    Q_PROPERTY(toolkit::TAlignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(toolkit::TBevelCut BevelInner READ BevelInner WRITE setBevelInner)
    Q_PROPERTY(toolkit::TBevelCut BevelOuter READ BevelOuter WRITE setBevelOuter)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE setBevelWidth)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(TColor Color READ Color WRITE setColor)
    Q_PROPERTY(TColor FontColor READ FontColor WRITE setFontColor)
    Q_PROPERTY(QPixmap Bitmap READ Bitmap WRITE setBitmap)
    Q_PROPERTY(gradpan::TDirection BackGroundEffect READ BackGroundEffect WRITE setBackGroundEffect)
    Q_PROPERTY(TColor ColorEnd READ ColorEnd WRITE setColorEnd)
    Q_PROPERTY(TColor ColorShadow READ ColorShadow WRITE setColorShadow)
    Q_PROPERTY(TColor ColorStart READ ColorStart WRITE setColorStart)
    Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE setCtl3D)
    Q_PROPERTY(gradpan::TTextEffect TextEffect READ TextEffect WRITE setTextEffect)
    Q_PROPERTY(gradpan::TTextRotation TextRotation READ TextRotation WRITE setTextRotation)
    Q_PROPERTY(gradpan::TVertAlign VertAlign READ VertAlign WRITE setVertAlign)
    Q_PROPERTY(int Marge READ Marge WRITE setMarge)
    Q_PROPERTY(bool Moveable READ Moveable WRITE setMoveable)

public:
    using TAlignment = toolkit::TAlignment;
    using TDirection = gradpan::TDirection;
    using TTextEffect = gradpan::TTextEffect;
    using TTextRotation = gradpan::TTextRotation;
    using TVertAlign = gradpan::TVertAlign;
    using enum toolkit::TAlignment;
    using enum gradpan::TDirection;
    using enum gradpan::TTextEffect;
    using enum gradpan::TTextRotation;
    using enum gradpan::TVertAlign;

    explicit TGradPan(QWidget* parent = nullptr);

    // The panel's own properties, which repaint when next convenient.
    using TCustomPanel::setBevelInner;
    using TCustomPanel::setBevelOuter;
    using TCustomPanel::setBevelWidth;
    using TCustomPanel::setBorderWidth;
    using TCustomPanel::setColor;
    TAlignment Alignment() const { return alignment_; }
    void setAlignment(TAlignment value);
    QString Caption() const { return caption_; }
    void setCaption(const QString& value);
    TColor FontColor() const { return fontColor_; }
    void setFontColor(TColor value);

    QPixmap Bitmap() const { return bitmap_; }
    // Copies the image into the panel's own bitmap.
    void setBitmap(const QPixmap& value);
    TDirection BackGroundEffect() const { return backGroundEffect_; }
    void setBackGroundEffect(TDirection value);
    TColor ColorEnd() const { return colorEnd_; }
    void setColorEnd(TColor value);
    TColor ColorShadow() const { return colorShadow_; }
    void setColorShadow(TColor value);
    TColor ColorStart() const { return colorStart_; }
    void setColorStart(TColor value);
    bool Ctl3D() const { return ctl3D_; }
    void setCtl3D(bool value);
    TTextEffect TextEffect() const { return textEffect_; }
    void setTextEffect(TTextEffect value);
    TTextRotation TextRotation() const { return textRotation_; }
    void setTextRotation(TTextRotation value);
    TVertAlign VertAlign() const { return vertAlign_; }
    void setVertAlign(TVertAlign value);
    int Marge() const { return marge_; }
    void setMarge(int value);
    bool Moveable() const { return moveable_; }
    void setMoveable(bool value);

    // In design mode the panel never moves under the user's hand.
    bool designMode() const { return designMode_; }
    void setDesignMode(bool value);

signals:
    void OnPanelMove(TGradPan* Sender);

protected:
    void BitmapChanged();
    void Paint(GdiCanvas& canvas) override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void paintBackground(GdiCanvas& canvas);
    void paintImage(GdiCanvas& canvas);
    void paintCaption(GdiCanvas& canvas);
    void paintFrame(GdiCanvas& canvas);
    bool sizingEnabled() const;
    void updateSizingCursor(QPoint at);
    void moveByUser(const QRect& bounds);

    TAlignment alignment_ = taCenter;
    QString caption_;
    TColor fontColor_ = clWindowText;

    TDirection backGroundEffect_ = bdVertIn;
    TVertAlign vertAlign_ = vlCenter;
    TColor colorEnd_ = clWhite;
    TColor colorStart_ = clTeal;
    TColor colorShadow_ = clGray;
    TTextEffect textEffect_ = teShadow;
    TTextRotation textRotation_ = trNone;
    bool ctl3D_ = false;
    QPixmap bitmap_;
    int marge_ = 6;
    bool moveable_ = false;
    bool designMode_ = false;

    // The grab of a drag in progress.
    gradpan::HitArea grabbed_ = gradpan::HitArea::Nowhere;
    QPointF grabPoint_;
    QRect grabBounds_;
    bool movingByUser_ = false;
};

} // namespace norvik
