#include "calc_otsu/computation/OtsuComputation.h"

#include "TextOf.h"

#include <gtest/gtest.h>

#include <limits>

namespace norvik {
namespace {

struct RangeCase {
    const char* name;
    Extended salary;
    bool accepted;
};

TEST(OtsuRange, OnlySalariesAbove88000UpTo1010000AreComputed) {
    const RangeCase cases[] = {
        {"88,000 is refused", 88000, false},
        {"88,000.5 is accepted", 88000.5L, true},
        {"88,001 is accepted", 88001, true},
        {"1,010,000 is accepted", 1010000, true},
        {"1,010,000.5 is refused", 1010000.5L, false},
        {"1,010,001 is refused", 1010001, false},
        {"zero is refused", 0, false},
        {"a negative salary is refused", -300000, false},
        {"NaN is refused", std::numeric_limits<Extended>::quiet_NaN(), false},
    };
    for (const auto& c : cases) {
        const OtsuResult r = computeOtsu(c.salary, 0);
        EXPECT_EQ(!r.refusal.has_value(), c.accepted) << c.name;
        EXPECT_EQ(r.fields.size(), c.accepted ? 19u : 0u) << c.name;
    }
}

TEST(OtsuRange, TheRefusalCarriesTheInformationTitleAndTwoLines) {
    const OtsuResult r = computeOtsu(88000, 0);
    ASSERT_TRUE(r.refusal.has_value());
    EXPECT_EQ(r.refusal->title, "情報");
    EXPECT_EQ(r.refusal->message,
              "その月の社会保険料控除後の給与等の金額が\r\n88000円以下、または1010000円を超えている"
              "場合は源泉徴収税額表-月額表-を使用してください。");
}

struct StepCase {
    const char* name;
    Extended salary;
    std::int64_t quotient, remainder, base;
};

TEST(OtsuSteps, BandSeams) {
    const StepCase cases[] = {
        {"88,001 is one step into the 1,000 band", 88001, 1, 1, 88000},
        {"98,999 ends the 1,000 band", 98999, 11, 999, 98000},
        {"99,000 starts the 2,000 band", 99000, 0, 0, 99000},
        {"220,999 ends the 2,000 band", 220999, 60, 1999, 219000},
        {"221,000 starts the 3,000 band", 221000, 0, 0, 221000},
        {"1,010,000 is a whole step", 1010000, 263, 0, 1010000},
    };
    for (const auto& c : cases) {
        const OtsuResult r = computeOtsu(c.salary, 0);
        EXPECT_EQ(r.amounts.quotient, c.quotient) << c.name;
        EXPECT_EQ(r.amounts.remainder, c.remainder) << c.name;
        EXPECT_EQ(r.amounts.base.raw(), c.base * 10000) << c.name;
    }
}

TEST(OtsuSteps, AFractionOfAYenStaysInTheBaseAmount) {
    const OtsuResult r = computeOtsu(300000.5L, 0);
    EXPECT_EQ(r.amounts.remainder, 1000);
    EXPECT_EQ(r.amounts.base.raw(), 2990005000);
}

TEST(OtsuTable1, TheFirstRowsApplyOnlyToOneAndAHalfTimesTheBase) {
    const struct {
        Extended salary;
        std::int64_t mainDeduction;
        const char* formula6;
    } cases[] = {
        {88001, 54167, "88,000×1.5"},
        {90000, 54167, "90,000×1.5"},
        {91000, 54600, "91,000×1.5×40%"},
    };
    for (const auto& c : cases) {
        const OtsuResult r = computeOtsu(c.salary, 0);
        EXPECT_EQ(r.amounts.mainDeduction.raw(), c.mainDeduction * 10000) << c.formula6;
        EXPECT_EQ(textOf(r, "formula6"), c.formula6);
    }
}

TEST(OtsuHundreds, FiftyYenGoesUp) {
    // Salary 88,001 leaves a difference of 3,060 yen before the dependents deduction; a
    // fractional dependents count moves it to any amount.
    const struct {
        Extended dependents;
        const char* shown;
    } cases[] = {
        {0, "3,100"},            // 3,060
        {10.0L / 1580, "3,100"}, // 3,050
        {20.0L / 1580, "3,000"}, // 3,040
        {2, "0"},                // -100
        {-1, "4,600"},           // 4,640
    };
    for (const auto& c : cases) {
        EXPECT_EQ(textOf(computeOtsu(88001, c.dependents), "alldata"), c.shown) << c.dependents;
    }
}

// Properties of every accepted whole-yen salary: the base amount is the lowest salary of its
// step, both taxable amounts are positive, and the tax is whole hundreds and never negative.
TEST(OtsuSweep, EveryWholeYenSalaryKeepsTheInvariants) {
    for (std::int64_t s = 88001; s <= 1010000; ++s) {
        const OtsuResult r = computeOtsu(static_cast<Extended>(s), 0);
        ASSERT_FALSE(r.refusal.has_value()) << s;
        const auto& a = r.amounts;
        const std::int64_t base = a.base.raw() / 10000;
        ASSERT_EQ(base + a.remainder, s);
        ASSERT_GT(a.combinedTaxable, 0) << s;
        ASSERT_GT(a.mainTaxable, 0) << s;
        ASSERT_GE(a.combinedTax, a.mainTax) << s;
        ASSERT_EQ(a.tax.raw() % (100 * 10000), 0) << s;
        ASSERT_GE(a.tax.raw(), 0) << s;
    }
}

TEST(OtsuRobustness, HugeDependentsCountsNeitherOverflowNorGoNegative) {
    const Extended counts[] = {999999999999999.0L, -999999999999999.0L, 1e30L, -1e30L};
    for (Extended d : counts) {
        const OtsuResult r = computeOtsu(300000, d);
        ASSERT_EQ(r.fields.size(), 19u);
        EXPECT_GE(r.amounts.tax.raw(), 0);
    }
}

} // namespace
} // namespace norvik
