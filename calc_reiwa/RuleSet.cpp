#include "calc_reiwa/RuleSet.h"

namespace norvik {

std::string_view ruleSetName(RuleSet rules) {
    switch (rules) {
    case RuleSet::Paid2007to2012:
        return "平成19年分～平成24年分";
    case RuleSet::Paid2020to2025:
        return "令和2年分～令和7年分";
    case RuleSet::Paid2026:
        return "令和8年分";
    case RuleSet::Paid2027:
        return "令和9年分";
    }
    return {};
}

std::string_view ruleSetPeriod(RuleSet rules) {
    switch (rules) {
    case RuleSet::Paid2007to2012:
        return "2007-01-01～2012-12-31";
    case RuleSet::Paid2020to2025:
        return "2020-01-01～2025-12-31";
    case RuleSet::Paid2026:
        return "2026-01-01～2026-12-31";
    case RuleSet::Paid2027:
        return "2027-01-01～2027-12-31";
    }
    return {};
}

std::string_view ruleSetYear(RuleSet rules) {
    switch (rules) {
    case RuleSet::Paid2007to2012:
        return "2007";
    case RuleSet::Paid2020to2025:
        return "2020";
    case RuleSet::Paid2026:
        return "2026";
    case RuleSet::Paid2027:
        return "2027";
    }
    return {};
}

} // namespace norvik
