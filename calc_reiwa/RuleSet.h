#pragma once

#include "result/TaxResult.h"

#include <array>
#include <string_view>

namespace norvik {

// The withholding rules a computation can follow, named by the salaries' payment dates. The
// windows compute under the first one only; the others are offered where a request names them.
enum class RuleSet {
    Paid2007to2012, // the windows' rules, the default
    Paid2020to2025,
    Paid2026,
    Paid2027,
};

inline constexpr RuleSet kDefaultRuleSet = RuleSet::Paid2007to2012;

inline constexpr std::array<RuleSet, 4> kRuleSets = {
    RuleSet::Paid2007to2012, RuleSet::Paid2020to2025, RuleSet::Paid2026, RuleSet::Paid2027};

// The name a clerk finds on the printed tables: "令和8年分".
std::string_view ruleSetName(RuleSet rules);

// The first year of the rules as a request names them: "2007", "2020", "2026", "2027".
std::string_view ruleSetYear(RuleSet rules);

// The first and the last payment date the rules cover, YYYY-MM-DD.
std::string_view ruleSetFirstDay(RuleSet rules);
std::string_view ruleSetLastDay(RuleSet rules);

// The rules as a result names them: their name and the payment dates they cover
// ("2026-01-01～2026-12-31").
RulesUsed rulesUsed(RuleSet rules);

} // namespace norvik
