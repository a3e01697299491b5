#pragma once

class QWidget;

namespace norvik {

// Fits the fonts a stored layout names to this desktop, for the widget and every descendant
// that sets its own font:
// - The layouts give every font height in pixels, but Designer's font element only stores
//   point sizes. The number stored as a point size is therefore the pixel height, so the text
//   has the same size on every screen, whatever its dots per inch.
// - Where a Windows font is replaced by an installed one with other metrics, the replacement is
//   sized so that captions still fit the boxes drawn for them.
void applyLayoutFonts(QWidget* root);

} // namespace norvik
