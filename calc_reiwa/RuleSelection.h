#pragma once

#include "calc_reiwa/RuleSet.h"
#include "calc_reiwa/RulesRefusal.h"

#include <optional>
#include <string_view>

namespace norvik {

// The rules a request is computed under, or why none could be chosen. Every refusal names the
// rule sets and the payment dates they cover, so the clerk can correct the request at once.
struct RuleChoice {
    RuleSet rules = kDefaultRuleSet; // meaningful only without a refusal
    std::optional<RulesRefusal> refusal;
};

// The rules a request names by their first year: "2007", "2020", "2026" or "2027".
RuleChoice rulesNamed(std::string_view year);

// The rules for a salary paid on a date written YYYY-MM-DD: 2007-01-01 to 2012-12-31, 2020-01-01
// to 2025-12-31, and each day of 2026 and of 2027. Other dates are refused.
RuleChoice rulesForPaymentDate(std::string_view date);

// The rules from a request's named rules and payment date, either of which may be absent. With
// neither the windows' rules apply; with both they must agree.
RuleChoice chooseRules(std::optional<std::string_view> year,
                       std::optional<std::string_view> paymentDate);

} // namespace norvik
