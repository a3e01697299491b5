#pragma once

#include "calc_reiwa/RuleSet.h"
#include "calc_reiwa/WholeInput.h"
#include "money/Extended.h"
#include "result/TaxResult.h"

#include <cstdint>
#include <span>

namespace norvik {

// A column-甲 request under the rules since 2020. The values arrive as the edits and the
// command line read them; these rules take only whole, non-negative numbers.
struct ReiwaKouInput {
    Extended salary = 0;     // after social insurance, yen
    Extended dependents = 0; // not counting the spouse
    bool withSpouse = false;
};

// The exact tax is counted in hundred-thousandths of a yen, where every rate of the tax table
// gives a whole number.
inline constexpr std::int64_t kExactTaxScale = 100000;

// The amounts behind the texts, all whole yen except the exact tax.
struct ReiwaKouAmounts {
    std::int64_t salary = 0;              // A
    std::int64_t employmentDeduction = 0; // E, rounded up to the yen
    std::int64_t spouseDeduction = 0;     // 31,667 or 0
    std::int64_t dependentsDeduction = 0; // 31,667 × dependents
    std::int64_t basicDeduction = 0;      // K
    std::int64_t taxable = 0;             // B = A − E − spouse − dependents − K
    std::int64_t exactTax = 0; // B × rate − subtraction in kExactTaxScale units; 0 when B ≤ 0
    std::int64_t tax = 0;      // the exact tax rounded half up to tens of yen
};

// Refused as bad input (RefusalReason::BadInput) for a fraction, a negative or an oversized
// value.
struct ReiwaKouResult : TaxResult {
    ReiwaKouAmounts amounts; // meaningful only without a refusal
};

// The fields of column 甲 under these rules in the order the computation writes them. Where a
// field means what the column-甲 window shows, it has that window's caption; the basic deduction
// depends on the salary and has a table of its own (table 3), so the tax table becomes table 4.
std::span<const FieldSpec> reiwaKouFields();

// The largest salary or dependents count these rules take.
inline constexpr std::int64_t kLargestReiwaInput = kLargestWholeInput;

// Column 甲 by the computer-calculation provision under the 2020–2025, 2026 or 2027 rules,
// worked in exact integers. The 2007 rules are the windows' computation (computeKou); asking
// for them here throws std::invalid_argument.
ReiwaKouResult computeReiwaKou(RuleSet rules, const ReiwaKouInput& input);

// Column 乙 has no computer provision since 2020: a 乙 request under these rules is refused and
// sent to the monthly table. The 2007 rules compute it (computeOtsu); asking for them here throws
// std::invalid_argument.
TaxResult refuseOtsuUnder(RuleSet rules);

} // namespace norvik
