#include "calc_reiwa/RuleSet.h"

namespace norvik {

namespace {

struct RuleSetNames {
    std::string_view name;
    std::string_view year;
    std::string_view firstDay;
    std::string_view lastDay;
    std::string_view period;
};

constexpr RuleSetNames namesOf(RuleSet rules) {
    switch (rules) {
    case RuleSet::Paid2007to2012:
        return {"平成19年分～平成24年分", "2007", "2007-01-01", "2012-12-31",
                "2007-01-01～2012-12-31"};
    case RuleSet::Paid2020to2025:
        return {"令和2年分～令和7年分", "2020", "2020-01-01", "2025-12-31",
                "2020-01-01～2025-12-31"};
    case RuleSet::Paid2026:
        return {"令和8年分", "2026", "2026-01-01", "2026-12-31", "2026-01-01～2026-12-31"};
    case RuleSet::Paid2027:
        return {"令和9年分", "2027", "2027-01-01", "2027-12-31", "2027-01-01～2027-12-31"};
    }
    return {};
}

} // namespace

std::string_view ruleSetName(RuleSet rules) {
    return namesOf(rules).name;
}

std::string_view ruleSetYear(RuleSet rules) {
    return namesOf(rules).year;
}

std::string_view ruleSetFirstDay(RuleSet rules) {
    return namesOf(rules).firstDay;
}

std::string_view ruleSetLastDay(RuleSet rules) {
    return namesOf(rules).lastDay;
}

RulesUsed rulesUsed(RuleSet rules) {
    const RuleSetNames names = namesOf(rules);
    return {names.name, names.period};
}

} // namespace norvik
