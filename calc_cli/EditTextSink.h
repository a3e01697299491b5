#pragma once

#include "controls/nvaledit/rules/NValEditRequests.h"

#include <string>

namespace norvik {

// A numeric edit without a screen: it keeps the text the entry core shows and ignores every
// other request (caret, beep, focus, colour), which only a person at a window would notice.
class EditTextSink : public NValEditRequests {
public:
    const std::u16string& text() const { return text_; }

    std::u16string currentText() const override { return text_; }
    int selectedFrom() const override { return 0; }
    int selectedLength() const override { return 0; }
    bool hasParentWindow() const override { return false; }

    void showText(const std::u16string& text) override { text_ = text; }
    void caretTo(int /*position*/) override {}
    void selectWhole() override {}
    void beep() override {}
    void focusNext() override {}
    void focusPrevious() override {}
    void changeFontColor(TColor /*color*/) override {}
    void reportChange() override {}

private:
    std::u16string text_;
};

} // namespace norvik
