#pragma once

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

// The name a clerk finds on the printed tables: "令和8年分".
std::string_view ruleSetName(RuleSet rules);

// The payment dates the rules cover: "2026-01-01～2026-12-31".
std::string_view ruleSetPeriod(RuleSet rules);

// The first year of the rules as a request names them: "2007", "2020", "2026", "2027".
std::string_view ruleSetYear(RuleSet rules);

} // namespace norvik
