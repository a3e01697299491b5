#pragma once

#include "calc_cli/TaxRules.h"

namespace norvik {

// The rules the two windows compute by: the monthly table's computer-calculation special
// provision for salaries paid from January 2007 to December 2012, column 甲 and column 乙, with
// the windows' own result sets and captions.
class WindowRules : public TaxRules {
public:
    std::string_view name() const override;
    const std::vector<std::string_view>& resultFields() const override;
    std::string caption(TaxColumn column, std::string_view field) const override;
    TaxOutcome compute(const TaxRequest& request) const override;

private:
    static TaxOutcome kouOutcome(const TaxRequest& request);
    static TaxOutcome otsuOutcome(const TaxRequest& request);
};

} // namespace norvik
