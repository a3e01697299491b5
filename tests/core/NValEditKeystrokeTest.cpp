#include "NValEditConfigs.h"

#include <gtest/gtest.h>

namespace norvik {
namespace {

struct KeystrokeCase {
    const char* name;
    NValEditConfig config;
    const char* script;
    const char16_t* shown; // the text after each token, joined by " | "
    int beeps;
};

void expect(const KeystrokeCase& c) {
    NValEditHarness box(c.config);
    const int beepsBefore = box.window.beeps;
    EXPECT_EQ(joined(box.run(c.script)), c.shown) << c.name << ": " << c.script;
    EXPECT_EQ(box.window.beeps - beepsBefore, c.beeps) << c.name;
}

TEST(NValEditKeystrokes, DigitsPointAndMinus) {
    const KeystrokeCase cases[] = {
        {"digits extend the number at its right end",
         {},
         "2 5 0 0 0 0",
         u"2 | 25 | 250 | 2,500 | 25,000 | 250,000",
         0},
        {"a tenth digit is refused",
         {},
         "1 2 3 4 5 6 7 8 9 1",
         "1 | 12 | 123 | 1,234 | 12,345 | 123,456 | 1,234,567 | 12,345,678 | 123,456,789 | "
         u"123,456,789",
         1},
        {"the point after nine digits is refused",
         {},
         "1 2 3 4 5 6 7 8 9 .",
         "1 | 12 | 123 | 1,234 | 12,345 | 123,456 | 1,234,567 | 12,345,678 | 123,456,789 | "
         u"123,456,789",
         1},
        {"a point on an empty box starts 0.", {}, ". 5 3", u"0. | 0.5 | 0.53", 0},
        {"a typed zero is no digit: the next digit replaces it", {}, "0 7", u"0 | 7", 0},
        {"a second point is refused", {}, "1 . .", u"1 | 1. | 1.", 1},
        {"decimals fill the digits too",
         {},
         "1 2 3 4 5 6 7 8 . 9 1",
         "1 | 12 | 123 | 1,234 | 12,345 | 123,456 | 1,234,567 | 12,345,678 | 12,345,678. | "
         u"12,345,678.9 | 12,345,678.9",
         1},
        {"minus toggles the sign at any time", {}, "- 5 - -", u"-0 | -5 | 5 | -5", 0},
        {"digits after a minus on zero are negative", {}, "- 1 2", u"-0 | -1 | -12", 0},
        {"decimals of a negative number", {}, "- . 5", u"-0 | -0. | -0.5", 0},
        {"typed trailing zeros stay while typing",
         {},
         "1 2 . 5 0",
         u"1 | 12 | 12. | 12.5 | 12.50",
         0},
        {"0.0 keeps its typed zero", {}, ". 0 0 7", u"0. | 0.0 | 0.00 | 0.007", 0},
        {"after an assignment a digit extends the number", startingAt(250000), "1", u"2,500,001",
         0},
        {"letters, blanks and control characters are dropped without a beep",
         {},
         "1 A x ^H ^[ 2",
         u"1 | 1 | 1 | 1 | 1 | 12",
         0},
        {"the left arrow does nothing", {}, "1 2 LEFT 3", u"1 | 12 | 12 | 123", 0},
    };
    for (const auto& c : cases) {
        expect(c);
    }
}

TEST(NValEditKeystrokes, SelectionMeansReplace) {
    const KeystrokeCase cases[] = {
        {"Home selects all and a digit replaces the number",
         {},
         "1 2 HOME 7",
         u"1 | 12 | 12 | 7",
         0},
        {"a digit replaces a selected negative number and drops the sign",
         {},
         "- 5 SEL 7",
         u"-0 | -5 | -5 | 7",
         0},
        {"the point replaces a selected number and keeps the sign",
         {},
         "- 5 SEL .",
         u"-0 | -5 | -5 | -0.",
         0},
        {"minus replaces a selected number by -0", {}, "5 SEL -", u"5 | 5 | -0", 0},
        {"focus by keyboard selects all, so typing replaces", startingAt(100), "IN 5 6",
         u"100 | 5 | 56", 0},
        {"focus by a click selects nothing, so typing extends", startingAt(100), "CLICK 5",
         u"100 | 1,005", 0},
    };
    for (const auto& c : cases) {
        expect(c);
    }
}

TEST(NValEditKeystrokes, BackspaceDeleteAndEsc) {
    const KeystrokeCase cases[] = {
        {"backspace drops the last digit", {}, "1 2 3 4 BS", u"1 | 12 | 123 | 1,234 | 123", 0},
        {"backspace keeps the point of a decimal",
         {},
         "1 2 . 5 BS",
         u"1 | 12 | 12. | 12.5 | 12.",
         0},
        {"with no decimal left the point and the last digit go together",
         {},
         "1 2 . BS",
         u"1 | 12 | 12. | 1",
         0},
        {"0.05 becomes 0.0", {}, ". 0 5 BS", u"0. | 0.0 | 0.05 | 0.0", 0},
        {"-5 becomes an unsigned zero", {}, "- 5 BS", u"-0 | -5 | 0", 0},
        {"-12 becomes -1 and the minus key then makes it positive",
         {},
         "- 1 2 BS -",
         u"-0 | -1 | -12 | -1 | 1",
         0},
        {"-12 becomes -1 and the next digit extends it negatively",
         {},
         "- 1 2 BS 5",
         u"-0 | -1 | -12 | -1 | -15",
         0},
        {"-0. becomes an unsigned zero", {}, "- . BS", u"-0 | -0. | 0", 0},
        {"-1.5 keeps its sign while decimals remain",
         {},
         "- 1 . 5 BS BS",
         u"-0 | -1 | -1. | -1.5 | -1. | 0",
         0},
        {"backspace on an empty box keeps zero", {}, "BS BS", u"0 | 0", 0},
        {"backspace on a selection clears the number",
         {},
         "- 1 2 SEL BS 3",
         u"-0 | -1 | -12 | -12 | 0 | 3",
         0},
        {"Delete without a selection does nothing", {}, "1 2 DEL", u"1 | 12 | 12", 0},
        {"Delete on a selection clears the number and its sign",
         {},
         "- 5 SEL DEL 3",
         u"-0 | -5 | -5 | 0 | 3",
         0},
        {"Esc returns to the number at focus gain", startingAt(100), "CLICK 5 BS BS - ESC",
         u"100 | 1,005 | 100 | 10 | -10 | 100", 0},
        {"Esc after focus loss returns to the number at focus loss", startingAt(100), "5 OUT 7 ESC",
         u"1,005 | 1,005 | 10,057 | 1,005", 0},
    };
    for (const auto& c : cases) {
        expect(c);
    }
    NValEditConfig clearing;
    clearing.delAllClear = true;
    expect({"with DelAllClear Delete clears without a selection", clearing, "1 2 DEL",
            u"1 | 12 | 0", 0});
}

TEST(NValEditKeystrokes, FixedDecimals) {
    const KeystrokeCase cases[] = {
        {"typed integers show their decimals only after focus loss", fixed(2), "1 2 3 OUT",
         u"1 | 12 | 123 | 123.00", 0},
        {"integer digits stop at MaxDigits - FixDecimal", fixed(2), "1 2 3 4 5 6 7 8",
         u"1 | 12 | 123 | 1,234 | 12,345 | 123,456 | 1,234,567 | 1,234,567", 1},
        {"two decimals are accepted and the third refused", fixed(2), ". 1 2 3",
         u"0. | 0.1 | 0.12 | 0.12", 1},
        {"focus loss pads the decimals", fixed(2), "1 2 . 5 OUT", u"1 | 12 | 12. | 12.5 | 12.50",
         0},
        {"an assigned number is in decimal entry and refuses further digits", fixed(2, 12), "5 5",
         u"12.00 | 12.00", 2},
        {"a selected assigned number is replaced by a digit", fixed(2, 12), "SEL 5", u"12.00 | 5",
         0},
        {"no point without decimals", fixed(0), "1 . 2", u"1 | 1 | 12", 1},
        {"an assigned fraction rounds in the text and typing starts from the rounded number",
         fixed(0, 12.7L), "5", u"135", 0},
        {"three digits at most", digits(3), "1 2 3 4", u"1 | 12 | 123 | 123", 1},
    };
    for (const auto& c : cases) {
        expect(c);
    }
}

TEST(NValEditKeystrokes, OtherProperties) {
    const NValEditConfig positive = nonNegative();
    const NValEditConfig plain = withoutSeparators();
    const NValEditConfig yen = withLeadingChar('\\');
    const NValEditConfig yenNoZero = withLeadingChar('\\', false);
    const KeystrokeCase cases[] = {
        {"without ZeroDisplay zero is an empty box", withoutZeroDisplay(), "0 5 BS", u" | 5 | ", 0},
        {"without ZeroDisplay a minus on zero shows the bare sign", withoutZeroDisplay(), "- 5 BS",
         u"- | -5 | ", 0},
        {"without ZeroDisplay a point still shows 0.", withoutZeroDisplay(), ".", u"0.", 0},
        {"minus is refused when negatives are not permitted", positive, "5 -", u"5 | 5", 1},
        {"PutAComma false writes no separators", plain, "2 5 0 0 0 0",
         u"2 | 25 | 250 | 2500 | 25000 | 250000", 0},
        {"the leading character stands before every number", yen, "1 0 0 0",
         u"\\1 | \\10 | \\100 | \\1,000", 0},
        {"the leading character stands before the sign", yen, "- 1 BS", u"\\-0 | \\-1 | \\0", 0},
        {"the leading character needs something to stand before", yenNoZero, "5 BS - -",
         u"\\5 |  | \\- | ", 0},
    };
    for (const auto& c : cases) {
        expect(c);
    }
}

TEST(NValEditKeystrokes, EnterAndArrowsMoveTheFocusWhenAsked) {
    NValEditHarness box(NValEditConfig{});
    EXPECT_TRUE(box.core.keyDown(EditKey::Return)) << "passed on without EnterNext";
    EXPECT_TRUE(box.core.keyDown(EditKey::Down));
    EXPECT_EQ(box.window.movesToNext, 0);

    box.core.setEnterNext(true);
    box.core.setArrowNext(true);
    EXPECT_FALSE(box.core.keyDown(EditKey::Return));
    EXPECT_FALSE(box.core.keyDown(EditKey::Down));
    EXPECT_FALSE(box.core.keyDown(EditKey::Up));
    EXPECT_EQ(box.window.movesToNext, 2);
    EXPECT_EQ(box.window.movesToPrevious, 1);
    EXPECT_TRUE(box.core.keyDown(EditKey::Other)) << "Right, End and the rest";
}

TEST(NValEditKeystrokes, ReadOnlyBoxIgnoresEveryEditingKey) {
    NValEditHarness box(startingAt(1234));
    box.core.setReadOnly(true);
    EXPECT_EQ(joined(box.run("5 - . BS DEL SEL DEL ESC SEL BS")),
              u"1,234 | 1,234 | 1,234 | 1,234 | 1,234 | 1,234 | 1,234 | 1,234 | 1,234 | 1,234");
    EXPECT_EQ(box.core.value(), 1234);
    EXPECT_EQ(box.window.beeps, 0);
    EXPECT_EQ(box.core.typeChar(3), EditCommand::Copy) << "Ctrl+C still copies";
    EXPECT_EQ(box.core.typeChar(22), EditCommand::None);
    EXPECT_EQ(box.core.typeChar(24), EditCommand::None);
    EXPECT_EQ(box.core.typeChar(26), EditCommand::None);
}

TEST(NValEditKeystrokes, EntryStateFollowsTheTyping) {
    NValEditHarness box(NValEditConfig{});
    box.run("0");
    EXPECT_EQ(box.core.state().digitCount, 0) << "a typed zero counts no digit";
    box.run(". 5");
    EXPECT_EQ(box.core.state().digitCount, 2);
    EXPECT_EQ(box.core.state().decimalCount, 1);
    EXPECT_TRUE(box.core.state().pointTyped);
    box.run("3");
    EXPECT_EQ(box.core.value(), 0.53L);
    box.run("SEL - 5");
    EXPECT_EQ(box.core.value(), -5);
    EXPECT_TRUE(box.core.state().minusTyped);
}

} // namespace
} // namespace norvik
