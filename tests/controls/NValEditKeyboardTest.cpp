#include "NValEditTestWindow.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTest>

#include <functional>

#include <gtest/gtest.h>

namespace norvik {
namespace {

class NValEditKeyboard : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(window.showActive()); }

    NValEditTestWindow window;
};

TEST_F(NValEditKeyboard, TypingRendersCalculatorStyle) {
    window.first->setFocus();
    const struct {
        Qt::Key key;
        const char* shown;
    } steps[] = {
        {Qt::Key_2, "2"},
        {Qt::Key_5, "25"},
        {Qt::Key_0, "250"},
        {Qt::Key_0, "2,500"},
        {Qt::Key_0, "25,000"},
        {Qt::Key_0, "250,000"},
        {Qt::Key_Minus, "-250,000"},
        {Qt::Key_Backspace, "-25,000"},
        {Qt::Key_Period, "-25,000."},
        {Qt::Key_5, "-25,000.5"},
        {Qt::Key_Left, "-25,000.5"},
        {Qt::Key_A, "-25,000.5"},
    };
    for (const auto& step : steps) {
        QTest::keyClick(window.first, step.key);
        EXPECT_EQ(window.first->Text(), step.shown) << step.shown;
        EXPECT_EQ(window.first->cursorPosition(), window.first->Text().size()) << step.shown;
    }
    EXPECT_EQ(window.first->Value(), -25000.5L);
}

TEST_F(NValEditKeyboard, FocusByTabSelectsAllSoADigitReplaces) {
    window.second->setValue(1234);
    window.first->setFocus();
    QTest::keyClick(window.first, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), window.second);
    EXPECT_EQ(window.second->selectedText(), "1,234");
    QTest::keyClick(window.second, Qt::Key_7);
    EXPECT_EQ(window.second->Text(), "7");
}

TEST_F(NValEditKeyboard, SetFocusSelectsAllUnlessAutoSelectIsOff) {
    window.second->setValue(1234);
    window.second->setFocus();
    EXPECT_EQ(window.second->selectedText(), "1,234");

    window.first->setFocus();
    window.second->setAutoSelect(false);
    QTest::keyClick(window.first, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), window.second);
    EXPECT_EQ(window.second->selectedText(), "") << "nor does the edit select on its own";
}

// The entry ends (and its text is normalised) when the focus leaves the box, not when a popup
// menu opens over it.
TEST_F(NValEditKeyboard, LeavingTheBoxEndsTheEntryButAPopupDoesNot) {
    window.first->setFocus();
    QTest::keyClicks(window.first, "12.");
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(window.first, &popup);
    EXPECT_EQ(window.first->Text(), "12.");
    QTest::keyClick(window.first, Qt::Key_Tab);
    EXPECT_EQ(window.first->Text(), "12");
}

TEST_F(NValEditKeyboard, EnterMovesTheFocusAndTheHostStillSeesEnter) {
    std::vector<std::pair<char, QWidget*>> seen;
    QObject::connect(window.first, &TNValEdit::OnKeyPress, window.first,
                     [&seen, box = window.first](TNValEdit* sender, char& key) {
                         EXPECT_EQ(sender, box);
                         seen.emplace_back(key, QApplication::focusWidget());
                     });
    window.first->setFocus();
    QTest::keyClick(window.first, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), window.second);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].first, '\r');
    EXPECT_EQ(seen[0].second, window.second) << "the character arrives after the focus moved";
    EXPECT_TRUE(window.keysReachingWindow.empty());
}

TEST_F(NValEditKeyboard, WithoutEnterNextEnterAndEscReachTheWindow) {
    NValEditTestWindow plain(false);
    ASSERT_TRUE(plain.showActive());
    plain.first->setEnterNext(false);
    plain.first->setValue(5);
    plain.first->setFocus();
    QTest::keyClick(plain.first, Qt::Key_Return);
    QTest::keyClick(plain.first, Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), plain.first);
    EXPECT_EQ(plain.keysReachingWindow, (std::vector<int>{Qt::Key_Return, Qt::Key_Escape}));
}

