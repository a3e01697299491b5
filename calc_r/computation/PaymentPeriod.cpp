#include "calc_r/computation/PaymentPeriod.h"

#include "calc_reiwa/RuleSelection.h"

namespace norvik {

namespace {

std::string periodsCovered() {
    std::string text;
    for (const PaymentPeriod& period : kWindowPeriods) {
        text.append(text.empty() ? "" : "、")
            .append(ruleSetName(period.rules))
            .append("（")
            .append(period.firstDay)
            .append("～")
            .append(period.lastDay)
            .append(" 支給分）");
    }
    return text;
}

bool coveredByThisWindow(RuleSet rules) {
    for (const PaymentPeriod& period : kWindowPeriods) {
        if (period.rules == rules) {
            return true;
        }
    }
    return false;
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
