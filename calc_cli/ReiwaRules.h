#pragma once

#include "calc_cli/TaxRules.h"
#include "calc_reiwa/RuleSet.h"

namespace norvik {

// Column 甲 by the computer-calculation special provision under the rules since 2020 (for
// salaries paid 2020–2025, in 2026 or in 2027). They take whole, non-negative numbers only: a
// fraction or a negative is bad input. Column 乙 has no such provision under them, so a 乙
// request is refused as the windows refuse a salary outside their method.
class ReiwaRules : public TaxRules {
public:
    // Throws std::invalid_argument for the 2007 rules, which are the windows' own (WindowRules).
    explicit ReiwaRules(RuleSet rules);

    std::string_view name() const override;
    const std::vector<std::string_view>& resultFields() const override;
    std::string caption(TaxColumn column, std::string_view field) const override;
    TaxOutcome compute(const TaxRequest& request) const override;

private:
    RuleSet rules_;
};

} // namespace norvik
