#pragma once

#include "controls/nvaledit/rules/NValEditCore.h"
#include "controls/nvaledit/rules/NValEditRequests.h"

#include <string>

namespace norvik {

// A window for the numeric-entry core that records what the core asks of it. A text written
// from outside is reported to the core synchronously, as a real edit does; the core's own text
// and colour are shown without a report.
class FakeEditWindow : public NValEditRequests {
public:
    void attach(NValEditCore& core) { core_ = &core; }

    std::u16string currentText() const override { return text; }
    int selectedFrom() const override { return selectionStart; }
    int selectedLength() const override { return selectionLength; }
    bool hasParentWindow() const override { return hasParent; }

    void showText(const std::u16string& newText) override;
    void caretTo(int position) override;
    void selectWhole() override;
    void beep() override { ++beeps; }
    void focusNext() override { ++movesToNext; }
    void focusPrevious() override { ++movesToPrevious; }
    void changeFontColor(TColor color) override { fontColor = color; }
    void reportChange() override { ++changes; }

    // Someone else writes the window text.
    void writeFromOutside(const std::u16string& newText);
    void select(int start, int length);

    std::u16string text;
    int selectionStart = 0;
    int selectionLength = 0;
    int caret = 0;
    bool hasParent = true;
    int beeps = 0;
    int movesToNext = 0;
    int movesToPrevious = 0;
    int changes = 0;
    TColor fontColor = clWindowText;

private:
    NValEditCore* core_ = nullptr;
};

} // namespace norvik
