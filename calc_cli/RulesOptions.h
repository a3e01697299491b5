#pragma once

#include "calc_cli/TaxRules.h"

#include <memory>
#include <optional>
#include <string>

namespace norvik {

// --rules and --paid as given; either may be absent.
struct RulesOptions {
    std::optional<std::string> year;        // "2007", "2020", "2026" or "2027"
    std::optional<std::string> paymentDate; // YYYY-MM-DD
};

// The rules a run computes under, or why none could be chosen.
struct ChosenRules {
    std::unique_ptr<const TaxRules> rules;
    std::string problem; // the refusal, after the option at fault; empty when rules were chosen
};

// The windows' rules without either option; otherwise the rules the options name, which must
// agree when both are given.
ChosenRules chosenRules(const RulesOptions& options);

} // namespace norvik
