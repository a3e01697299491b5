#pragma once

#include "calc_reiwa/RuleSet.h"
#include "calc_reiwa/RulesRefusal.h"
#include "money/Extended.h"
#include "money/ResultTexts.h"

#include <cstdint>
#include <optional>
#include <string_view>

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

struct ReiwaKouResult {
    std::optional<RulesRefusal> refusal; // a fraction, a negative or an oversized value
    std::string_view rulesName;          // "令和8年分"
    ReiwaKouAmounts amounts;             // meaningful only without a refusal
    ResultTexts texts; // formula5, formula1, data1, data2, data3, formula2, data4, data5,
                       // formula3, formula4, alldata; empty with a refusal
};

// The largest salary or dependents count these rules take: far beyond any payroll, and small
// enough that every product of the working stays exact in 64 bits.
inline constexpr std::int64_t kLargestReiwaInput = 999'999'999'999;

// Column 甲 by the computer-calculation provision under the 2020–2025, 2026 or 2027 rules,
// worked in exact integers. The 2007 rules are the windows' computation (computeKou); asking
// for them here throws std::invalid_argument.
ReiwaKouResult computeReiwaKou(RuleSet rules, const ReiwaKouInput& input);

// Column 乙 has no computer provision since 2020: the refusal to show for a 乙 request under
// these rules, or nothing under the 2007 rules, which compute it.
std::optional<RulesRefusal> otsuRefusalUnder(RuleSet rules);

} // namespace norvik
