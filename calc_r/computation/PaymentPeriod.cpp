#include "calc_r/computation/PaymentPeriod.h"

#include "calc_reiwa/RuleSelection.h"

#include <algorithm>

namespace norvik {

namespace {

std::string periodsCovered() {
    std::string text;
    for (const RuleSet rules : kWindowPeriods) {
        text.append(text.empty() ? "" : "、")
            .append(ruleSetName(rules))
            .append("（")
            .append(ruleSetFirstDay(rules))
            .append("～")
            .append(ruleSetLastDay(rules))
            .append(" 支給分）");
    }
    return text;
}

bool coveredByThisWindow(RuleSet rules) {
    return std::find(kWindowPeriods.begin(), kWindowPeriods.end(), rules) != kWindowPeriods.end();
}

} // namespace

PeriodChoice periodOfPaymentDate(std::string_view date) {
    // The core chooses the rules; this window offers only some of them.
    const RuleChoice choice = rulesForPaymentDate(date);
    if (!choice.refusal && coveredByThisWindow(choice.rules)) {
        return {choice.rules, {}};
    }
    return {std::nullopt, std::string("支給日 ")
                              .append(date)
                              .append(" の給与の税額は求められません。このプログラムが扱うのは ")
                              .append(periodsCovered())
                              .append(" です。")};
}

} // namespace norvik
