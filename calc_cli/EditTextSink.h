#pragma once

#include "controls/NValEditRequests.h"

#include <string>

namespace norvik {

// A numeric edit without a screen: it keeps the text the entry core shows and ignores every
// other request (caret, beep, focus, colour), which only a person at a window would notice.
class EditTextSink : public NValEditRequests {
public:
    const std::u16string& Text() const { return text_; }

    std::u16string CurrentText() const override { return text_; }
    int SelectionStart() const override { return 0; }
    int SelectionLength() const override { return 0; }
    bool HasParentWindow() const override { return false; }

    void ShowText(const std::u16string& text) override { text_ = text; }
    void CaretTo(int /*position*/) override {}
    void SelectAll() override {}
    void Beep() override {}
    void FocusNext() override {}
    void FocusPrevious() override {}
    void ChangeFontColor(TColor /*color*/) override {}
    void ReportChange() override {}

private:
    std::u16string text_;
};

} // namespace norvik
