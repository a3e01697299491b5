#include "calc_r/computation/WindowRequest.h"

#include "calc_r/computation/PaymentPeriod.h"
#include "calc_reiwa/MonthlyTable.h"
#include "calc_reiwa/ReiwaKouComputation.h"
#include "money/AmountText.h"

#include <cmath>
#include <optional>
#include <string_view>

namespace norvik {

namespace {

constexpr std::string_view kSalary = "その月の社会保険料等控除後の給与等の金額";
constexpr std::string_view kPersons = "扶養親族等の数";
constexpr Extended kMostPersons = 99;

WindowAnswer refused(RulesUsed rules, std::string message, RefusalReason reason) {
    return {refusedResult(rules, {"情報", std::move(message), reason}), {}};
}

std::string said(std::string_view input, std::string_view what) {
    return std::string(input).append(what);
}

// Why an entered number cannot be used, or nothing when it can.
std::optional<std::string> numberFault(const EnteredNumber& number, std::string_view input,
                                       Extended most) {
    if (number.text.empty()) {
        return said(input, "が入力されていません。");
    }
    if (!std::isfinite(number.value)) {
        return said(input, "が数値として読めません。");
    }
    if (number.value < 0) {
        return said(input, "に負の数は使えません。");
    }
    if (number.value != std::floor(number.value)) {
        return said(input, "は整数で入力してください。");
    }
    if (number.value > most) {
        return said(input, "は")
            .append(amountText(static_cast<std::int64_t>(most)))
            .append("までです。");
    }
    return std::nullopt;
}

std::string yenLine(std::string_view method, const TaxResult& result) {
    return std::string(method).append("では").append(amountText(*result.tax)).append("円");
}

} // namespace

WindowAnswer answerRequest(const WindowRequest& request) {
    const PeriodChoice period = periodOfPaymentDate(request.paymentDate);
    if (!period.rules) {
        return refused({}, period.refusal, RefusalReason::NotCovered);
    }
    const RuleSet rules = *period.rules;
    if (auto fault = numberFault(request.salary, kSalary, kLargestReiwaInput)) {
        return refused(rulesUsed(rules), std::move(*fault), RefusalReason::BadInput);
    }
    if (auto fault = numberFault(request.persons, kPersons, kMostPersons)) {
        return refused(rulesUsed(rules), std::move(*fault), RefusalReason::BadInput);
    }
    const auto salary = static_cast<std::int64_t>(request.salary.value);
    const auto persons = static_cast<std::int64_t>(request.persons.value);
    TaxResult table = computeMonthlyTable(rules, request.column, salary, persons);
    if (request.column == TaxColumn::Otsu) {
        return {std::move(table), {}};
    }
    // Each person of the 扶養親族等 counts at the dependents' deduction, which is the spouse's too.
    TaxResult provision =
        computeReiwaKou(rules, {request.salary.value, request.persons.value, false});
    if (provision.refused()) {
        return {std::move(provision), {}};
    }
    if (request.method == TaxMethod::MonthlyTable) {
        return {std::move(table), yenLine("電算機計算の特例", provision)};
    }
    return {std::move(provision), yenLine("月額表", table)};
}

std::vector<FieldSpec> windowFields() {
    const std::span<const FieldSpec> table = monthlyTableFields();
    std::vector<FieldSpec> fields(table.begin(), table.end());
    const std::span<const FieldSpec> provision = reiwaKouFields();
    fields.insert(fields.end(), provision.begin(), provision.end());
    return fields;
}

std::string methodLine(const WindowRequest& request, const TaxResult& result) {
    const bool kou = request.column == TaxColumn::Kou;
    const bool table = !kou || request.method == TaxMethod::MonthlyTable;
    return std::string(result.rules.name)
        .append(table ? " 月額表 " : " 電算機計算の特例 ")
        .append(kou ? "甲欄" : "乙欄");
}

} // namespace norvik
