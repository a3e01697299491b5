#include "FakeEditWindow.h"

void FakeEditWindow::ShowText(const std::u16string& newText) {
    text = newText;
    if (core_ != nullptr) {
        core_->TextChanged();
    }
}

void FakeEditWindow::CaretTo(int position) {
    caret = position;
    selectionStart = position;
    selectionLength = 0;
}

void FakeEditWindow::SelectAll() {
    Select(0, static_cast<int>(text.size()));
}

void FakeEditWindow::ChangeFontColor(TColor color) {
    if (color == fontColor) {
        return; // an unchanged font raises no notification
    }
    fontColor = color;
    if (core_ != nullptr) {
        core_->FontColorChanged(color);
    }
}

void FakeEditWindow::WriteFromOutside(const std::u16string& newText) {
    ShowText(newText);
}

void FakeEditWindow::Select(int start, int length) {
    selectionStart = start;
    selectionLength = length;
    caret = start + length;
}
