#include "money/Currency.h"
#include "money/Extended.h"

#include <gtest/gtest.h>

#include <limits>

namespace norvik {

namespace {

constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
constexpr auto kMin = std::numeric_limits<std::int64_t>::min();

struct RawCase {
    const char* name;
    Extended tenThousandths;
    std::int64_t raw;
};

TEST(Currency, StoringRoundsToTheNearestTenThousandthWithTiesToEven) {
    const RawCase cases[] = {
        {"12.5 goes down to the even 12", 12.5L, 12},
        {"13.5 goes up to the even 14", 13.5L, 14},
        {"-12.5 goes to -12", -12.5L, -12},
        {"-13.5 goes to -14", -13.5L, -14},
        {"12.5000001 is above the tie", 12.5000001L, 13},
        {"-0.4 is zero", -0.4L, 0},
        {"far above the range saturates", 1e30L, kMax},
        {"far below the range saturates", -1e30L, kMin},
        {"NaN is zero", std::numeric_limits<Extended>::quiet_NaN(), 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Currency::fromExtendedRaw(c.tenThousandths).raw(), c.raw) << c.name;
    }
}

TEST(Currency, FromYenScalesByTenThousand) {
    EXPECT_EQ(Currency::fromExtended(15833.5L).raw(), 158335000);
    EXPECT_EQ(Currency::fromExtended(0.5L * 31667).raw(), 158335000);
    EXPECT_EQ(Currency::fromExtended(-1.25L).raw(), -12500);
    EXPECT_EQ(Currency::fromYen(31667).raw(), 316670000);
}

TEST(Currency, SumsAndDifferencesSaturateInsteadOfWrapping) {
    const Currency top = Currency::fromRaw(kMax);
    const Currency bottom = Currency::fromRaw(kMin);
    EXPECT_EQ((top + Currency::fromRaw(1)).raw(), kMax);
    EXPECT_EQ((bottom - Currency::fromRaw(1)).raw(), kMin);
    EXPECT_EQ((Currency::fromRaw(5) - bottom).raw(), kMax);
    EXPECT_EQ((Currency::fromYen(3) - Currency::fromYen(5)).raw(), -20000);
}

struct TruncCase {
    const char* name;
    Extended value;
    std::int64_t whole;
};

TEST(Extended, TruncDropsTheFractionTowardZeroAndSaturates) {
    const TruncCase cases[] = {
        {"positive fraction", 2.7L, 2},
        {"negative fraction", -2.7L, -2},
        {"just below zero", -0.9L, 0},
        {"a half drops", 2.5L, 2},
        {"3.5 drops to 3 although its nearest even integer is 4", 3.5L, 3},
        {"-3.5 drops to -3", -3.5L, -3},
        {"a half above 2^62", 4611686018427387904.5L, 4611686018427387904},
        {"the largest integer", 9223372036854775807.0L, kMax},
        {"the smallest integer", -9223372036854775808.0L, kMin},
        {"beyond the range", 1e25L, kMax},
        {"below the range", -1e25L, kMin},
        {"NaN", std::numeric_limits<Extended>::quiet_NaN(), 0},
        {"infinity", std::numeric_limits<Extended>::infinity(), kMax},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(truncateToInteger(c.value), c.whole) << c.name;
    }
}

TEST(Extended, RoundHalfEvenSaturatesAtBothEnds) {
    EXPECT_EQ(roundHalfEven(9223372036854775806.5L), kMax - 1); // tie to the even
    EXPECT_EQ(roundHalfEven(9223372036854775807.5L), kMax);
    EXPECT_EQ(roundHalfEven(-9223372036854775808.0L), kMin);
    EXPECT_EQ(roundHalfEven(-9223372036854775809.0L), kMin);
    EXPECT_EQ(roundHalfEven(4611686018427387904.5L), 4611686018427387904);
}

TEST(Extended, IntStaysFloating) {
    EXPECT_EQ(dropFraction(45003.4L), 45003.0L);
    EXPECT_EQ(dropFraction(-6999.1L), -6999.0L);
}

TEST(Extended, RatesAreTheNearestExtendedValues) {
    // 150,007 × 0.3 + 0.9 must reach 45,003 exactly; with the double 0.3 it falls short.
    EXPECT_EQ(dropFraction(150007 * 0.3L + 0.9L), 45003.0L);
}

} // namespace

} // namespace norvik
