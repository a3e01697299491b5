#pragma once

#include "controls/CustomPanel.h"
#include "controls/GradpanSizing.h"
#include "controls/GradpanTypes.h"

#include <QPixmap>
#include <QString>

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
    Q_PROPERTY(Toolkit::TAlignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(Toolkit::TBevelCut BevelInner READ BevelInner WRITE setBevelInner)
    Q_PROPERTY(Toolkit::TBevelCut BevelOuter READ BevelOuter WRITE setBevelOuter)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE setBevelWidth)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(TColor Color READ Color WRITE setColor)
    Q_PROPERTY(TColor FontColor READ FontColor WRITE setFontColor)
    Q_PROPERTY(QPixmap Bitmap READ Bitmap WRITE setBitmap)
    Q_PROPERTY(Gradpan::TDirection BackGroundEffect READ BackGroundEffect WRITE setBackGroundEffect)
    Q_PROPERTY(TColor ColorEnd READ ColorEnd WRITE setColorEnd)
    Q_PROPERTY(TColor ColorShadow READ ColorShadow WRITE setColorShadow)
    Q_PROPERTY(TColor ColorStart READ ColorStart WRITE setColorStart)
    Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE setCtl3D)
    Q_PROPERTY(Gradpan::TTextEffect TextEffect READ TextEffect WRITE setTextEffect)
    Q_PROPERTY(Gradpan::TTextRotation TextRotation READ TextRotation WRITE setTextRotation)
    Q_PROPERTY(Gradpan::TVertAlign VertAlign READ VertAlign WRITE setVertAlign)
    Q_PROPERTY(int Marge READ Marge WRITE setMarge)
    Q_PROPERTY(bool Moveable READ Moveable WRITE setMoveable)

public:
    using TAlignment = Toolkit::TAlignment;
    using TDirection = Gradpan::TDirection;
    using TTextEffect = Gradpan::TTextEffect;
    using TTextRotation = Gradpan::TTextRotation;
    using TVertAlign = Gradpan::TVertAlign;
    using enum Toolkit::TAlignment;
    using enum Gradpan::TDirection;
    using enum Gradpan::TTextEffect;
    using enum Gradpan::TTextRotation;
    using enum Gradpan::TVertAlign;

    explicit TGradPan(QWidget* parent = nullptr);

    // The panel's own properties, which repaint when next convenient.
    using TCustomPanel::setBevelInner;
    using TCustomPanel::setBevelOuter;
    using TCustomPanel::setBevelWidth;
    using TCustomPanel::setBorderWidth;
    using TCustomPanel::setColor;
    TAlignment Alignment() const { return m_alignment; }
    void setAlignment(TAlignment value);
    QString Caption() const { return m_caption; }
    void setCaption(const QString& value);
    TColor FontColor() const { return m_fontColor; }
    void setFontColor(TColor value);

    QPixmap Bitmap() const { return m_bitmap; }
    // Copies the image into the panel's own bitmap.
    void setBitmap(const QPixmap& value);
    TDirection BackGroundEffect() const { return m_backGroundEffect; }
    void setBackGroundEffect(TDirection value);
    TColor ColorEnd() const { return m_colorEnd; }
    void setColorEnd(TColor value);
    TColor ColorShadow() const { return m_colorShadow; }
    void setColorShadow(TColor value);
    TColor ColorStart() const { return m_colorStart; }
    void setColorStart(TColor value);
    bool Ctl3D() const { return m_ctl3D; }
    void setCtl3D(bool value);
    TTextEffect TextEffect() const { return m_textEffect; }
    void setTextEffect(TTextEffect value);
    TTextRotation TextRotation() const { return m_textRotation; }
    void setTextRotation(TTextRotation value);
    TVertAlign VertAlign() const { return m_vertAlign; }
    void setVertAlign(TVertAlign value);
    int Marge() const { return m_marge; }
    void setMarge(int value);
    bool Moveable() const { return m_moveable; }
    void setMoveable(bool value);

    // While designing the panel never moves under the user's hand.
    bool designing() const { return m_designing; }
    void setDesigning(bool value);

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

    TAlignment m_alignment = taCenter;
    QString m_caption;
    TColor m_fontColor = clWindowText;

    TDirection m_backGroundEffect = bdVertIn;
    TVertAlign m_vertAlign = vlCenter;
    TColor m_colorEnd = clWhite;
    TColor m_colorStart = clTeal;
    TColor m_colorShadow = clGray;
    TTextEffect m_textEffect = teShadow;
    TTextRotation m_textRotation = trNone;
    bool m_ctl3D = false;
    QPixmap m_bitmap;
    int m_marge = 6;
    bool m_moveable = false;
    bool m_designing = false;

    // The grab of a drag in progress.
    Gradpan::HitArea m_grabbed = Gradpan::HitArea::Nowhere;
    QPointF m_grabPoint;
    QRect m_grabBounds;
    bool m_movingByUser = false;
};
