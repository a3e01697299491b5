#pragma once

#include "controls/boxlabl/geometry/BoxLablGeometry.h"
#include "controls/gdi/geometry/TColor.h"
#include "controls/gdi/geometry/ToolkitTypes.h"

#include <QString>
#include <QWidget>

#include <cstdint>

namespace norvik {

class GdiCanvas;

// A windowless text label that paints an opaque box: a fill, up to two 3-D bevels, an optional
// one-pixel border, and the caption placed inside by a horizontal and a vertical alignment.
// Writing a drawn property with its current value does nothing, a new value repaints (Qt
// repaints on a new font by itself); FormatString and Decimals are only stored.
//
// Mouse events the label has no use for go on to its parent, as they would for a control
// without a window of its own: it only takes presses while something listens to its clicks.
class TCustomBoxLabel : public QWidget {
    Q_OBJECT

public:
    using TAlignment = toolkit::TAlignment;
    using TBevelStyle = boxlabl::TBevelStyle;
    using TBorderStyle = boxlabl::TBorderStyle;
    using THorizontalAlignment = boxlabl::THorizontalAlignment;
    using enum toolkit::TAlignment;
    using enum boxlabl::TBevelStyle;
    using enum boxlabl::TBorderStyle;
    using enum boxlabl::THorizontalAlignment;

    explicit TCustomBoxLabel(QWidget* parent = nullptr);

    TAlignment Alignment() const { return alignment_; }
    void setAlignment(TAlignment value);
    THorizontalAlignment HorizontalAlign() const { return horizontalAlign_; }
    void setHorizontalAlign(THorizontalAlignment value);
    int TextBorder() const { return textBorder_; }
    void setTextBorder(int value);
    bool WordWrap() const { return wordWrap_; }
    void setWordWrap(bool value);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void setBorderStyle(TBorderStyle value);
    std::int8_t Decimals() const { return decimals_; }
    void setDecimals(std::int8_t value);
    TBevelStyle BevelInner() const { return bevelInner_; }
    void setBevelInner(TBevelStyle value);
    TBevelStyle BevelOuter() const { return bevelOuter_; }
    void setBevelOuter(TBevelStyle value);
    int BevelWidth() const { return bevelWidth_; }
    void setBevelWidth(int value);
    QString FormatString() const { return formatString_; }
    void setFormatString(const QString& value);
    TColor Color() const { return color_; }
    void setColor(TColor value);
    TColor FontColor() const { return fontColor_; }
    void setFontColor(TColor value);
    QString Caption() const { return GetLabelText(); }
    void setCaption(const QString& value) { setLabelText(value); }

    virtual QString GetLabelText() const;
    virtual void setLabelText(const QString& text);

signals:
    void OnClick(TCustomBoxLabel* Sender);
    void OnDblClick(TCustomBoxLabel* Sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    virtual void Paint(GdiCanvas& canvas);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    template <typename T>
    void store(T& field, const T& value);
    bool hasClickListener() const;
    int paintFrame(GdiCanvas& canvas);
    void paintText(GdiCanvas& canvas, int inset);
    qreal inkCentring(const QString& text) const;
    QString boundedText() const;

    TAlignment alignment_ = taCenter;
    THorizontalAlignment horizontalAlign_ = haCenter;
    int textBorder_ = 2;
    bool wordWrap_ = false;
    TBorderStyle borderStyle_ = bsNone;
    std::int8_t decimals_ = 0;
    TBevelStyle bevelInner_ = bvLowered;
    TBevelStyle bevelOuter_ = bvRaised;
    int bevelWidth_ = 1;
    QString formatString_;
    TColor color_ = clBtnFace;
    TColor fontColor_ = clWindowText;
    QString caption_;
    bool clickPending_ = false;
};

} // namespace norvik
