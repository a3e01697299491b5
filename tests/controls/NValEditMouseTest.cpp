#include "NValEditTestWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace norvik {
namespace {

class NValEditMouse : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(window.showActive()); }

    // The edit places its right-aligned text when it paints; a click before that would land on
    // the old text's places.
    static void paint(QWidget* w) { w->repaint(); }
    static QPoint leftEdge(const QWidget* w) { return {6, w->height() / 2}; }
    static QPoint rightEdge(const QWidget* w) { return {w->width() - 6, w->height() / 2}; }

    NValEditTestWindow window;
};

TEST_F(NValEditMouse, FocusByAClickSelectsNothingAndPutsTheCaretAtTheEnd) {
    window.second->setValue(1234567);
    paint(window.second);
    QTest::mouseClick(window.second, Qt::LeftButton, {}, leftEdge(window.second));
    ASSERT_EQ(QApplication::focusWidget(), window.second);
    EXPECT_FALSE(window.second->hasSelectedText());
    EXPECT_EQ(window.second->cursorPosition(), window.second->Text().size());
    QTest::keyClick(window.second, Qt::Key_8);
    EXPECT_EQ(window.second->Text(), "12,345,678") << "the digit extends the number";
}

TEST_F(NValEditMouse, ADragOverTheWholeTextStaysSelected) {
    window.second->setValue(1234567);
    window.second->setFocus();
    paint(window.second);
    QTest::mousePress(window.second, Qt::LeftButton, {}, rightEdge(window.second));
    const QPoint left = leftEdge(window.second);
    QMouseEvent drag(QEvent::MouseMove, left, window.second->mapToGlobal(left), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.second, &drag);
    QTest::mouseRelease(window.second, Qt::LeftButton, {}, leftEdge(window.second));
    EXPECT_EQ(window.second->selectedText(), "1,234,567");
}

TEST_F(NValEditMouse, ADoubleClickKeepsTheWordSelection) {
    window.second->setValue(-1500);
    window.second->setFocus();
    paint(window.second);
    QTest::mouseDClick(window.second, Qt::LeftButton, {}, rightEdge(window.second));
    EXPECT_EQ(window.second->selectedText(), "500") << "the word, not the whole text";
    QTest::mouseClick(window.second, Qt::LeftButton, {}, leftEdge(window.second));
    EXPECT_FALSE(window.second->hasSelectedText()) << "the next click is a plain click again";
}

TEST_F(NValEditMouse, TheContextMenuIsThePopupMenuAndNothingElse) {
    window.first->setFocus();
    QContextMenuEvent plainRequest(QContextMenuEvent::Mouse, leftEdge(window.first),
                                   window.first->mapToGlobal(leftEdge(window.first)));
    QApplication::sendEvent(window.first, &plainRequest);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "no edit menu with its own paste";

    QMenu menu(&window);
    menu.addAction("計算");
    window.first->setPopupMenu(&menu);
    QContextMenuEvent request(QContextMenuEvent::Mouse, leftEdge(window.first),
                              window.first->mapToGlobal(leftEdge(window.first)));
    QApplication::sendEvent(window.first, &request);
    EXPECT_EQ(QApplication::activePopupWidget(), &menu);
    menu.close();
}

// When the minus colour shows is the core's rule; the edit shows it in the text colour of the
// active and the inactive window, and gives the plain colour back.
TEST_F(NValEditMouse, TheMinusColourIsTheTextColourOfThePalette) {
    const QPalette plain = window.first->palette();
    window.first->setMinusColor(tcolor::rgb(255, 0, 0));
    for (const Extended value : {-3.0L, 3.0L}) {
        window.first->setValue(value);
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            const QColor expected =
                value < 0 ? QColor(255, 0, 0) : plain.color(group, QPalette::Text);
            EXPECT_EQ(window.first->palette().color(group, QPalette::Text), expected)
                << static_cast<double>(value) << " in group " << group;
        }
    }
    EXPECT_EQ(window.first->FontColor(), clWindowText)
        << "the box's own colour is not taken for a new font colour";
}

TEST_F(NValEditMouse, AHostPaletteColourIsThePlainColour) {
    window.first->setMinusColor(tcolor::rgb(255, 0, 0));
    QPalette colors = window.first->palette();
    colors.setColor(QPalette::Text, QColor(0, 0, 255));
    window.first->setPalette(colors);
    EXPECT_EQ(window.first->FontColor(), tcolor::rgb(0, 0, 255));
    window.first->setValue(-1);
    window.first->setValue(1);
    EXPECT_EQ(window.first->palette().color(QPalette::Active, QPalette::Text), QColor(0, 0, 255));
}

// A box without a parent leaves a text from outside as written; a click still finds its end, in
// the edit's own UTF-16 units (𝟏 is two of them), and a whole-text selection stays.
TEST_F(NValEditMouse, AClickFindsTheEndOfATextBeyondTheBmp) {
    TNValEdit orphan;
    orphan.setText(QString::fromUtf8("\U0001D7CF２"));
    orphan.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&orphan));
    ASSERT_EQ(orphan.Text().size(), 3);
    paint(&orphan);
    QTest::mouseClick(&orphan, Qt::LeftButton, {}, leftEdge(&orphan));
    EXPECT_EQ(orphan.cursorPosition(), 3);
    orphan.selectAll();
    QTest::mouseRelease(&orphan, Qt::LeftButton, {}, leftEdge(&orphan));
    EXPECT_EQ(orphan.selectedText().size(), 3);
}

TEST_F(NValEditMouse, TheInputMethodCannotTypeIntoTheBox) {
    window.first->setValue(12);
    window.first->setFocus();
    QInputMethodEvent commit;
    commit.setCommitString("３４");
    QApplication::sendEvent(window.first, &commit);
    EXPECT_EQ(window.first->Text(), "12");
    EXPECT_FALSE(window.first->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_FALSE(window.first->acceptDrops());
}

TEST_F(NValEditMouse, TheMiddleButtonPastesNothing) {
    if (!QGuiApplication::clipboard()->supportsSelection()) {
        GTEST_SKIP() << "this platform has no selection to paste";
    }
    QGuiApplication::clipboard()->setText("999", QClipboard::Selection);
    QGuiApplication::clipboard()->setText("999");
    window.first->setValue(12);
    window.first->setFocus();
    QTest::mouseClick(window.first, Qt::MiddleButton, {}, leftEdge(window.first));
    EXPECT_EQ(window.first->Text(), "12");
}

} // namespace
} // namespace norvik
