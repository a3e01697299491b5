#pragma once

class QWidget;

// The layouts give every font height in pixels, but Designer's font element only stores point
// sizes. The number stored as a point size is therefore the pixel height; this turns it into
// one for the widget and every descendant that sets its own font size, so the text has the
// same size on every screen, whatever its dots per inch.
void applyPixelFontHeights(QWidget* root);
