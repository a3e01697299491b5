#include "calc_cli/ReiwaRules.h"

#include "calc_cli/FieldCaptions.h"
#include "calc_reiwa/ReiwaKouComputation.h"

#include <stdexcept>

namespace norvik {

ReiwaRules::ReiwaRules(RuleSet rules)
    : rules_(rules) {
    if (rules == RuleSet::Paid2007to2012) {
        throw std::invalid_argument("the 2007 rules are the windows' own");
    }
}

std::string_view ReiwaRules::name() const {
    return ruleSetName(rules_);
}

// As the windows' rules order them: the tax first, then each amount beside its formula.
const std::vector<std::string_view>& ReiwaRules::resultFields() const {
    static const std::vector<std::string_view> fields = {"alldata",  "data1", "formula1", "data2",
                                                         "formula2", "data3", "formula3", "data4",
                                                         "formula4", "data5", "formula5"};
    return fields;
}

std::string ReiwaRules::caption(TaxColumn column, std::string_view field) const {
    const FieldCaption* caption =
        column == TaxColumn::Kou ? findCaption(reiwaKouCaptions(), field) : nullptr;
    return caption ? captionLine(*caption) : std::string();
}

TaxOutcome ReiwaRules::compute(const TaxRequest& request) const {
    if (request.column == TaxColumn::Otsu) {
        return {{}, std::nullopt, otsuRefusalUnder(rules_)->message, {}};
    }
    ReiwaKouResult result =
        computeReiwaKou(rules_, {request.salary.value, request.dependents.value, request.spouse});
    if (result.refusal) {
        return {{}, std::nullopt, {}, std::move(result.refusal->message)};
    }
    return {std::move(result.texts), result.amounts.tax, {}, {}};
}

} // namespace norvik
