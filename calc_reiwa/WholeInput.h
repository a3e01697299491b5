#pragma once

#include "calc_reiwa/RuleSet.h"
#include "money/Extended.h"
#include "result/TaxResult.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace norvik {

// What a refusal calls an input, and how it asks for a whole number instead of a fraction.
struct InputName {
    std::string_view name;
    std::string_view fractionAdvice;
};

inline constexpr InputName kSalaryInput{
    "社会保険料控除後の給与等の金額",
    "1円未満の端数は使えません。円単位の整数で指定してください。"};
inline constexpr InputName kDependentsInput{"扶養家族数",
                                            "端数は使えません。人数を整数で指定してください。"};

// The largest salary or count the rules since 2020 take: far beyond any payroll, and small
// enough that every product of their working stays exact in 64 bits.
inline constexpr std::int64_t kLargestWholeInput = 999'999'999'999;

// A value as the edits read it, made a whole number for the rules since 2020, or refused as bad
// input (RefusalReason::BadInput) when it is not a number, negative, has a fraction or exceeds
// kLargestWholeInput.
struct WholeInput {
    std::int64_t value = 0;
    std::optional<Refusal> refusal;
};

WholeInput wholeInput(Extended value, const InputName& input, RuleSet rules);

} // namespace norvik
