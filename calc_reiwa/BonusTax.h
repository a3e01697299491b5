#pragma once

#include "calc_reiwa/RuleSet.h"
#include "result/TaxColumn.h"
#include "result/TaxResult.h"
#include "tables/PrintedTables.h"

#include <cstdint>
#include <optional>
#include <span>

namespace norvik {

// The tax on a bonus (賞与) under the rules since 2020.
//
// B is the bonus less its own social insurance, P last month's salary (bonuses excluded) less its
// social insurance. Normally the bonus table (賞与に対する源泉徴収税額の算出率の表) gives a rate
// by the band that holds P in the column of the count, and the tax is B × rate, a fraction of a
// yen dropped. When there was no salary last month, or P ≤ 0, or B > 10 × P, the monthly table
// (月額表) of the same rules, column and count is used instead, with d = 6, or 12 when the
// bonus's computation period is longer than six months:
// - no salary last month (P ≤ 0): monthly tax on B ÷ d, times d;
// - B > 10 × P: (monthly tax on B ÷ d + P − monthly tax on P) × d.
// B ÷ d drops its fraction of a yen. B = 10 × P exactly stays on the bonus table.
//
// The bonus table exists for 令和2年分～令和7年分 and 令和8年分; no 令和9年分 table is known, so
// a 2027 bonus is computed only where the monthly table is used and refused otherwise. The 2007
// rules are refused: their tables are not part of this program.

// What a clerk reads off the pay slips, whole yen.
struct BonusRequest {
    TaxColumn column = TaxColumn::Kou;
    std::int64_t bonus = 0;          // 賞与の金額
    std::int64_t bonusInsurance = 0; // その賞与から控除される社会保険料等の金額
    std::int64_t previousSalary = 0; // 前月中の給与等の金額, bonuses excluded; 0 when none
    std::int64_t previousInsurance = 0; // 前月中の社会保険料等の金額
    // 扶養親族等の数. Column 甲: the count the declaration gives with the 源泉控除対象配偶者
    // already included, as for the monthly table (a spouse flag is the caller's to add). Column
    // 乙: the persons declared on a 従たる給与についての扶養控除等申告書, 0 when none; the bonus
    // table's column 乙 has one band per rate whatever the count, the monthly table takes 1,610
    // yen off for each.
    std::int64_t count = 0;
    bool longPeriod = false; // the bonus's computation period is longer than six months
};

// The largest amount or count a request may name: far beyond any payroll, and small enough that
// every product of the working stays exact in 64 bits.
inline constexpr std::int64_t kLargestBonusInput = 999'999'999'999;

enum class BonusMethod {
    RateTable,        // the bonus table's rate
    NoPreviousSalary, // the monthly table on B ÷ d: no salary last month, or P ≤ 0
    OverTenTimes,     // the monthly table on B ÷ d + P: B > 10 × P
};

// The amounts behind the working, whole yen; those of the other method stay 0.
struct BonusTaxAmounts {
    BonusMethod method = BonusMethod::RateTable;
    std::int64_t bonus = 0;          // B
    std::int64_t previousSalary = 0; // P, which may be negative
    // The bonus table: the band of P in the column that chose the rate (lower 以上, upper 未満,
    // none past the last band) and the rate in hundred-thousandths (2.042 % is 2,042).
    std::int64_t bandLower = 0;
    std::optional<std::int64_t> bandUpper;
    std::int64_t rate = 0;
    // The monthly table: d, the monthly salary looked up (B ÷ d, plus P when B > 10 × P), its tax,
    // and the tax on P when B > 10 × P.
    std::int64_t months = 0;
    std::int64_t monthlySalary = 0;
    std::int64_t monthlyTax = 0;
    std::int64_t previousTax = 0;
    std::int64_t tax = 0;
};

// The tax with its working. Refused (no fields, no tax, no amounts) under the 2007 rules, under
// the 2027 rules where the bonus table would be needed, for an amount or count that is negative
// or above kLargestBonusInput, and for a bonus's insurance larger than the bonus. The missing
// tables are RefusalReason::NotCovered (the clerk looks the tax up elsewhere), the values out of
// range RefusalReason::BadInput (the clerk corrects them).
struct BonusTaxResult : TaxResult {
    BonusTaxAmounts amounts;
};

// The bonus table of the rules, or nullptr where this program has none (2007 and 2027).
const BonusTable* bonusTableFor(RuleSet rules);

// The fields of the working in the order they are written; a method leaves the other's empty.
std::span<const FieldSpec> bonusTaxFields();

BonusTaxResult computeBonusTax(RuleSet rules, const BonusRequest& request);

} // namespace norvik
