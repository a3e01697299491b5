#pragma once

#include "calc_cli/TaxOutcome.h"
#include "calc_cli/TaxRequest.h"

#include <string>
#include <string_view>
#include <vector>

namespace norvik {

// One family of withholding rules that the program offers: how a request is computed, which
// result fields it fills and what the window calls each of them.
class TaxRules {
public:
    virtual ~TaxRules() = default;

    // The rules' name as the output shows it.
    virtual std::string_view name() const = 0;
    // Every field that either column can return, in the order of a CSV's result columns.
    virtual const std::vector<std::string_view>& resultFields() const = 0;
    // The caption shown beside a field of a column; empty when the column has no such field.
    virtual std::string caption(TaxColumn column, std::string_view field) const = 0;
    virtual TaxOutcome compute(const TaxRequest& request) const = 0;

protected:
    TaxRules() = default;
    TaxRules(const TaxRules&) = default;
    TaxRules& operator=(const TaxRules&) = default;
};

} // namespace norvik
