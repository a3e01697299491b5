#pragma once

#include "calc_reiwa/RuleSet.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace norvik {

// The periods whose tables this window holds, by payment date (YYYY-MM-DD): the rules since 2020
// only; the two older windows keep the 2007–2012 tables.
struct PaymentPeriod {
    RuleSet rules;
    std::string_view firstDay;
    std::string_view lastDay;
};

inline constexpr std::array<PaymentPeriod, 3> kWindowPeriods{{
    {RuleSet::Paid2020to2025, "2020-01-01", "2025-12-31"},
    {RuleSet::Paid2026, "2026-01-01", "2026-12-31"},
    {RuleSet::Paid2027, "2027-01-01", "2027-12-31"},
}};

// The rules for a salary paid on `date`, or the message that says the date is outside every
// period and names the periods covered.
struct PeriodChoice {
    std::optional<RuleSet> rules;
    std::string refusal;
};

PeriodChoice periodOfPaymentDate(std::string_view date);

} // namespace norvik
