#pragma once

#include "controls/gdi/geometry/TColor.h"
#include "controls/gdi/geometry/ToolkitTypes.h"

#include <QWidget>

namespace norvik {

class GdiCanvas;

// The bevelled panel the icon button and the gradient panel are built on: an outer bevel, a
// border in the panel colour, an inner bevel and a face filled with the panel colour. While the
// visual styles are active the face is left unfilled, so the parent's background shows.
//
// The frame is state only a subclass may change; the gradient panel publishes it, the icon
// button drives it from its own logic. Nothing here draws a caption: both subclasses cover the
// face with their own painting.
class TCustomPanel : public QWidget {
    Q_OBJECT

public:
    using TBevelCut = toolkit::TBevelCut;
    using enum toolkit::TBevelCut;

    explicit TCustomPanel(QWidget* parent = nullptr);

    TBevelCut BevelOuter() const { return bevelOuter_; }
    TBevelCut BevelInner() const { return bevelInner_; }
    int BevelWidth() const { return bevelWidth_; }
    int BorderWidth() const { return borderWidth_; }
    TColor Color() const { return color_; }

protected:
    // Each write repaints, also when the value is unchanged.
    void setBevelOuter(TBevelCut value);
    void setBevelInner(TBevelCut value);
    void setBevelWidth(int value);
    void setBorderWidth(int value);
    void setColor(TColor value);

    int drawnBevelCount() const;

    void paintEvent(QPaintEvent* event) override;
    // The panel's own painting; subclasses draw over it.
    virtual void Paint(GdiCanvas& canvas);

private:
    TBevelCut bevelOuter_ = bvRaised;
    TBevelCut bevelInner_ = bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TColor color_ = clBtnFace;
};

} // namespace norvik
