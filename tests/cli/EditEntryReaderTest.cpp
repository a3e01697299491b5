// Salary and dependents texts are taken as the windows' numeric edits take them.

#include "calc_cli/EditEntryReader.h"
#include "../core/FakeEditWindow.h"

#include <gtest/gtest.h>

#include <random>

namespace norvik {
namespace {

struct Accepted {
    const char* text;
    Extended value;
    const char* shown;
};

TEST(EditEntryReader, AcceptsWhatTheEditAcceptsAndShowsItsText) {
    const Accepted rows[] = {
        {"300000", 300000, "300,000"},
        {"300,000", 300000, "300,000"},
        {"-1,500", -1500, "-1,500"},
        {"-123,456", -123456, "-123,456"},
        {"+7", 7, "7"},
        {"007", 7, "7"},
        {"0", 0, "0"},
        {"-0", 0, "0"},
        {"999,999,999", 999999999, "999,999,999"},
        {"1234.5", 1234.5L, "1,234.5"},
        {"0.5", 0.5L, "0.5"},
        {".5", 0.5L, "0.5"},
        {"12.", 12, "12"},
        {"300000.25", 300000.25L, "300,000.25"},
        {"１２，３４５", 12345, "12,345"},
        {"－５", -5, "-5"},
        {"$1,234.5", 1234.5L, "1,234.5"},
        {"12345678.9", 12345678.9L, "12,345,678.9"},
        {"0300.5000000000000000000", 300.5L, "300.5"},
    };
    EditEntryReader reader;
    for (const Accepted& row : rows) {
        const auto reading = reader.read(row.text);
        EXPECT_EQ(reading.problem, EntryProblem::None) << row.text;
        EXPECT_EQ(reading.entry.value, row.value) << row.text;
        EXPECT_EQ(reading.entry.shownText, row.shown) << row.text;
    }
}

TEST(EditEntryReader, RefusesWhatTheEditWouldReadAsZeroOrCut) {
    const std::pair<const char*, EntryProblem> rows[] = {
        {"", EntryProblem::Empty},
        {"abc", EntryProblem::NotANumber},
        {"12,34", EntryProblem::NotANumber},
        {"1,2345", EntryProblem::NotANumber},
        {"1234,567", EntryProblem::NotANumber},
        {",123", EntryProblem::NotANumber},
        {"1-2", EntryProblem::NotANumber},
        {"+", EntryProblem::NotANumber},
        {"-", EntryProblem::NotANumber},
        {"..", EntryProblem::NotANumber},
        {"3e5", EntryProblem::NotANumber},
        {" 300000", EntryProblem::NotANumber},
        {"300000 ", EntryProblem::NotANumber},
        {"1,234.5,6", EntryProblem::NotANumber},
        {"1234567890", EntryProblem::TooManyDigits},
        {"1,000,000,000", EntryProblem::TooManyDigits},
        {"-1234567890", EntryProblem::TooManyDigits},
        {"12345678.91", EntryProblem::TooManyDigits},
        {"0.123456789", EntryProblem::TooManyDigits},
        // Found by fuzzing: digits past the value's 14 decimals were dropped unseen.
        {"0.55555555000000001", EntryProblem::TooManyDigits},
        {"１．０００００００００００００００１", EntryProblem::TooManyDigits},
        {"99999999999999999999999", EntryProblem::TooManyDigits},
        {"\xff"
         "12",
         EntryProblem::NotANumber},
        {"1\xe3\x81", EntryProblem::NotANumber},        // cut short
        {"\xc1\xb1", EntryProblem::NotANumber},         // "1" in two bytes
        {"1\xed\xa0\x80", EntryProblem::NotANumber},    // half of a surrogate pair
        {"\xf4\x90\x80\x80", EntryProblem::NotANumber}, // beyond U+10FFFF
        {"\xf0\x9d\x9f\x8f", EntryProblem::NotANumber}, // 𝟏, a digit beyond the BMP
    };
    EditEntryReader reader;
    for (const auto& [text, problem] : rows) {
        EXPECT_EQ(reader.read(text).problem, problem) << testing::PrintToString(text);
    }
}

// The edit's texts here are ASCII.
std::string narrowed(const std::u16string& text) {
    std::string narrow;
    for (const char16_t c : text) {
        EXPECT_LT(c, 0x80) << testing::PrintToString(text);
        narrow.push_back(static_cast<char>(c));
    }
    return narrow;
}

std::u16string widened(const std::string& ascii) {
    return {ascii.begin(), ascii.end()};
}

// Whole numbers take a quicker way than the edit's own formatting; both must agree with what
// the edit shows after the same text is pasted into it.
TEST(EditEntryReader, WholeNumbersMatchAPasteIntoTheEdit) {
    std::vector<std::string> texts = {
        "0",     "-0",     "+0",          "00",           "1",       "-1",   "999",
        "1,000", "-1,000", "999,999,999", "-999,999,999", "000,001", "0,001"};
    std::mt19937_64 random(14);
    std::uniform_int_distribution<std::int64_t> magnitude(0, 999'999'999);
    for (int i = 0; i < 2000; ++i) {
        const std::int64_t n = magnitude(random) >> (random() % 30);
        const std::string sign = i % 3 == 0 ? "-" : "";
        texts.push_back(sign + std::to_string(n));
        FakeEditWindow window;
        NValEditCore edit(window);
        window.attach(edit);
        edit.setZeroDisplay(true);
        edit.setValue(static_cast<Extended>(n));
        texts.push_back(sign + narrowed(window.text)); // with the edit's own separators
    }
    EditEntryReader reader;
    for (const std::string& text : texts) {
        FakeEditWindow window;
        NValEditCore edit(window);
        window.attach(edit);
        edit.setZeroDisplay(true);
        edit.paste(widened(text));
        const auto reading = reader.read(text);
        ASSERT_EQ(reading.problem, EntryProblem::None) << text;
        EXPECT_EQ(reading.entry.shownText, narrowed(window.text)) << text;
        EXPECT_EQ(reading.entry.value, edit.value()) << text;
        EXPECT_EQ(std::signbit(reading.entry.value), std::signbit(edit.value())) << text;
    }
}

// The reader follows the edit's notation without being the edit: fractions, a leading "$" and
// tiny or negative numbers read and show as a paste into the edit leaves them.
TEST(EditEntryReader, FractionsAndOddFormsMatchAPasteIntoTheEdit) {
    std::vector<std::string> texts = {"1234.5",   "-1234.5",   "0.5",        ".5",
                                      "12.",      "-0.0",      "-.25",       "$1,234.5",
                                      "0.000001", "-0.000001", "12345678.9", "-0.000000000000001"};
    std::mt19937_64 random(19);
    std::uniform_int_distribution<std::int64_t> magnitude(0, 999'999'999);
    for (int i = 0; i < 2000; ++i) {
        const std::string digits = std::to_string(magnitude(random) >> (random() % 30));
        const std::size_t point = random() % (digits.size() + 1);
        const std::string sign = i % 3 == 0 ? "-" : "";
        texts.push_back(sign + digits.substr(0, point) + "." + digits.substr(point));
    }
    EditEntryReader reader;
    for (const std::string& text : texts) {
        const auto reading = reader.read(text);
        if (reading.problem != EntryProblem::None) {
            continue; // a text the edit reads as 0 or cuts: told apart above
        }
        FakeEditWindow window;
        NValEditCore edit(window);
        window.attach(edit);
        edit.setZeroDisplay(true);
        edit.paste(widened(text));
        EXPECT_EQ(reading.entry.shownText, narrowed(window.text)) << text;
        EXPECT_EQ(reading.entry.value, edit.value()) << text;
    }
}

TEST(EditEntryReader, HoldsAsManyDigitsAsTheEdit) {
    FakeEditWindow window;
    const NValEditCore edit(window);
    EXPECT_EQ(EditEntryReader().maxDigits(), edit.maxDigits());
}

} // namespace
} // namespace norvik
