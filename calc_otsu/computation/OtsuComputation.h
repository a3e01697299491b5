#pragma once

#include "money/Currency.h"
#include "money/Extended.h"
#include "result/TaxResult.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace norvik {

// Salaries above the lowest refused one up to the highest accepted one are computed.
inline constexpr std::int64_t kOtsuLowestRefused = 88000;
inline constexpr std::int64_t kOtsuHighestAccepted = 1010000;
inline constexpr std::int64_t kOtsuPerDependent = 1580;

// A step band: the salaries from `lowest` on are divided into steps of `width` yen.
struct OtsuStepBand {
    std::int64_t lowest; // 同一階差の最小値
    std::int64_t width;  // 階差
    std::string_view text;
};

// Every band in order, for what prints them (the help); a band ends where the next begins and
// the last at the highest accepted salary.
std::span<const OtsuStepBand> otsuStepBands();

// The amounts behind the texts of an accepted request.
struct OtsuAmounts {
    std::int64_t quotient = 0;        // Q, whole steps above the band's lowest value
    std::int64_t remainder = 0;       // R
    Currency base;                    // B, the calculation base amount
    Currency combinedDeduction;       // E25, table 1 on 2.5 × B
    std::int64_t combinedTaxable = 0; // T25
    std::int64_t combinedTax = 0;     // X25
    Currency mainDeduction;           // E15, table 1 on 1.5 × B
    std::int64_t mainTaxable = 0;     // T15
    std::int64_t mainTax = 0;         // X15
    Currency dependentsDeduction;     // P
    Currency tax;                     // G, brought to hundreds of yen, never below 0
};

struct OtsuResult : TaxResult {
    OtsuAmounts amounts; // meaningful only without a refusal
};

// The fields of the column-乙 window in the order the computation writes them, with the captions
// the window shows beside them.
std::span<const FieldSpec> otsuFields();

// Column 乙 of the monthly table by the computer-calculation special provision. A salary up to
// 88,000 yen or above 1,010,000 yen is refused, as the window shows it in an information box;
// the dependents count is taken as it is.
OtsuResult computeOtsu(Extended salary, Extended dependents);

} // namespace norvik
