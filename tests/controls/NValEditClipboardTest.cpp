#include "NValEditTestWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QTest>

#include <gtest/gtest.h>

namespace norvik {
namespace {

class NValEditClipboard : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.showActive());
        window.first->setFocus();
    }

    static QClipboard* clipboard() { return QGuiApplication::clipboard(); }

    NValEditTestWindow window;
};

TEST_F(NValEditClipboard, PasteReadsFullWidthText) {
    clipboard()->setText(QString::fromUtf8("－１２，３４５"));
    QTest::keyClick(window.first, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window.first->Text(), "-12,345");
    EXPECT_EQ(window.first->Value(), -12345);
}

TEST_F(NValEditClipboard, ShiftInsertPastesToo) {
    clipboard()->setText("4321");
    QTest::keyClick(window.first, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(window.first->Text(), "4,321");
}

TEST_F(NValEditClipboard, AClipboardWithoutTextPastesZero) {
    window.first->setValue(77);
    auto* image = new QMimeData;
    image->setImageData(QImage(4, 4, QImage::Format_RGB32));
    clipboard()->setMimeData(image);
    QTest::keyClick(window.first, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window.first->Text(), "0");
}

// What a cut leaves in the box is the core's rule; the edit copies the selection first.
TEST_F(NValEditClipboard, CutPutsTheSelectionOnTheClipboardBeforeClearing) {
    window.first->setValue(1234567);
    window.first->setSelection(2, 3);
    QTest::keyClick(window.first, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(clipboard()->text(), "234");
    EXPECT_EQ(window.first->Value(), 0);
}

TEST_F(NValEditClipboard, UndoReadsTheShownTextBack) {
    QTest::keyClicks(window.first, "-123456");
    QTest::keyClick(window.first, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window.first->Text(), "-123,456");
    EXPECT_EQ(window.first->Value(), -123456);
}

// QLineEdit::setReadOnly reaches the core, whichever key asks for a change.
TEST_F(NValEditClipboard, AReadOnlyBoxTakesNoEditingKeyButCopies) {
    window.first->setValue(1234);
    window.first->setReadOnly(true);
    clipboard()->setText("12");
    const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } keys[] = {
        {"a digit", Qt::Key_5, {}},
        {"minus", Qt::Key_Minus, {}},
        {"backspace", Qt::Key_Backspace, {}},
        {"delete", Qt::Key_Delete, {}},
        {"Ctrl+V", Qt::Key_V, Qt::ControlModifier},
        {"Shift+Insert", Qt::Key_Insert, Qt::ShiftModifier},
        {"Ctrl+X", Qt::Key_X, Qt::ControlModifier},
        {"Shift+Delete", Qt::Key_Delete, Qt::ShiftModifier},
        {"Ctrl+Z", Qt::Key_Z, Qt::ControlModifier},
    };
    for (const auto& k : keys) {
        window.first->selectAll();
        QTest::keyClick(window.first, k.key, k.modifiers);
        EXPECT_EQ(window.first->Text(), "1,234") << k.name;
    }
    EXPECT_EQ(clipboard()->text(), "12") << "nothing was cut";
    window.first->selectAll();
    QTest::keyClick(window.first, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard()->text(), "1,234");
}

// The edit's text reaches the core whole, full-width forms and surrogate pairs included.
TEST_F(NValEditClipboard, TextWrittenFromOutsideIsReadAsANumber) {
    const struct {
        const char* written; // UTF-8
        const char* shown;
        Extended value;
    } cases[] = {
        {"１２３４", "1,234", 1234},      {"－１２．５", "-12.5", -12.5L}, {"abc", "0", 0},
        {"\U0001D7CF\U0001D7D0", "0", 0}, // 𝟏𝟐, beyond the BMP
        {"12\U0001F600", "0", 0},
    };
    for (const auto& c : cases) {
        window.second->setText(QString::fromUtf8(c.written));
        EXPECT_EQ(window.second->Text(), c.shown) << c.written;
        EXPECT_EQ(window.second->Value(), c.value) << c.written;
        EXPECT_EQ(window.second->cursorPosition(), window.second->Text().size()) << c.written;
    }
    window.second->insert("5");
    EXPECT_EQ(window.second->Text(), "5") << "the edit's own insert is read back too";
}

} // namespace
} // namespace norvik
