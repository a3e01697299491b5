#include "FakeEditWindow.h"

namespace norvik {

void FakeEditWindow::showText(const std::u16string& newText) {
    text = newText;
}

void FakeEditWindow::caretTo(int position) {
    caret = position;
    selectionStart = position;
    selectionLength = 0;
}

void FakeEditWindow::selectWhole() {
    select(0, static_cast<int>(text.size()));
}

void FakeEditWindow::writeFromOutside(const std::u16string& newText) {
    if (newText == text) {
        return; // an unchanged text raises no notification
    }
    text = newText;
    if (core_ != nullptr) {
        core_->textChanged();
    }
}

void FakeEditWindow::select(int start, int length) {
    selectionStart = start;
    selectionLength = length;
    caret = start + length;
}

} // namespace norvik