TEST_F(NValEditKeyboard, EscWithoutAWindowShortcutReturnsToTheEntryValue) {
    NValEditTestWindow plain(false);
    plain.first->setValue(100);
    ASSERT_TRUE(plain.showActive()); // the first box takes the focus and selects all
    ASSERT_EQ(QApplication::focusWidget(), plain.first);
    QTest::keyClicks(plain.first, "57");
    ASSERT_EQ(plain.first->Text(), "57");
    QTest::keyClick(plain.first, Qt::Key_Escape);
    EXPECT_EQ(plain.first->Text(), "100");
}

TEST_F(NValEditKeyboard, WindowShortcutsWinOverTheBoxOwnKeys) {
    window.first->setFocus();
    QTest::keyClicks(window.first, "5");
    window.first->setCursorPosition(0);
    QTest::keyClick(window.first, Qt::Key_F5);
    QTest::keyClick(window.first, Qt::Key_Escape);
    QTest::keyClick(window.first, Qt::Key_End);
    EXPECT_EQ(window.computed, 1);
    EXPECT_EQ(window.cleared, 1);
    EXPECT_EQ(window.closed, 1);
    EXPECT_EQ(window.first->Text(), "5") << "Esc did not return to the entry value";
    EXPECT_EQ(window.first->cursorPosition(), 0) << "End did not move the caret";
    EXPECT_EQ(QApplication::focusWidget(), window.first);
}

TEST_F(NValEditKeyboard, TheHostMayReplaceATypedCharacter) {
    QObject::connect(window.first, &TNValEdit::OnKeyPress, window.first, [](TNValEdit*, char& key) {
        if (key == '5') {
            key = '6';
        }
    });
    window.first->setFocus();
    QTest::keyClicks(window.first, "55");
    EXPECT_EQ(window.first->Text(), "66");
}

TEST_F(NValEditKeyboard, HomeSelectsAllAndTheArrowsMoveWhenAsked) {
    window.second->setArrowNext(true);
    window.second->setValue(42);
    window.second->setFocus();
    window.second->deselect();
    QTest::keyClick(window.second, Qt::Key_Home);
    EXPECT_EQ(window.second->selectedText(), "42");
    QTest::keyClick(window.second, Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), window.first);
    QTest::keyClick(window.first, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), window.first) << "without ArrowNext: no move";
}

// Each change reports once, with the text it left: a text written from outside first as it was
// written, then the box's rendering of it when that differs.
TEST_F(NValEditKeyboard, OnChangeFollowsEveryTextChange) {
    QStringList seen;
    QObject::connect(window.first, &TNValEdit::OnChange, window.first,
                     [&seen](TNValEdit* sender) { seen << sender->Text(); });
    window.first->Loaded();
    EXPECT_EQ(seen, QStringList()) << "loading reports no change";
    window.first->setFocus();
    TNValEdit* box = window.first;
    const struct {
        const char* name;
        std::function<void()> act;
        QStringList seen;
    } steps[] = {
        {"typing", [] { QTest::keyClicks(QApplication::focusWidget(), "12"); }, {"1", "12"}},
        {"backspace",
         [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace); },
         {"1"}},
        {"a key that changes nothing",
         [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left); },
         {}},
        {"a text from outside and its rendering",
         [box] { box->setText("1234"); },
         {"1234", "1,234"}},
        {"a text from outside that renders as written", [box] { box->setText("7"); }, {"7"}},
        {"the same number assigned", [box] { box->setValue(7); }, {}},
        {"a number assigned", [box] { box->setValue(-7); }, {"-7"}},
        {"a font colour", [box] { box->setFontColor(tcolor::rgb(0, 0, 255)); }, {}},
    };
    for (const auto& step : steps) {
        seen.clear();
        step.act();
        EXPECT_EQ(seen, step.seen) << step.name;
    }
    EXPECT_TRUE(window.first->isModified());
}

} // namespace
} // namespace norvik
