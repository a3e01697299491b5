#pragma once

#include "money/Currency.h"
#include "money/Extended.h"
#include "result/TaxResult.h"

#include <cstdint>
#include <span>
#include <string>

namespace norvik {

// What the column-甲 window hands over: both edits' values and shown texts, and the selected
// spouse choice (0 = 配偶者あり, 1 = 配偶者なし, -1 = nothing selected).
struct KouInput {
    Extended salary = 0;
    std::string salaryText;
    Extended dependents = 0;
    std::string dependentsText;
    int spouseIndex = -1;
};

// The amounts behind the texts, for callers that check the working rather than its display.
struct KouAmounts {
    Currency employmentDeduction; // E, table 1
    Currency spouseDeduction;     // Ps
    Currency dependentsDeduction; // Pd
    Currency taxable;             // T
    Currency tableTax;            // X, table 3 before tens of yen
    std::int64_t shownTax = 0;    // F, X brought to tens of yen
};

struct KouResult : TaxResult {
    KouAmounts amounts;
};

// The fields of the column-甲 window in the order the computation writes them, with the captions
// the window shows beside them.
std::span<const FieldSpec> kouFields();

// Column 甲 of the monthly table by the computer-calculation special provision. Refuses
// nothing: every salary and dependents value, negative and fractional ones included, yields
// a complete set of texts. A table tax below zero withholds nothing.
KouResult computeKou(const KouInput& input);

} // namespace norvik
