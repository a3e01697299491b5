#pragma once

#include "money/ResultTexts.h"

#include <cstdint>
#include <optional>
#include <string>

namespace norvik {

// What one request gives: the result set in the window's order and the tax in whole yen, or
// the refusal the window would show instead, or what makes the request bad input under these
// rules (a batch's bad row).
struct TaxOutcome {
    ResultTexts texts;
    std::optional<std::int64_t> tax;
    std::string refusal;
    std::string inputProblem;

    bool refused() const { return !tax.has_value(); }
    bool badInput() const { return !inputProblem.empty(); }
};

} // namespace norvik
