#pragma once

#include "money/Currency.h"
#include "money/Extended.h"
#include "money/FieldTexts.h"

#include <cstdint>
#include <optional>
#include <string>

namespace norvik {

// The refusal of a salary outside the range the method covers, as the window shows it in an
// information box.
struct OtsuRefusal {
    std::string title;
    std::string message;
};

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

struct OtsuResult {
    std::optional<OtsuRefusal> refusal; // set when the salary is out of range
    OtsuAmounts amounts;                // meaningful only without a refusal
    FieldTexts texts;                   // empty with a refusal
};

// Column 乙 of the monthly table by the computer-calculation special provision. A salary up to
// 88,000 yen or above 1,010,000 yen is refused; the dependents count is taken as it is.
OtsuResult computeOtsu(Extended salary, Extended dependents);

} // namespace norvik
