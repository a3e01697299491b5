#pragma once

#include "controls/gdi/geometry/GdiTypes.h"
#include "controls/gdi/geometry/ToolkitTypes.h"

#include <QPainter>
#include <QPalette>

#include <optional>
#include <span>

class QFont;
class QIcon;
class QPixmap;
class QString;

namespace norvik {

// The drawing calls the painted controls are written against, carried out by a QPainter with
// antialiasing off so that every fill and line lands on exact pixels. Colours come as TColor
// and reach the screen through the palette; text is drawn without smoothing, as the legacy
// calls draw it.
class GdiCanvas {
public:
    GdiCanvas(QPaintDevice* device, const QPalette& palette, const QFont& font);
    Q_DISABLE_COPY_MOVE(GdiCanvas)

    QColor color(TColor color) const;

    void fill(const GdiRect& rect, TColor color);
    void line(GdiPoint from, GdiPoint to, TColor color);
    void lines(std::span<const GdiLine> lines);
    // A one-pixel frame just inside rect.
    void frameRect(const GdiRect& rect, TColor color);
    // A one-pixel outline just inside rect around a filled interior.
    void rectangle(const GdiRect& rect, TColor pen, TColor brush);

    struct TextFormat {
        toolkit::TAlignment alignment = toolkit::taLeftJustify;
        bool wordBreak = false;
        qreal shift = 0; // moves the text right by this many (logical) pixels
    };
    // The size of text laid out from the top-left corner of bounds; "&" marks a mnemonic and
    // takes no room.
    QSize measureText(const QString& text, const GdiRect& bounds, bool wordBreak) const;
    // Text at the top of box, clipped to it, "&" underlining the next character. With a
    // background the cells behind the text are filled with it first (an opaque text mode).
    void drawText(const QString& text, const GdiRect& box, TextFormat format, TColor color,
                  std::optional<TColor> background = std::nullopt);

    // The height of a line of text in the current font.
    int textHeight() const;
    // Text whose top edge passes through anchor, which names its left end, right end or middle;
    // angle turns it counter-clockwise about the anchor, in degrees.
    void textOut(GdiPoint anchor, const QString& text, TextAnchor anchorKind, TColor color,
                 int angle = 0);

    void drawPixmap(const QPixmap& pixmap, const GdiRect& target);
    void drawPixmap(const QPixmap& pixmap, GdiPoint topLeft);
    // The icon's image best suited to the target, scaled into it.
    void drawIcon(const QIcon& icon, const GdiRect& target);

private:
    void plot(int x, int y, const QColor& color);

    QPainter painter_;
    QPalette palette_;
};

} // namespace norvik
