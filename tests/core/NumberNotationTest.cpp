#include "notation/NumberFormat.h"
#include "notation/NumberReader.h"
#include "notation/ParseNumberText.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

namespace norvik {

namespace {

struct FormatCase {
    const char* name;
    std::string (*format)(Extended, int, int);
    Extended x;
    int width;
    int decimals;
    const char* text;
};

TEST(NumberFormat, WidthDecimalsAndSeparators) {
    const FormatCase cases[] = {
        {"separators every three digits", formatNumber, 1234567, 0, 0, "1,234,567"},
        {"negative with a decimal", formatNumber, -1234.5L, 0, 1, "-1,234.5"},
        {"three digits need no separator", formatNumber, 999, 0, 0, "999"},
        {"right-justified in the width", formatNumber, 5, 4, 0, "   5"},
        {"a half rounds away from zero", formatNumber, 2.5L, 0, 0, "3"},
        {"a negative half rounds away from zero", formatNumber, -2.5L, 0, 0, "-3"},
        {"an exact binary half", formatNumber, 0.125L, 0, 2, "0.13"},
        {"1.005 rounds up: its 18-digit form is 1.00500000000000000", formatNumber, 1.005L, 0, 2,
         "1.01"},
        {"a carry runs into a new group", formatNumber, 999.996L, 0, 2, "1,000.00"},
        {"a negative that rounds to zero has no sign", formatNumber, -0.0004L, 0, 3, "0.000"},
        {"padding decimals", formatNumber, 12, 0, 2, "12.00"},
        {"fifteen digits", formatNumber, 999999999999999.0L, 0, 0, "999,999,999,999,999"},
        {"fixed has no separators", formatFixed, 1234567.891L, 0, 2, "1234567.89"},
        {"fixed right-justified", formatFixed, 5, 4, 1, " 5.0"},
        {"left-justified", formatFixedLeft, 5, 4, 0, "5   "},
        {"left-justified wider than the width", formatFixedLeft, -12, 2, 0, "-12"},
        {"a number below one keeps its zero", formatFixedLeft, 0.5L, 2, 1, "0.5"},
        {"not a number writes zero", formatFixed, std::numeric_limits<Extended>::quiet_NaN(), 0, 0,
         "0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.format(c.x, c.width, c.decimals), c.text) << c.name;
    }
}

TEST(NumberFormat, PlainTextKeepsOnlySignificantDecimals) {
    const struct {
        Extended x;
        const char* text;
    } cases[] = {
        {1234.5L, "1234.5"},
        {0.1L, "0.1"},
        {12, "12"},
        {0, "0"},
        {1e-15L, "0"},
        {5e-14L, "0.00000000000005"},
        {5e-15L, "0.00000000000001"},
        {123456789012345.6L, "123456789012345.6"},
        {1e20L, "100000000000000000000"},
        {-0.25L, "-0.25"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatPlain(c.x), c.text) << c.text;
    }
}

TEST(NumberReader, AcceptsBlanksSignDigitsAndOnePoint) {
    const struct {
        const char* text;
        std::optional<Extended> value;
    } cases[] = {
        {" 12 ", 12},
        {"-0", -0.0L},
        {"5.", 5},
        {".5", 0.5L},
        {"+3", 3},
        {"123.4500001", 123.4500001L},
        {"", std::nullopt},
        {".", std::nullopt},
        {"+", std::nullopt},
        {"1e3", std::nullopt},
        {"1.2.3", std::nullopt},
        {"- 5", std::nullopt},
        {"1,234", std::nullopt},
        {"0x10", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readNumber(c.text), c.value) << '"' << c.text << '"';
    }
    const std::string huge = "1" + std::string(5000, '0');
    EXPECT_EQ(readNumber(huge), std::numeric_limits<Extended>::infinity());
    EXPECT_EQ(readNumber("0." + std::string(5000, '0') + "1"), 0);
}

TEST(NumberReader, DecimalPowersAreTheNearestValues) {
    EXPECT_EQ(decimalPower(1, 9), 1e9L);
    EXPECT_EQ(decimalPower(5, -9), 5e-9L);
    EXPECT_EQ(decimalPower(1, -2), 0.01L);
}

struct ParseCase {
    const char16_t* text;
    Extended value;
};

TEST(ParseNumberText, ReadsTheBoxNotationAndFullWidthForms) {
    const ParseCase cases[] = {
        {u"１２，３４５", 12345},
        {u"$1,234.5", 1234.5L},
        {u"12,34", 0},
        {u"1,2345", 0},
        {u"abc", 0},
        {u"", 0},
        {u"-1,234", -1234},
        {u"-123,456", -123456},
        {u"+1,234,567.25", 1234567.25L},
        {u"1,000,000", 1000000},
        {u"1-2", 0},
        {u"..", 0},
        {u"+", 0},
        {u"\\1,000", 1000},
        {u"¥1,000", 1000},
        {u"￥１，０００", 1000},
        {u"－５", -5},
        {u"１２．５", 12.5L},
        {u",123", 0},
        {u"-,123", 0},
        {u"1,234,56", 0},
        {u"1,23,456", 0},
        {u"1234,567", 0},
        {u"1,234.", 1234},
        {u"1,234.567,8", 0},
        {u"12 ", 0},
        {u"　12", 0},
        {u"12.5.1", 0},
        {u"12e3", 0},
        {u"1２3", 123},
        {u"\U0001D7CF", 0}, // 𝟏, a digit beyond the BMP
        {u"1\xDFCF", 0},    // half of a surrogate pair
        {u"12\n", 0},
        {u"一二", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseNumberText(c.text, ' '), c.value) << testing::PrintToString(c.text);
    }
}

TEST(ParseNumberText, AGivenLeadingCharacterReplacesTheCurrencySigns) {
    EXPECT_EQ(parseNumberText(u"#12", '#'), 12);
    EXPECT_EQ(parseNumberText(u"12", '#'), 12);
    EXPECT_EQ(parseNumberText(u"$12", '#'), 0);
    EXPECT_EQ(parseNumberText(u"\\-1,000", '\\'), -1000);
    EXPECT_EQ(parseNumberText(u"¥5", 0xA5), 5);
}

} // namespace

} // namespace norvik
