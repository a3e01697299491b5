#include "NValEditConfigs.h"

#include <gtest/gtest.h>

namespace norvik {
namespace {

TEST(NValEditFocus, KeyboardFocusSelectsAllButAClickDoesNot) {
    NValEditHarness box(startingAt(1234));
    box.core.focusLost();
    box.core.focusGained(false);
    EXPECT_EQ(box.window.selectionStart, 0);
    EXPECT_EQ(box.window.selectionLength, 5) << "AutoSelect selects the whole text";

    box.core.focusLost();
    EXPECT_EQ(box.window.selectionLength, 0);
    box.core.focusGained(true);
    EXPECT_EQ(box.window.selectionLength, 0) << "a click keeps its own caret";

    box.core.focusLost();
    box.core.setAutoSelect(false);
    box.core.focusGained(false);
    EXPECT_EQ(box.window.selectionLength, 0);
}

TEST(NValEditFocus, FocusLossNormalisesTheText) {
    const struct {
        const char* script;
        int fixDecimal;
        const char16_t* shown;
    } cases[] = {
        {"1 2 . OUT", -1, u"12"},
        {"1 2 . 5 0 OUT", -1, u"12.5"},
        {"1 2 . 5 OUT", 2, u"12.50"},
        {"- OUT", -1, u"0"},
    };
    for (const auto& c : cases) {
        NValEditConfig config;
        config.fixDecimal = c.fixDecimal;
        NValEditHarness box(config);
        EXPECT_EQ(box.run(c.script).back(), c.shown) << c.script;
        EXPECT_EQ(box.core.state().entryValue, box.core.value()) << c.script;
    }
}

TEST(NValEditMouse, ReleaseKeepsOnlyAWholeTextSelection) {
    NValEditHarness box(startingAt(1234567));
    box.window.select(2, 3);
    box.core.mouseReleased();
    EXPECT_EQ(box.window.selectionLength, 0) << "a click or a partial drag: caret at the end";
    EXPECT_EQ(box.window.caret, 9);

    box.window.select(0, 9);
    box.core.mouseReleased();
    EXPECT_EQ(box.window.selectionStart, 0) << "a drag over the whole text stays selected";
    EXPECT_EQ(box.window.selectionLength, 9);

    box.window.select(2, 3);
    box.core.doubleClick();
    box.core.mouseReleased();
    EXPECT_EQ(box.window.selectionStart, 2) << "the word a double click selected stays";
    EXPECT_EQ(box.window.selectionLength, 3);

    box.core.mouseReleased();
    EXPECT_EQ(box.window.selectionLength, 0) << "only the release after the double click";
}

TEST(NValEditClipboard, PasteReadsTheClipboardText) {
    const struct {
        const char16_t* clipboard;
        Extended value;
        const char16_t* shown;
    } cases[] = {
        {u"１２，３４５", 12345, u"12,345"},
        {u"12,34", 0, u"0"},
        {u"abc", 0, u"0"},
        {u"-1,500", -1500, u"-1,500"},
        {u"9999999999", 999999999, u"999,999,999"},
    };
    for (const auto& c : cases) {
        NValEditHarness box(startingAt(77));
        box.core.paste(std::u16string(c.clipboard));
        EXPECT_EQ(box.core.value(), c.value) << testing::PrintToString(c.clipboard);
        EXPECT_EQ(box.window.text, c.shown) << testing::PrintToString(c.clipboard);
    }
    NValEditHarness box(startingAt(77));
    box.core.paste(std::nullopt);
    EXPECT_EQ(box.window.text, u"0") << "a clipboard without text";
}

TEST(NValEditClipboard, PasteWithALeadingCharacterReadsItsOwnNotation) {
    NValEditConfig yen;
    yen.leadingChar = '\\';
    NValEditHarness box(yen);
    box.core.paste(std::u16string(u"\\1,000"));
    EXPECT_EQ(box.window.text, u"\\1,000");
}

TEST(NValEditClipboard, CutOfAnyPartGivesZero) {
    NValEditHarness box(startingAt(-1234.5L));
    box.window.select(1, 2);
    box.core.cutOrClear();
    EXPECT_EQ(box.window.text, u"0");
    EXPECT_EQ(box.core.value(), 0);
    EXPECT_FALSE(box.core.state().minusTyped);
}

TEST(NValEditClipboard, UndoReadsTheBoxOwnTextBack) {
    const struct {
        const char* script;
        const char16_t* shown;
        Extended value;
    } cases[] = {
        {"- 1 2 3 4 5 6", u"-123,456", -123456},
        {"1 2 .", u"12", 12},
        {"1 . 5 0", u"1.5", 1.5L},
    };
    for (const auto& c : cases) {
        NValEditHarness box(NValEditConfig{});
        box.run(c.script);
        box.core.undo();
        EXPECT_EQ(box.window.text, c.shown) << c.script;
        EXPECT_EQ(box.core.value(), c.value) << c.script;
    }
}

TEST(NValEditClipboard, ReadOnlyRefusesEveryClipboardChange) {
    NValEditHarness box(startingAt(55));
    box.core.setReadOnly(true);
    box.core.paste(std::u16string(u"12"));
    box.core.cutOrClear();
    box.window.text = u"99";
    box.core.undo();
    EXPECT_EQ(box.core.value(), 55);
}

TEST(NValEditText, TextWrittenFromOutsideIsReadAsANumber) {
    const struct {
        const char16_t* written;
        const char16_t* shown;
        Extended value;
    } cases[] = {
        {u"1234", u"1,234", 1234},
        {u"１２３４", u"1,234", 1234},
        {u"abc", u"0", 0},
        {u"", u"0", 0},
        {u"-123,456", u"-123,456", -123456},
        {u"\U0001D7CF\U0001D7D0", u"0", 0}, // 𝟏𝟐: digits beyond the BMP are no digits here
        {u"12\U0001F600", u"0", 0},
        {u"\xD835", u"0", 0}, // half of a surrogate pair
    };
    for (const auto& c : cases) {
        NValEditHarness box(startingAt(5));
        box.window.writeFromOutside(c.written);
        const std::string written = testing::PrintToString(c.written);
        EXPECT_EQ(box.window.text, c.shown) << written;
        EXPECT_EQ(box.core.value(), c.value) << written;
        EXPECT_EQ(box.window.caret, static_cast<int>(box.window.text.size())) << written;
    }
}

TEST(NValEditText, OutsideTextIsLeftAloneBeforeTheFirstRenderingOrWithoutAParent) {
    NValEditHarness fresh;
    fresh.window.writeFromOutside(u"1234");
    EXPECT_EQ(fresh.window.text, u"1234");
    EXPECT_EQ(fresh.core.value(), 0);

    NValEditHarness orphan(startingAt(5));
    orphan.window.hasParent = false;
    orphan.window.writeFromOutside(u"1234");
    EXPECT_EQ(orphan.window.text, u"1234");
}

// Positions count UTF-16 units, as the edit's do: 𝟏 is two of them.
TEST(NValEditText, AnOutsideTextBeyondTheBmpIsMeasuredInUtf16Units) {
    NValEditHarness orphan(startingAt(5));
    orphan.window.hasParent = false;
    orphan.window.writeFromOutside(u"\U0001D7CF２");
    ASSERT_EQ(orphan.window.text.size(), 3u);
    orphan.window.select(1, 1);
    orphan.core.mouseReleased();
    EXPECT_EQ(orphan.window.caret, 3) << "a click puts the caret after the last unit";
    orphan.window.selectWhole();
    orphan.core.mouseReleased();
    EXPECT_EQ(orphan.window.selectionLength, 3) << "the whole text stays selected";
}

TEST(NValEditText, EveryTextChangeIsReportedOnce) {
    NValEditHarness box(NValEditConfig{});
    const int before = box.window.changes;
    box.run("1 2 BS BS BS");
    EXPECT_EQ(box.window.changes - before, 4) << "1, 12, 1, 0 and no change for the last BS";
    box.window.writeFromOutside(u"1234");
    EXPECT_EQ(box.window.changes - before, 6) << "the outside text and its rendering";
}

TEST(NValEditLoading, NothingRendersWhileReadingAndLoadingReportsNoChange) {
    NValEditHarness box;
    box.core.beginLoading();
    box.core.setZeroDisplay(true);
    box.core.setValue(-1500);
    EXPECT_EQ(box.window.text, u"");
    box.core.loaded();
    EXPECT_EQ(box.window.text, u"-1,500");
    EXPECT_EQ(box.window.changes, 0);
    EXPECT_EQ(box.core.state().entryValue, -1500);
    box.window.writeFromOutside(u"1234");
    EXPECT_EQ(box.window.text, u"1,234") << "after loading an outside text is read";
}

TEST(NValEditLoading, ABoxWithoutALayoutRendersOnItsFirstAssignment) {
    NValEditHarness box;
    EXPECT_EQ(box.window.text, u"");
    box.core.setValue(0);
    EXPECT_EQ(box.window.text, u"");
    box.core.setZeroDisplay(true);
    EXPECT_EQ(box.window.text, u"0");
}

// Font colours: the minus colour is on screen exactly while the number is negative.
constexpr TColor kRed = tcolor::rgb(255, 0, 0);
constexpr TColor kBlue = tcolor::rgb(0, 0, 255);

TEST(NValEditColor, MinusColorFollowsTheSign) {
    NValEditHarness box(NValEditConfig{});
    box.core.setMinusColor(kRed);
    const struct {
        const char* script;
        TColor color;
    } steps[] = {
        {"-", kRed}, {"5", kRed}, {"-", clWindowText}, {"-", kRed}, {"BS", clWindowText},
    };
    for (const auto& step : steps) {
        box.run(step.script);
        EXPECT_EQ(box.window.fontColor, step.color) << step.script;
    }
    box.core.setValue(-3);
    EXPECT_EQ(box.window.fontColor, kRed);
    box.core.setValue(3);
    EXPECT_EQ(box.window.fontColor, clWindowText);
}

TEST(NValEditColor, AFontColourSetByTheHostIsThePlainColour) {
    NValEditHarness box(NValEditConfig{});
    box.core.setMinusColor(kRed);
    box.window.fontColor = kBlue;
    box.core.fontColorChanged(kBlue);
    EXPECT_EQ(box.core.state().plainColor, kBlue);
    box.core.setValue(-1);
    EXPECT_EQ(box.window.fontColor, kRed);
    box.core.setValue(1);
    EXPECT_EQ(box.window.fontColor, kBlue);
}

TEST(NValEditColor, WhileNegativeTheHostColourWaitsForAPositiveNumber) {
    NValEditHarness box(startingAt(-5));
    box.core.setMinusColor(kRed);
    ASSERT_EQ(box.window.fontColor, kRed);
    box.window.fontColor = kBlue;
    box.core.fontColorChanged(kBlue);
    EXPECT_EQ(box.window.fontColor, kRed) << "the minus colour stays on screen";
    box.core.fontColorChanged(kRed);
    EXPECT_EQ(box.core.state().plainColor, kBlue) << "a repeated minus colour is no plain colour";
    box.core.setValue(5);
    EXPECT_EQ(box.window.fontColor, kBlue);
}

TEST(NValEditColor, WithoutADistinctMinusColourNegativesUseTheFontColour) {
    for (const bool designing : {false, true}) {
        NValEditHarness box(startingAt(5));
        box.core.setDesignMode(designing);
        box.window.fontColor = kBlue;
        box.core.fontColorChanged(kBlue);
        EXPECT_EQ(box.core.minusColor(), kBlue) << designing;
        EXPECT_EQ(box.core.state().plainColor, kBlue) << designing;
        EXPECT_EQ(box.window.fontColor, kBlue) << designing;
        box.core.setValue(-5);
        EXPECT_EQ(box.window.fontColor, kBlue) << designing;
    }
}

TEST(NValEditColor, SwitchingTheMinusColourOffRestoresThePlainColour) {
    NValEditHarness box(startingAt(-5));
    box.core.setMinusColor(kRed);
    ASSERT_EQ(box.window.fontColor, kRed);
    box.core.setMinusColor(clWindowText);
    EXPECT_EQ(box.window.fontColor, clWindowText);
}

} // namespace
} // namespace norvik
