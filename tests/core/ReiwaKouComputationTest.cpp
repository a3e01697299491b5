#include "calc_reiwa/ReiwaKouComputation.h"

#include "TextOf.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace norvik {
namespace {

constexpr RuleSet k2020 = RuleSet::Paid2020to2025;
constexpr RuleSet k2026 = RuleSet::Paid2026;
constexpr RuleSet k2027 = RuleSet::Paid2027;

ReiwaKouResult compute(RuleSet rules, std::int64_t salary, std::int64_t dependents = 0,
                       bool withSpouse = false) {
    return computeReiwaKou(
        rules, {static_cast<Extended>(salary), static_cast<Extended>(dependents), withSpouse});
}

// The examples published with each period's rules. n counts the spouse, so each is worked
// both as n − 1 dependents with the spouse and as n dependents without.
TEST(ReiwaKou, PublishedExamples) {
    const struct {
        RuleSet rules;
        std::int64_t salary, n;
        const char* tax;
    } cases[] = {
        {k2026, 175000, 2, "210"}, {k2026, 446000, 8, "940"},   {k2026, 775200, 3, "59,470"},
        {k2020, 175000, 2, "640"}, {k2020, 446000, 8, "1,370"}, {k2020, 775200, 3, "61,170"},
        {k2027, 177000, 2, "110"},
    };
    for (const auto& c : cases) {
        const std::string name = std::to_string(c.salary) + ", n=" + std::to_string(c.n);
        const ReiwaKouResult withSpouse = compute(c.rules, c.salary, c.n - 1, true);
        ASSERT_FALSE(withSpouse.refusal) << name;
        EXPECT_EQ(textOf(withSpouse, "alldata"), c.tax) << name;
        EXPECT_EQ(textOf(compute(c.rules, c.salary, c.n, false), "alldata"), c.tax) << name;
    }
}

TEST(ReiwaKou, EveryFieldOfAWorkedExampleInTheWindowsOrder) {
    const ReiwaKouResult r = compute(k2026, 175000, 1, true);
    EXPECT_EQ(r.rules.name, "令和8年分");
    EXPECT_EQ(r.rules.period, "2026-01-01～2026-12-31");
    const std::vector<std::pair<std::string, std::string>> expected{
        {"formula5",
         "社会保険料控除後の給与等の金額-給与所得控除額-基礎控除-配偶者控除-扶養家族の控除額"},
        {"formula1", "175,000×30%+6,667円"},
        {"data1", "59,167"},
        {"data2", "31,667"},
        {"data3", "31,667"},
        {"formula2", "31,667円×1人"},
        {"data4", "48,334"},
        {"data5", "4,165"},
        {"formula3", "(175,000-59167-48334-31667-31667)×5.105%"},
        {"formula4", "175,000-59167-48334-31667-31667"},
        {"alldata", "210"},
    };
    std::vector<std::pair<std::string, std::string>> actual;
    for (const Field& field : r.fields) {
        actual.emplace_back(field.id, field.text);
    }
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(r.amounts.exactTax, 21262325); // 212.62325 yen
}

TEST(ReiwaKou, TheTaxFormulaWritesTheDeductionsPlainAndTheRateAsPublished) {
    const ReiwaKouResult r = compute(k2026, 300000, 2, true);
    EXPECT_EQ(textOf(r, "formula3"), "(300,000-96667-48334-31667-63334)×5.105%");
    EXPECT_EQ(textOf(r, "formula1"), "300,000×20%+36,667円");
    EXPECT_EQ(textOf(r, "formula2"), "31,667円×2人");
    EXPECT_EQ(textOf(r, "alldata"), "3,060");
}

struct DeductionCase {
    const char* name;
    RuleSet rules;
    std::int64_t salary, deduction;
    const char* formula1;
};

TEST(ReiwaKou, EmploymentDeductionBandSeams) {
    const DeductionCase cases[] = {
        {"2020: 135,416 is the last fixed amount", k2020, 135416, 45834, "定額"},
        {"2020: 135,417 starts the 40% band", k2020, 135417, 45834, "135,417×40%-8,333円"},
        {"2020: 149,999 ends the 40% band, raised", k2020, 149999, 51667, "149,999×40%-8,333円"},
        {"2020: 150,000 starts the 30% band", k2020, 150000, 51667, "150,000×30%+6,667円"},
        {"2020: 299,999 ends the 30% band", k2020, 299999, 96667, "299,999×30%+6,667円"},
        {"2020: 300,000 starts the 20% band", k2020, 300000, 96667, "300,000×20%+36,667円"},
        {"2020: 549,999 ends the 20% band", k2020, 549999, 146667, "549,999×20%+36,667円"},
        {"2020: 550,000 starts the 10% band", k2020, 550000, 146667, "550,000×10%+91,667円"},
        {"2020: 708,330 ends the 10% band", k2020, 708330, 162500, "708,330×10%+91,667円"},
        {"2020: 708,331 is the fixed top", k2020, 708331, 162500, "定額"},
        {"2026: 149,999 is still fixed", k2026, 149999, 54167, "定額"},
        {"2026: 158,333 is the last fixed amount", k2026, 158333, 54167, "定額"},
        {"2026: 158,334 starts the 30% band, raised", k2026, 158334, 54168, "158,334×30%+6,667円"},
        {"2026: 299,999 ends the 30% band", k2026, 299999, 96667, "299,999×30%+6,667円"},
        {"2026: 708,330 ends the 10% band", k2026, 708330, 162500, "708,330×10%+91,667円"},
        {"2026: 708,331 is the fixed top", k2026, 708331, 162500, "定額"},
        {"2027: 0 is the fixed amount", k2027, 0, 57500, "定額"},
        {"2027: 169,444 is the last fixed amount", k2027, 169444, 57500, "定額"},
        {"2027: 169,445 starts the 30% band, raised", k2027, 169445, 57501, "169,445×30%+6,667円"},
        {"2027: 300,000 starts the 20% band", k2027, 300000, 96667, "300,000×20%+36,667円"},
        {"2027: 550,000 starts the 10% band", k2027, 550000, 146667, "550,000×10%+91,667円"},
        {"2027: 708,331 is the fixed top", k2027, 708331, 162500, "定額"},
    };
    for (const auto& c : cases) {
        const ReiwaKouResult r = compute(c.rules, c.salary);
        EXPECT_EQ(r.amounts.employmentDeduction, c.deduction) << c.name;
        EXPECT_EQ(textOf(r, "formula1"), c.formula1) << c.name;
    }
}

TEST(ReiwaKou, BasicDeductionSteps) {
    const struct {
        RuleSet rules;
        std::int64_t salary;
        const char* data4;
    } cases[] = {
        {k2020, 2162499, "40,000"}, {k2020, 2162500, "26,667"}, {k2020, 2204166, "26,667"},
        {k2020, 2204167, "13,334"}, {k2020, 2245833, "13,334"}, {k2020, 2245834, "0"},
        {k2026, 0, "48,334"},       {k2026, 2120833, "48,334"}, {k2026, 2120834, "40,000"},
        {k2026, 2162499, "40,000"}, {k2026, 2162500, "26,667"}, {k2026, 2245834, "0"},
        {k2027, 2120833, "51,667"}, {k2027, 2120834, "40,000"}, {k2027, 2204167, "13,334"},
        {k2027, 2245833, "13,334"}, {k2027, 2245834, "0"},
    };
    for (const auto& c : cases) {
        const ReiwaKouResult r = compute(c.rules, c.salary);
        EXPECT_EQ(textOf(r, "data4"), c.data4) << c.salary;
        EXPECT_EQ(r.amounts.taxable,
                  c.salary - r.amounts.employmentDeduction - r.amounts.basicDeduction)
            << c.salary;
    }
}

struct TaxCase {
    RuleSet rules;
    std::int64_t salary, taxable;
    const char* tax;
    const char* band;
};

// Each band's last and first taxable amount, reached by salary alone. Neighbouring bands
// give the same tax at every seam.
TEST(ReiwaKou, TaxBandSeams) {
    const TaxCase cases[] = {
        {k2020, 298810, 162500, "8,300", ")×5.105%"},
        {k2020, 298812, 162501, "8,300", ")×10.21%-8,296円"},
        {k2020, 439584, 275000, "19,780", ")×10.21%-8,296円"},
        {k2020, 439585, 275001, "19,780", ")×20.42%-36,374円"},
        {k2020, 781666, 579166, "81,890", ")×20.42%-36,374円"},
        {k2020, 781667, 579167, "81,890", ")×23.483%-54,113円"},
        {k2020, 952500, 750000, "122,010", ")×23.483%-54,113円"},
        {k2020, 952501, 750001, "122,010", ")×33.693%-130,688円"},
        {k2020, 1702500, 1500000, "374,710", ")×33.693%-130,688円"},
        {k2020, 1702501, 1500001, "374,710", ")×40.84%-237,893円"},
        {k2020, 3495833, 3333333, "1,123,440", ")×40.84%-237,893円"},
        {k2020, 3495834, 3333334, "1,123,440", ")×45.945%-408,061円"},
        {k2026, 309377, 162500, "8,300", ")×5.105%"},
        {k2026, 309378, 162501, "8,300", ")×10.21%-8,296円"},
        {k2026, 450002, 275000, "19,780", ")×10.21%-8,296円"},
        {k2026, 450003, 275001, "19,780", ")×20.42%-36,374円"},
        {k2026, 790000, 579166, "81,890", ")×20.42%-36,374円"},
        {k2026, 790001, 579167, "81,890", ")×23.483%-54,113円"},
        {k2026, 960834, 750000, "122,010", ")×23.483%-54,113円"},
        {k2026, 960835, 750001, "122,010", ")×33.693%-130,688円"},
        {k2026, 1710834, 1500000, "374,710", ")×33.693%-130,688円"},
        {k2026, 1710835, 1500001, "374,710", ")×40.84%-237,893円"},
        {k2026, 3495833, 3333333, "1,123,440", ")×40.84%-237,893円"},
        {k2026, 3495834, 3333334, "1,123,440", ")×45.945%-408,061円"},
        {k2027, 313543, 162500, "8,300", ")×5.105%"},
        {k2027, 313544, 162501, "8,300", ")×10.21%-8,296円"},
        {k2027, 454168, 275000, "19,780", ")×10.21%-8,296円"},
        {k2027, 454169, 275001, "19,780", ")×20.42%-36,374円"},
        {k2027, 793333, 579166, "81,890", ")×20.42%-36,374円"},
        {k2027, 793334, 579167, "81,890", ")×23.483%-54,113円"},
        {k2027, 964167, 750000, "122,010", ")×23.483%-54,113円"},
        {k2027, 964168, 750001, "122,010", ")×33.693%-130,688円"},
        {k2027, 1714167, 1500000, "374,710", ")×33.693%-130,688円"},
        {k2027, 1714168, 1500001, "374,710", ")×40.84%-237,893円"},
        {k2027, 3495833, 3333333, "1,123,440", ")×40.84%-237,893円"},
        {k2027, 3495834, 3333334, "1,123,440", ")×45.945%-408,061円"},
    };
    for (const auto& c : cases) {
        const ReiwaKouResult r = compute(c.rules, c.salary);
        ASSERT_EQ(r.amounts.taxable, c.taxable) << c.salary;
        EXPECT_EQ(textOf(r, "alldata"), c.tax) << c.salary;
        EXPECT_TRUE(textOf(r, "formula3").ends_with(c.band)) << c.salary;
    }
}

// The exact tax is rounded once to tens of yen, five yen going up (2026, no spouse).
TEST(ReiwaKou, TensOfYenRoundHalfUp) {
    const struct {
        const char* name;
        std::int64_t salary, taxable, exactTax;
        const char* tax;
    } cases[] = {
        {"4.95185 yen goes down to 0", 102598, 97, 495185, "0"},
        {"5.0029 yen goes up to 10", 102599, 98, 500290, "10"},
        {"5,104.94895 yen goes down", 221429, 99999, 510494895, "5,100"},
        {"exactly 5,105 yen goes up", 221430, 100000, 510500000, "5,110"},
        {"exactly 23,865 yen goes up", 475002, 295000, 2386500000, "23,870"},
        {"374,707 yen goes up", 1710834, 1500000, 37470700000, "374,710"},
    };
    for (const auto& c : cases) {
        const ReiwaKouResult r = compute(k2026, c.salary);
        ASSERT_EQ(r.amounts.taxable, c.taxable) << c.name;
        EXPECT_EQ(r.amounts.exactTax, c.exactTax) << c.name;
        EXPECT_EQ(textOf(r, "alldata"), c.tax) << c.name;
    }
}

TEST(ReiwaKou, NoTaxOnATaxableAmountOfZeroOrLess) {
    const ReiwaKouResult zero = compute(k2026, 102501);
    EXPECT_EQ(zero.amounts.taxable, 0);
    EXPECT_EQ(textOf(zero, "alldata"), "0");

    const ReiwaKouResult negative = compute(k2026, 100000, 0, true);
    EXPECT_EQ(textOf(negative, "data5"), "-34,168");
    EXPECT_EQ(textOf(negative, "formula3"), "(100,000-54167-48334-31667-0)×5.105%");
    EXPECT_EQ(negative.amounts.exactTax, 0);
    EXPECT_EQ(negative.amounts.tax, 0);
    EXPECT_EQ(textOf(negative, "alldata"), "0");
}

// Far beyond any payroll, the working stays exact: no 64-bit product overflows.
TEST(ReiwaKou, TheLargestInputsAreWorkedExactly) {
    const ReiwaKouResult top = compute(k2026, 999'999'999'999);
    EXPECT_EQ(textOf(top, "data5"), "999,999,837,499");
    EXPECT_EQ(textOf(top, "alldata"), "459,449,517,280");

    const ReiwaKouResult manyDependents = compute(k2027, 999'999'999'999, 999'999'999'999, true);
    EXPECT_EQ(manyDependents.amounts.taxable, -31'666'000'000'162'501);
    EXPECT_EQ(textOf(manyDependents, "alldata"), "0");
}

struct RefusalCase {
    const char* name;
    Extended salary, dependents;
    const char* says;
};

TEST(ReiwaKou, OnlyWholeNonNegativeNumbersAreTaken) {
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    const RefusalCase cases[] = {
        {"a salary with a fraction", 175000.5L, 0, "給与等の金額に1円未満の端数は使えません"},
        {"a salary with a tiny fraction", 175000.01L, 0, "1円未満の端数"},
        {"a negative salary", -1, 0, "給与等の金額に負の数は使えません"},
        {"a negative fractional salary", -0.5L, 0, "負の数"},
        {"a salary that is not a number", nan, 0, "給与等の金額が数値ではありません"},
        {"a salary above the largest", 1e12L, 0, "給与等の金額は999,999,999,999までです"},
        {"a fractional dependents count", 175000, 1.5L, "扶養家族数に端数は使えません"},
        {"a negative dependents count", 175000, -1, "扶養家族数に負の数は使えません"},
    };
    for (const auto& c : cases) {
        const ReiwaKouResult r = computeReiwaKou(k2026, {c.salary, c.dependents, false});
        ASSERT_TRUE(r.refusal) << c.name;
        EXPECT_EQ(r.refusal->reason, RefusalReason::BadInput) << c.name;
        EXPECT_FALSE(r.tax) << c.name;
        EXPECT_NE(r.refusal->message.find(c.says), std::string::npos) << r.refusal->message;
        EXPECT_TRUE(r.refusal->message.starts_with("令和8年分の規定では")) << c.name;
        EXPECT_EQ(r.fields.size(), 0u) << c.name;
    }
    EXPECT_FALSE(computeReiwaKou(k2026, {175000.0L, 2.0L, true}).refusal);
    EXPECT_FALSE(computeReiwaKou(k2026, {-0.0L, 0, false}).refusal);
}

TEST(ReiwaKou, OtsuIsRefusedAndSentToTheMonthlyTable) {
    for (RuleSet rules : {k2020, k2026, k2027}) {
        const TaxResult result = norvik::refuseOtsuUnder(rules);
        EXPECT_FALSE(result.tax);
        EXPECT_TRUE(result.fields.empty());
        EXPECT_EQ(result.rules.name, norvik::ruleSetName(rules));
        const auto& refusal = result.refusal;
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->reason, RefusalReason::NotCovered);
        EXPECT_TRUE(refusal->message.starts_with(std::string(norvik::ruleSetName(rules))));
        EXPECT_NE(refusal->message.find("乙欄の電算機計算の特例はありません"), std::string::npos);
        EXPECT_NE(refusal->message.find("月額表）の乙欄"), std::string::npos);
    }
    EXPECT_THROW(norvik::refuseOtsuUnder(RuleSet::Paid2007to2012), std::invalid_argument);
}

TEST(ReiwaKou, TheWindowsRulesAreNotWorkedHere) {
    EXPECT_THROW(compute(RuleSet::Paid2007to2012, 300000), std::invalid_argument);
}

} // namespace
} // namespace norvik
