#pragma once

#include "calc_reiwa/RuleSet.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace norvik {

// The periods whose tables this window holds: the rules since 2020 only; the two older windows
// keep the 2007–2012 tables.
inline constexpr std::array kWindowPeriods{RuleSet::Paid2020to2025, RuleSet::Paid2026,
                                           RuleSet::Paid2027};

// The rules for a salary paid on `date`, or the message that says the date is outside every
// period and names the periods covered.
struct PeriodChoice {
    std::optional<RuleSet> rules;
    std::string refusal;
};

PeriodChoice periodOfPaymentDate(std::string_view date);

} // namespace norvik
