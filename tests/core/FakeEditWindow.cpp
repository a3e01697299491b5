#include "FakeEditWindow.h"

void FakeEditWindow::ShowText(const std::u16string& newText) {
    text = newText;
}

void FakeEditWindow::CaretTo(int position) {
    caret = position;
    selectionStart = position;
    selectionLength = 0;
}

void FakeEditWindow::SelectAll() {
    Select(0, static_cast<int>(text.size()));
}

void FakeEditWindow::WriteFromOutside(const std::u16string& newText) {
    if (newText == text) {
        return; // an unchanged text raises no notification
    }
    text = newText;
    if (core_ != nullptr) {
        core_->TextChanged();
    }
}

void FakeEditWindow::Select(int start, int length) {
    selectionStart = start;
    selectionLength = length;
    caret = start + length;
}
