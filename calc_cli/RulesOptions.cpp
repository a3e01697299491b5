#include "calc_cli/RulesOptions.h"

#include "calc_cli/ReiwaRules.h"
#include "calc_cli/WindowRules.h"
#include "calc_reiwa/RuleSelection.h"

namespace norvik {

namespace {

// The option a refusal is about: the one that alone is refused, or both when they disagree.
std::string_view optionAtFault(const RulesOptions& options) {
    if (!options.paymentDate) {
        return "--rules";
    }
    if (!options.year || rulesForPaymentDate(*options.paymentDate).refusal) {
        return "--paid";
    }
    return rulesNamed(*options.year).refusal ? "--rules" : "--rules, --paid";
}

std::unique_ptr<const TaxRules> taxRulesOf(RuleSet rules) {
    if (rules == RuleSet::Paid2007to2012) {
        return std::make_unique<WindowRules>();
    }
    return std::make_unique<ReiwaRules>(rules);
}

} // namespace

ChosenRules chosenRules(const RulesOptions& options) {
    const RuleChoice choice = chooseRules(options.year, options.paymentDate);
    if (choice.refusal) {
        return {nullptr, std::string(optionAtFault(options)) + ": " + choice.refusal->message};
    }
    return {taxRulesOf(choice.rules), {}};
}

} // namespace norvik
