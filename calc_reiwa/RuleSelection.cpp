#include "calc_reiwa/RuleSelection.h"

#include <chrono>
#include <string>

namespace norvik {

namespace {

std::string coveredPeriods() {
    std::string text = "使える規定は ";
    for (const RuleSet rules : kRuleSets) {
        if (rules != kRuleSets.front()) {
            text += "、";
        }
        text.append(ruleSetYear(rules))
            .append("（")
            .append(ruleSetName(rules))
            .append(": ")
            .append(ruleSetFirstDay(rules))
            .append("～")
            .append(ruleSetLastDay(rules))
            .append(" 支払分")
            .append(rules == kDefaultRuleSet ? "、画面の規定" : "")
            .append("）");
    }
    return text + " です。";
}

RuleChoice chosen(RuleSet rules) {
    return RuleChoice{rules, std::nullopt};
}

RuleChoice refused(std::string_view reason) {
    return RuleChoice{kDefaultRuleSet, RulesRefusal{std::string(reason) + coveredPeriods()}};
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int digitsAt(std::string_view text, std::size_t first, std::size_t count) {
    int value = 0;
    for (std::size_t i = first; i < first + count; ++i) {
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// YYYY-MM-DD with every digit in place and a day that exists in that month and year.
bool isCalendarDate(std::string_view text) {
    constexpr std::string_view shape = "0000-00-00";
    if (text.size() != shape.size()) {
        return false;
    }
    for (std::size_t i = 0; i < shape.size(); ++i) {
        if (shape[i] == '0' ? !isDigit(text[i]) : text[i] != shape[i]) {
            return false;
        }
    }
    using namespace std::chrono;
    const year_month_day day{year{digitsAt(text, 0, 4)},
                             month{static_cast<unsigned>(digitsAt(text, 5, 2))},
                             std::chrono::day{static_cast<unsigned>(digitsAt(text, 8, 2))}};
    return day.ok();
}

} // namespace

RuleChoice rulesNamed(std::string_view year) {
    for (const RuleSet rules : kRuleSets) {
        if (year == ruleSetYear(rules)) {
            return chosen(rules);
        }
    }
    return refused(std::string("規定「").append(year).append("」はありません。"));
}

RuleChoice rulesForPaymentDate(std::string_view date) {
    if (!isCalendarDate(date)) {
        return refused(std::string("支払日「")
                           .append(date)
                           .append("」は YYYY-MM-DD の形の日付ではありません。"));
    }
    // For well-formed dates the text order of YYYY-MM-DD is the calendar order.
    for (const RuleSet rules : kRuleSets) {
        if (date >= ruleSetFirstDay(rules) && date <= ruleSetLastDay(rules)) {
            return chosen(rules);
        }
    }
    return refused(std::string("支払日 ").append(date).append(" の給与に使える規定はありません。"));
}

RuleChoice chooseRules(std::optional<std::string_view> year,
                       std::optional<std::string_view> paymentDate) {
    if (!paymentDate) {
        return year ? rulesNamed(*year) : chosen(kDefaultRuleSet);
    }
    const RuleChoice byDate = rulesForPaymentDate(*paymentDate);
    if (!year || byDate.refusal) {
        return byDate;
    }
    const RuleChoice named = rulesNamed(*year);
    if (named.refusal || named.rules == byDate.rules) {
        return named;
    }
    return refused(std::string("規定 ")
                       .append(*year)
                       .append("（")
                       .append(ruleSetName(named.rules))
                       .append("）と支払日 ")
                       .append(*paymentDate)
                       .append(" が食い違っています。この支払日の給与には ")
                       .append(ruleSetYear(byDate.rules))
                       .append("（")
                       .append(ruleSetName(byDate.rules))
                       .append("）の規定が使われます。"));
}

} // namespace norvik
