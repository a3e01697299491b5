#include "money/AmountText.h"

#include <gtest/gtest.h>

#include <limits>

namespace norvik {
namespace {

struct CurrencyTextCase {
    const char* name;
    std::int64_t raw;
    const char* text;
};

TEST(AmountText, CurrencyAmountsShowWholeYenWithSeparators) {
    const CurrencyTextCase cases[] = {
        {"zero", 0, "0"},
        {"three digits need no separator", 9990000, "999"},
        {"four digits", 10000000, "1,000"},
        {"nine digits", 1234567890000, "123,456,789"},
        {"negative", -12345670000, "-1,234,567"},
        {"15,833.5 rounds up to the even 15,834", 158335000, "15,834"},
        {"47,500.5 rounds down to the even 47,500", 475005000, "47,500"},
        {"-15,833.5 rounds on the magnitude to -15,834", -158335000, "-15,834"},
        {"-47,500.5 rounds on the magnitude to -47,500", -475005000, "-47,500"},
        {"just above a half rounds up", 475005001, "47,501"},
        {"just below a half rounds down", 158334999, "15,833"},
        {"a negative amount that rounds to zero has no sign", -4000, "0"},
        {"the most negative amount", std::numeric_limits<std::int64_t>::min(),
         "-922,337,203,685,478"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(amountText(Currency::fromRaw(c.raw)), c.text) << c.name;
    }
}

TEST(AmountText, FloatingAmountsRoundTiesToEvenOnTheMagnitude) {
    EXPECT_EQ(amountText(300000.0L), "300,000");
    EXPECT_EQ(amountText(300000.5L), "300,000");
    EXPECT_EQ(amountText(300001.5L), "300,002");
    EXPECT_EQ(amountText(-2.5L), "-2");
    EXPECT_EQ(amountText(-3.5L), "-4");
    EXPECT_EQ(amountText(0.5L), "0");
    EXPECT_EQ(amountText(-0.25L), "0");
}

TEST(AmountText, WholeYenAmounts) {
    EXPECT_EQ(amountText(std::int64_t{1010000}), "1,010,000");
    EXPECT_EQ(amountText(std::int64_t{-100}), "-100");
    EXPECT_EQ(amountText(std::int64_t{100}), "100");
}

TEST(AmountText, PlainCurrencyShowsOnlySignificantDecimals) {
    const CurrencyTextCase cases[] = {
        {"whole amount", 1050000000, "105000"},
        {"zero", 0, "0"},
        {"one decimal", 158335000, "15833.5"},
        {"four decimals", 1, "0.0001"},
        {"trailing zeros go", 12300, "1.23"},
        {"negative fraction", -2500, "-0.25"},
        {"negative whole amount", -633340000, "-63334"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(plainText(Currency::fromRaw(c.raw)), c.text) << c.name;
    }
}

TEST(AmountText, PlainIntegers) {
    EXPECT_EQ(plainText(std::int64_t{1999}), "1999");
    EXPECT_EQ(plainText(std::int64_t{-31667}), "-31667");
}

} // namespace
} // namespace norvik
