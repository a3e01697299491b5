#pragma once

#include "controls/TColor.h"

#include <string>

namespace norvik {

// What the numeric-entry core asks of the window that shows it, and what it needs to know
// about that window. Texts are UTF-16, as the edit holds them; positions and lengths count
// UTF-16 units, as the edit's do.
class NValEditRequests {
public:
    virtual ~NValEditRequests() = default;

    virtual std::u16string CurrentText() const = 0;
    virtual int SelectionStart() const = 0;
    virtual int SelectionLength() const = 0;
    virtual bool HasParentWindow() const = 0;

    // The core's own text and font colour: the window shows them without telling the core back,
    // which hears only of texts and colours set from outside (TextChanged, FontColorChanged).
    virtual void ShowText(const std::u16string& text) = 0;
    // Caret at `position` with nothing selected.
    virtual void CaretTo(int position) = 0;
    virtual void SelectAll() = 0;
    virtual void Beep() = 0;
    virtual void FocusNext() = 0;
    virtual void FocusPrevious() = 0;
    virtual void ChangeFontColor(TColor color) = 0;
    virtual void ReportChange() = 0;

protected:
    NValEditRequests() = default;
    NValEditRequests(const NValEditRequests&) = default;
    NValEditRequests& operator=(const NValEditRequests&) = default;
};

} // namespace norvik
