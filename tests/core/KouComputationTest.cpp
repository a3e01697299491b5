#include "calc_kou/computation/KouComputation.h"

#include "TextOf.h"

#include "money/AmountText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace norvik {
namespace {

constexpr int kWithSpouse = 0;
constexpr int kWithoutSpouse = 1;
constexpr int kNoChoice = -1;

KouResult compute(Extended salary, Extended dependents = 0, int spouse = kWithoutSpouse) {
    return computeKou(KouInput{salary, norvik::amountText(salary), dependents, "0", spouse});
}

std::int64_t deductionYen(Extended salary) {
    return compute(salary).amounts.employmentDeduction.raw() / 10000;
}

struct DeductionCase {
    const char* name;
    Extended salary;
    std::int64_t deduction;
    const char* formula1;
};

TEST(KouTable1, RowsAndSeams) {
    const DeductionCase cases[] = {
        {"135,416 is the last fixed amount", 135416, 54167, "定額"},
        {"135,417 starts the 40% row", 135417, 54167, "135,417×40%"},
        {"149,999 ends the 40% row", 149999, 60000, "149,999×40%"},
        {"150,000 starts the 30% row", 150000, 60000, "150,000×30%+15,000円"},
        {"150,007 × 0.3 + 0.9 reaches 45,003 exactly", 150007, 60003, "150,007×30%+15,000円"},
        {"833,333 ends the 10% row", 833333, 183334, "833,333×10%+100,000円"},
        {"833,334 starts the 5% row", 833334, 183334, "833,334×5%+141,667円"},
        {"833,341: a 0.05 fraction is dropped", 833341, 183334, "833,341×5%+141,667円"},
        {"a negative salary takes the 5% row", -100, 141663, "-100×5%+141,667円"},
        {"zero is fixed", 0, 54167, "定額"},
    };
    for (const auto& c : cases) {
        const KouResult r = compute(c.salary);
        EXPECT_EQ(r.amounts.employmentDeduction.raw(), c.deduction * 10000) << c.name;
        EXPECT_EQ(textOf(r, "formula1"), c.formula1) << c.name;
    }
}

// For whole-yen salaries the extended arithmetic must agree with exact decimal arithmetic:
// dropFraction(S × p% + 0.9) is floor((S × p + 90) / 100).
TEST(KouTable1, EveryWholeYenSalaryAgreesWithExactDecimalArithmetic) {
    struct Row {
        std::int64_t from, percent, addend;
    };
    const Row rows[] = {{135417, 40, 0},
                        {150000, 30, 15000},
                        {300000, 20, 45000},
                        {550000, 10, 100000},
                        {833334, 5, 141667}};
    for (std::int64_t s = 0; s <= 2000000; ++s) {
        std::int64_t expected = 54167;
        for (const Row& row : rows) {
            if (s >= row.from) {
                expected = (s * row.percent + 90) / 100 + row.addend;
            }
        }
        const Extended salary = static_cast<Extended>(s);
        ASSERT_EQ(deductionYen(salary), expected) << "salary " << s;
    }
}

// Finds the whole-yen salary (no spouse, no dependents) whose taxable amount is `taxable`.
// S − E(S) never decreases and grows by at most one yen per yen of salary, so it reaches
// every whole taxable amount.
Extended salaryForTaxable(std::int64_t taxable) {
    std::int64_t low = 0;
    std::int64_t high = 4000000;
    while (low < high) {
        const std::int64_t mid = (low + high) / 2;
        if (compute(static_cast<Extended>(mid)).amounts.taxable.raw() < taxable * 10000) {
            low = mid + 1;
        } else {
            high = mid;
        }
    }
    return static_cast<Extended>(low);
}

struct TaxCase {
    const char* name;
    std::int64_t taxable;
    std::int64_t tableTax;
    const char* shown;
    const char* row; // the end of the working's tax formula: the row taken
};

TEST(KouTable3, RowsSeamsAndTensOfYen) {
    const TaxCase cases[] = {
        {"0 is taxed nothing", 0, 0, "0", ")×5%"},
        {"1 yen: dropFraction(0.05 + 0.9) is 0", 1, 0, "0", ")×5%"},
        {"99 yen: 4.95 + 0.9 gives 5, shown as 10", 99, 5, "10", ")×5%"},
        {"100 yen gives 5, shown as 10", 100, 5, "10", ")×5%"},
        {"162,500 ends the 5% row", 162500, 8125, "8,130", ")×5%"},
        {"162,501 starts the 10% row", 162501, 8126, "8,130", ")×10%-8,125円"},
        {"275,000 ends the 10% row", 275000, 19375, "19,380", ")×10%-8,125円"},
        {"275,001 starts the 20% row", 275001, 19376, "19,380", ")×20%-35,625円"},
        {"579,166 ends the 20% row", 579166, 80209, "80,210", ")×20%-35,625円"},
        {"579,167 starts the 23% row with the same tax", 579167, 80209, "80,210", ")×23%-53,000円"},
        {"600,000 is in the 23% row", 600000, 85000, "85,000", ")×23%-53,000円"},
        {"750,000 ends the 23% row", 750000, 119500, "119,500", ")×23%-53,000円"},
        {"750,001 starts the 33% row", 750001, 119501, "119,500", ")×33%-128,000円"},
        {"1,500,000 ends the 33% row", 1500000, 367000, "367,000", ")×33%-128,000円"},
        {"1,500,001 starts the 40% row", 1500001, 367001, "367,000", ")×40%-233,000円"},
    };
    for (const auto& c : cases) {
        const KouResult r = compute(salaryForTaxable(c.taxable));
        ASSERT_EQ(r.amounts.taxable.raw(), c.taxable * 10000) << c.name;
        EXPECT_EQ(r.amounts.tableTax.raw(), c.tableTax * 10000) << c.name;
        EXPECT_EQ(textOf(r, "alldata"), c.shown) << c.name;
        EXPECT_TRUE(textOf(r, "formula3").ends_with(c.row)) << c.name;
    }
}

// The 0.9 is added to the taxable amount in ten-thousandths of a yen before the yen are
// dropped, so a salary with a third decimal can land exactly on the next yen.
TEST(KouTable3, NineTenthsOfAYenAreAddedToTheUnroundedAmount) {
    EXPECT_EQ(textOf(compute(125915.998L), "alldata"), "2,000");
}

TEST(KouTable3, FiveYenGoesUpToTheNextTen) {
    // Taxable amounts whose 5% tax is 3,414, 3,415 and 3,417.
    const struct {
        std::int64_t taxable;
        std::int64_t tableTax;
        const char* shown;
    } cases[] = {{68262, 3414, "3,410"}, {68282, 3415, "3,420"}, {68322, 3417, "3,420"}};
    for (const auto& c : cases) {
        const KouResult r = compute(salaryForTaxable(c.taxable));
        EXPECT_EQ(r.amounts.tableTax.raw(), c.tableTax * 10000) << c.taxable;
        EXPECT_EQ(textOf(r, "alldata"), c.shown) << c.taxable;
    }
}

TEST(KouTable3, ANegativeTaxableAmountTakesTheLastRowAndShowsZero) {
    // T = -1: X = dropFraction(-0.4 + 0.9) - 233,000.
    const KouResult r = compute(salaryForTaxable(-1));
    ASSERT_EQ(r.amounts.taxable.raw(), -10000);
    EXPECT_EQ(r.amounts.tableTax.raw(), -233000LL * 10000);
    EXPECT_EQ(textOf(r, "alldata"), "0");
    EXPECT_TRUE(textOf(r, "formula3").ends_with(")×40%-233,000円"));
}

TEST(KouSpouse, OnlyTheFirstChoiceDeducts) {
    for (int spouse : {kWithoutSpouse, kNoChoice, 2}) {
        const KouResult r = compute(300000, 0, spouse);
        EXPECT_EQ(textOf(r, "data2"), "0") << spouse;
        EXPECT_EQ(textOf(r, "formula4"), "300,000-105000-31667-0-0") << spouse;
    }
    EXPECT_EQ(textOf(compute(300000, 0, kWithSpouse), "data2"), "31,667");
}

TEST(KouDependents, TheEditsTextsAreCopiedVerbatim) {
    const KouInput input{1234567, "1,234,567", 2, "2.", kWithSpouse};
    const KouResult r = computeKou(input);
    EXPECT_EQ(textOf(r, "formula2"), "31,667円×2.人");
    EXPECT_TRUE(textOf(r, "formula1").starts_with("1,234,567×"));
    EXPECT_TRUE(textOf(r, "formula3").starts_with("(1,234,567-"));
}

TEST(KouResultSet, FieldsComeInTheOrderTheyAreWritten) {
    const KouResult r = compute(300000);
    std::vector<std::string> names;
    for (const Field& field : r.fields) {
        names.emplace_back(field.id);
    }
    const std::vector<std::string> expected{"formula5", "formula1", "data1", "data2",
                                            "data3",    "formula2", "data5", "formula3",
                                            "formula4", "alldata"};
    EXPECT_EQ(names, expected);
}

// Whatever the numeric edit can hold, up to fifteen digits with or without decimals and of
// either sign, gives a complete result set.
TEST(KouRobustness, AnyValueTheEditCanHoldGivesACompleteResultSet) {
    std::mt19937_64 random(20261207);
    std::uniform_int_distribution<int> digits(1, 15);
    std::uniform_int_distribution<int> decimals(0, 4);
    std::uniform_int_distribution<int> sign(0, 1);
    auto anyValue = [&] {
        const int whole = digits(random);
        const Extended magnitude =
            std::floor(std::uniform_real_distribution<Extended>(0, std::pow(10.0L, whole))(random));
        const Extended value = magnitude / std::pow(10.0L, decimals(random));
        return sign(random) ? -value : value;
    };
    for (int i = 0; i < 20000; ++i) {
        const Extended salary = anyValue();
        const Extended dependents = anyValue();
        const KouResult r = computeKou(KouInput{salary, "s", dependents, "d", i % 3 - 1});
        ASSERT_EQ(r.fields.size(), 10u);
        for (const Field& field : r.fields) {
            ASSERT_FALSE(field.text.empty()) << field.id << " for salary " << salary;
        }
    }
    const Extended extremes[] = {999999999999999.0L, -999999999999999.0L,
                                 std::numeric_limits<Extended>::max()};
    for (Extended v : extremes) {
        EXPECT_EQ(computeKou(KouInput{v, "s", v, "d", 0}).fields.size(), 10u);
    }
}

} // namespace
} // namespace norvik
