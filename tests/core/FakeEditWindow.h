#pragma once

#include "controls/NValEditCore.h"
#include "controls/NValEditRequests.h"

#include <string>

// A window for the numeric-entry core that records what the core asks of it. A text written
// from outside is reported to the core synchronously, as a real edit does; the core's own text
// and colour are shown without a report.
class FakeEditWindow : public norvik::NValEditRequests {
public:
    void Attach(norvik::NValEditCore& core) { core_ = &core; }

    std::u16string CurrentText() const override { return text; }
    int SelectionStart() const override { return selectionStart; }
    int SelectionLength() const override { return selectionLength; }
    bool HasParentWindow() const override { return hasParent; }

    void ShowText(const std::u16string& newText) override;
    void CaretTo(int position) override;
    void SelectAll() override;
    void Beep() override { ++beeps; }
    void FocusNext() override { ++focusNext; }
    void FocusPrevious() override { ++focusPrevious; }
    void ChangeFontColor(TColor color) override { fontColor = color; }
    void ReportChange() override { ++changes; }

    // Someone else writes the window text.
    void WriteFromOutside(const std::u16string& newText);
    void Select(int start, int length);

    std::u16string text;
    int selectionStart = 0;
    int selectionLength = 0;
    int caret = 0;
    bool hasParent = true;
    int beeps = 0;
    int focusNext = 0;
    int focusPrevious = 0;
    int changes = 0;
    TColor fontColor = clWindowText;

private:
    norvik::NValEditCore* core_ = nullptr;
};
