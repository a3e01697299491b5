#pragma once

#include "calc_cli/TaxRules.h"

namespace norvik {

// The rules the two windows compute by: the monthly table's computer-calculation special
// provision for salaries paid from January 2007 to December 2012, column 甲 and column 乙, with
// the windows' own result sets and captions.
class WindowRules : public TaxRules {
public:
    std::string_view Name() const override;
    const std::vector<std::string_view>& ResultFields() const override;
    std::string Caption(TaxColumn column, std::string_view field) const override;
    TaxOutcome Compute(const TaxRequest& request) const override;

private:
    static TaxOutcome ComputeKou(const TaxRequest& request);
    static TaxOutcome ComputeOtsu(const TaxRequest& request);
};

} // namespace norvik
