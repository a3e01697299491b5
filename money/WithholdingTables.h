#pragma once

#include "money/Extended.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace norvik {

// The rows of the monthly withholding table that both calculators share: table 1 (employment-
// income deduction) and table 3 (tax on the taxable amount). Each calculator applies them in its
// own arithmetic and brings the tax to tens of yen by its own rule.

inline constexpr std::int64_t kBasicDeduction = 31667;
inline constexpr std::int64_t kFixedEmploymentDeduction = 54167;

// Table 1: deduction = dropFraction(amount × rate + 0.9) + addend, or the fixed 54,167 in the first
// row.
struct DeductionRow {
    std::int64_t from; // first whole-yen amount of the row
    int percent;       // 0 for the fixed row
    Extended rate;     // the extended value nearest percent / 100
    std::int64_t addend;
    std::string_view rateText; // "×30%+15,000円"; empty for the fixed row

    bool isFixed() const { return percent == 0; }
};

// Table 3: tax = amount × rate − subtraction, before any rounding.
struct TaxRow {
    std::int64_t from; // first whole-yen taxable amount of the row
    int percent;
    Extended rate;
    std::int64_t subtraction;
    std::string_view rateText; // "×10%-8,125円"
};

// The row that holds a whole-yen amount. A negative amount lies in no row and takes the last
// one, which is how the tables have always been read by these calculators.
const DeductionRow& deductionRowFor(std::int64_t wholeYen);
const TaxRow& taxRowFor(std::int64_t wholeYen);

// Every row in order, for what prints the tables (the help); a row ends where the next begins.
std::span<const DeductionRow> deductionRows();
std::span<const TaxRow> taxRows();

} // namespace norvik
