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

TEST_F(NValEditClipboard, CutOfAnyPartGivesZero) {
    window.first->setValue(1234567);
    window.first->setSelection(2, 3);
    QTest::keyClick(window.first, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(window.first->Text(), "0");
    EXPECT_EQ(window.first->Value(), 0);
    EXPECT_EQ(clipboard()->text(), "234");
}

TEST_F(NValEditClipboard, UndoReadsTheShownTextBack) {
    QTest::keyClicks(window.first, "-123456");
    QTest::keyClick(window.first, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window.first->Text(), "-123,456");
    EXPECT_EQ(window.first->Value(), -123456);
}

TEST_F(NValEditClipboard, AReadOnlyBoxTakesNoPasteOrCutButCopies) {
    window.first->setValue(55);
    window.first->setReadOnly(true);
    clipboard()->setText("12");
    QTest::keyClick(window.first, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(window.first, Qt::Key_Insert, Qt::ShiftModifier);
    window.first->selectAll();
    QTest::keyClick(window.first, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(window.first->Text(), "55");
    window.first->selectAll();
    QTest::keyClick(window.first, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard()->text(), "55");
}

TEST_F(NValEditClipboard, TextWrittenFromOutsideIsReadAsANumber) {
    window.second->setText(QString::fromUtf8("１２３４"));
    EXPECT_EQ(window.second->Text(), "1,234");
    EXPECT_EQ(window.second->Value(), 1234);
    window.second->setText("abc");
    EXPECT_EQ(window.second->Text(), "0");
    window.second->insert("5");
    EXPECT_EQ(window.second->Text(), "5") << "the edit's own insert is read back too";
}

} // namespace
} // namespace norvik
