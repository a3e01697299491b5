#pragma once

#include "calc_reiwa/RuleSet.h"
#include "result/TaxColumn.h"
#include "result/TaxResult.h"
#include "tables/PrintedTables.h"

#include <cstdint>
#include <optional>
#include <span>

namespace norvik {

// The monthly table (給与所得の源泉徴収税額表・月額表) of the rules since 2020, columns 甲 and 乙,
// with the rules of its notes: 甲 over 7 扶養親族等 takes the 7-person amount less 1,610 yen for
// each person over 7; 乙 takes 1,610 yen off for each 扶養親族等 declared on a 従たる給与について
// の扶養控除等申告書; no tax goes below 0; a fraction of a yen is dropped wherever a rate applies.
//
// `salary` is the month's salary after social insurance (社会保険料等控除後の給与等の金額) in whole
// yen. `count` is the number of 扶養親族等: for 甲 the one the declaration gives, the
// 源泉控除対象配偶者 included; for 乙 the number declared on a
// 従たる給与についての扶養控除等申告書, 0 when none was filed.

// The yen taken off for each person over 7 (甲) or each person declared (乙).
inline constexpr std::int64_t kTablePersonDeduction = 1610;

// The largest salary or count the table takes: far beyond any payroll, and small enough that
// every product of the working stays exact in 64 bits.
inline constexpr std::int64_t kLargestTableInput = 999'999'999'999;

// The table of the rules; the 2007 rules have none in this program and throw
// std::invalid_argument.
const MonthlyTable& monthlyTableFor(RuleSet rules);

// The tax alone, for computations that look the table up many times (the bonus table's
// monthly-table path). Throws std::invalid_argument under the 2007 rules and for a negative
// salary or count or one above kLargestTableInput: those are the caller's mistakes, since a
// request is checked before it gets here.
std::int64_t monthlyTableTax(RuleSet rules, TaxColumn column, std::int64_t salary,
                             std::int64_t count);

// The amounts behind the working, whole yen.
struct MonthlyTableAmounts {
    std::int64_t salary = 0;
    std::int64_t count = 0;
    MonthlyLineKind kind = MonthlyLineKind::Row; // the line the salary falls on
    std::int64_t bandLower = 0;                  // 以上
    std::optional<std::int64_t> bandUpper;       // 未満; none on a column's last band
    std::int64_t tableAmount = 0;   // the printed amount, or a rate line's base amount (甲: for
                                    // min(count, 7) persons)
    std::int64_t rate = 0;          // hundred-thousandths; 0 where the table prints the amount
    std::int64_t formulaAmount = 0; // tableAmount + rate × (salary − bandLower), fraction dropped
    std::int64_t personsDeducted = 0; // 甲: persons over 7; 乙: the persons declared
    std::int64_t deduction = 0;       // 1,610 yen × personsDeducted
    std::int64_t tax = 0;             // formulaAmount − deduction, never below 0
};

// The table's tax with its working. Refused (no fields, no tax, no amounts) under the 2007
// rules and for a negative salary or count or one above kLargestTableInput.
struct MonthlyTableResult : TaxResult {
    MonthlyTableAmounts amounts;
};

// The fields of the working, in this order: the band, the column, the table's formula, the
// table's tax, the deduction's formula, the deduction and the tax.
std::span<const FieldSpec> monthlyTableFields();

MonthlyTableResult computeMonthlyTable(RuleSet rules, TaxColumn column, std::int64_t salary,
                                       std::int64_t count);

} // namespace norvik
