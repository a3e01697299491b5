#pragma once

#include "calc_reiwa/RuleSet.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace norvik {

// The tables of the computer-calculation provision in force since 2020. All amounts are whole
// yen; the rates of the tax table are counted in hundred-thousandths, so every product of a
// whole-yen amount and a rate is an exact integer.

// Table 1, employment-income deduction: ⌈salary × percent / 100⌉ + amount, or the fixed amount
// itself when percent is 0.
struct EmploymentBand {
    std::int64_t from; // first whole-yen salary of the band
    std::int64_t percent;
    std::int64_t amount;          // the addend (negative for a subtraction), or the fixed amount
    std::string_view formulaText; // "×30%+6,667円"; empty for a fixed amount
};

// Basic deduction: the amount for salaries up to and including `upTo`.
struct BasicDeductionStep {
    std::int64_t upTo;
    std::int64_t amount;
};

// Tax table: taxable × rate / 100,000 − subtraction, rounded later.
struct TaxBand {
    std::int64_t from; // first whole-yen taxable amount of the band
    std::int64_t rate; // hundred-thousandths: 5.105% is 5,105
    std::int64_t subtraction;
    std::string_view formulaText; // "×10.21%-8,296円"
};

inline constexpr std::int64_t kRateScale = 100000;
inline constexpr std::int64_t kPersonDeduction = 31667; // the spouse and each dependent

struct ReiwaTables {
    std::span<const EmploymentBand> employment; // ascending by `from`, the first from 0
    std::span<const BasicDeductionStep> basic;  // ascending; above the last the deduction is 0
    std::span<const TaxBand> tax;               // ascending by `from`, the first from 0
};

// The tables of a rule set since 2020; the 2007 rules have none here (they are the windows'
// computation), and asking for them throws std::invalid_argument.
const ReiwaTables& reiwaTablesFor(RuleSet rules);

} // namespace norvik
