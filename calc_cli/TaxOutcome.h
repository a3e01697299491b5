#pragma once

#include "money/FieldTexts.h"

#include <cstdint>
#include <optional>
#include <string>

namespace norvik {

// What one request gives: the result set in the window's order and the tax in whole yen, or
// the refusal the window would show instead.
struct TaxOutcome {
    FieldTexts texts;
    std::optional<std::int64_t> tax;
    std::string refusal;

    bool Refused() const { return !tax.has_value(); }
};

} // namespace norvik
