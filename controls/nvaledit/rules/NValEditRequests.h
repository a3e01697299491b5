#pragma once

#include "controls/gdi/geometry/TColor.h"

#include <string>

namespace norvik {

// What the numeric-entry core asks of the window that shows it, and what it needs to know
// about that window. Texts are UTF-16, as the edit holds them; positions and lengths count
// UTF-16 units, as the edit's do.
class NValEditRequests {
public:
    virtual ~NValEditRequests() = default;

    virtual std::u16string currentText() const = 0;
    // Where the selection starts, or the caret without one.
    virtual int selectedFrom() const = 0;
    virtual int selectedLength() const = 0;
    virtual bool hasParentWindow() const = 0;

    // The core's own text and font colour: the window shows them without telling the core back,
    // which hears only of texts and colours set from outside (textChanged, fontColorChanged).
    virtual void showText(const std::u16string& text) = 0;
    // Caret at `position` with nothing selected.
    virtual void caretTo(int position) = 0;
    virtual void selectWhole() = 0;
    virtual void beep() = 0;
    virtual void focusNext() = 0;
    virtual void focusPrevious() = 0;
    virtual void changeFontColor(TColor color) = 0;
    // The text changed, from outside or by the box: the host's change event.
    virtual void reportChange() = 0;

protected:
    NValEditRequests() = default;
    NValEditRequests(const NValEditRequests&) = default;
    NValEditRequests& operator=(const NValEditRequests&) = default;
};

} // namespace norvik
