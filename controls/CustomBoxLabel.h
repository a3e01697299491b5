#pragma once

#include "controls/BoxLablGeometry.h"
#include "controls/TColor.h"
#include "controls/ToolkitTypes.h"

#include <QString>
#include <QWidget>

#include <cstdint>

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
    using TAlignment = Toolkit::TAlignment;
    using TBevelStyle = BoxLabl::TBevelStyle;
    using TBorderStyle = BoxLabl::TBorderStyle;
    using THorizontalAlignment = BoxLabl::THorizontalAlignment;
    using enum Toolkit::TAlignment;
    using enum BoxLabl::TBevelStyle;
    using enum BoxLabl::TBorderStyle;
    using enum BoxLabl::THorizontalAlignment;

    explicit TCustomBoxLabel(QWidget* parent = nullptr);

    TAlignment Alignment() const { return m_alignment; }
    void setAlignment(TAlignment value);
    THorizontalAlignment HorizontalAlign() const { return m_horizontalAlign; }
    void setHorizontalAlign(THorizontalAlignment value);
    int TextBorder() const { return m_textBorder; }
    void setTextBorder(int value);
    bool WordWrap() const { return m_wordWrap; }
    void setWordWrap(bool value);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(TBorderStyle value);
    std::int8_t Decimals() const { return m_decimals; }
    void setDecimals(std::int8_t value);
    TBevelStyle BevelInner() const { return m_bevelInner; }
    void setBevelInner(TBevelStyle value);
    TBevelStyle BevelOuter() const { return m_bevelOuter; }
    void setBevelOuter(TBevelStyle value);
    int BevelWidth() const { return m_bevelWidth; }
    void setBevelWidth(int value);
    QString FormatString() const { return m_formatString; }
    void setFormatString(const QString& value);
    TColor Color() const { return m_color; }
    void setColor(TColor value);
    TColor FontColor() const { return m_fontColor; }
    void setFontColor(TColor value);
    QString Caption() const { return GetLabelText(); }
    void setCaption(const QString& value) { SetLabelText(value); }

    virtual QString GetLabelText() const;
    virtual void SetLabelText(const QString& text);

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
    QString boundedText() const;

    TAlignment m_alignment = taCenter;
    THorizontalAlignment m_horizontalAlign = haCenter;
    int m_textBorder = 2;
    bool m_wordWrap = false;
    TBorderStyle m_borderStyle = bsNone;
    std::int8_t m_decimals = 0;
    TBevelStyle m_bevelInner = bvLowered;
    TBevelStyle m_bevelOuter = bvRaised;
    int m_bevelWidth = 1;
    QString m_formatString;
    TColor m_color = clBtnFace;
    TColor m_fontColor = clWindowText;
    QString m_caption;
    bool m_clickPending = false;
};
