#include "calc_reiwa/BonusTax.h"

#include "calc_reiwa/MonthlyTable.h"
#include "calc_reiwa/WorkingText.h"

#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace norvik {

namespace {

constexpr std::string_view kRefusalTitle = "情報";

constexpr std::array kFields{
    FieldSpec{"bonusFormula", "賞与の金額の算式", true},
    FieldSpec{"netBonus", "社会保険料等控除後の賞与の金額"},
    FieldSpec{"previousSalaryFormula", "前月の給与等の金額の算式", true},
    FieldSpec{"netPreviousSalary", "前月の社会保険料等控除後の給与等の金額"},
    FieldSpec{"method", "計算方法"},
    FieldSpec{"methodFormula", "計算方法の判定", true},
    FieldSpec{"rateChoice", "算出率の求め方"},
    FieldSpec{"rate", "賞与の金額に乗ずべき率"},
    FieldSpec{"period", "賞与の計算期間"},
    FieldSpec{"monthlySalaryFormula", "月額表を当てはめる金額の算式", true},
    FieldSpec{"monthlyRow", "月額表の区分と欄"},
    FieldSpec{"monthlyTaxFormula", "月額表の税額の算式", true},
    FieldSpec{"monthlyTax", "月額表の税額"},
    FieldSpec{"previousRow", "前月の給与等の月額表の区分と欄"},
    FieldSpec{"previousTaxFormula", "前月の給与等の月額表の税額の算式", true},
    FieldSpec{"previousTax", "前月の給与等に対する月額表の税額"},
    FieldSpec{"taxFormula", "税額の算式", true},
    FieldSpec{"bonusTax", "税額"},
};

// The bonus table holds up to ten times P; beyond it, and without P, the monthly table is used
// on a d-th of the bonus.
constexpr std::int64_t kRateTableLimitTimes = 10;
constexpr std::int64_t kShortPeriodMonths = 6;
constexpr std::int64_t kLongPeriodMonths = 12;

BonusMethod methodFor(std::int64_t bonus, std::int64_t previousSalary) {
    if (previousSalary <= 0) {
        return BonusMethod::NoPreviousSalary;
    }
    if (bonus > kRateTableLimitTimes * previousSalary) {
        return BonusMethod::OverTenTimes;
    }
    return BonusMethod::RateTable;
}

// The column of the count: 甲 prints one for 0 to 6 persons and one for 「7人以上」.
const BonusBand& bandIn(const BonusTableRow& row, TaxColumn column, std::int64_t count) {
    if (column == TaxColumn::Otsu) {
        return row.otsu;
    }
    const auto last = static_cast<std::int64_t>(kKouColumns) - 1;
    return row.kou[static_cast<std::size_t>(std::min(count, last))];
}

// The converter checks that every column's bands cover every salary from 0 yen up, so a
// positive P always finds its row.
void chooseRate(const BonusTable& table, TaxColumn column, std::int64_t count, BonusTaxAmounts& a) {
    for (const BonusTableRow& row : table.rows) {
        const BonusBand& band = bandIn(row, column, count);
        if (band.lower && *band.lower <= a.previousSalary &&
            (!band.upper || a.previousSalary < *band.upper)) {
            a.bandLower = *band.lower;
            a.bandUpper = band.upper;
            a.rate = row.rate;
            a.tax = a.bonus * a.rate / kTableRateScale;
            return;
        }
    }
    throw std::logic_error("no band of " + std::string(table.fileName) + " holds " +
                           std::to_string(a.previousSalary));
}

// The two monthly-table lookups of the exception, with their working as the monthly table
// writes it.
struct MonthlyLookups {
    MonthlyTableResult bonusMonth;
    std::optional<MonthlyTableResult> previousMonth;
};

MonthlyLookups applyMonthlyTable(RuleSet rules, const BonusRequest& request, BonusTaxAmounts& a) {
    a.months = request.longPeriod ? kLongPeriodMonths : kShortPeriodMonths;
    a.monthlySalary = a.bonus / a.months;
    MonthlyLookups lookups;
    if (a.method == BonusMethod::OverTenTimes) {
        a.monthlySalary += a.previousSalary;
        lookups.previousMonth =
            computeMonthlyTable(rules, request.column, a.previousSalary, request.count);
        a.previousTax = *lookups.previousMonth->tax;
    }
    lookups.bonusMonth = computeMonthlyTable(rules, request.column, a.monthlySalary, request.count);
    a.monthlyTax = *lookups.bonusMonth.tax;
    // The monthly table never falls as the salary rises, so the difference is never negative.
    a.tax = (a.monthlyTax - a.previousTax) * a.months;
    return lookups;
}

std::string bonusFormulaText(const BonusRequest& request) {
    return (WorkingText() << request.bonus << "円-" << request.bonusInsurance << "円").take();
}

std::string previousSalaryFormulaText(const BonusRequest& request) {
    return (WorkingText() << request.previousSalary << "円-" << request.previousInsurance << "円")
        .take();
}

std::string_view methodText(BonusMethod method, const BonusRequest& request) {
    switch (method) {
    case BonusMethod::RateTable:
        break;
    case BonusMethod::NoPreviousSalary:
        return request.previousSalary == 0
                   ? "月額表（前月中の給与等の金額がない場合）"
                   : "月額表（前月中の給与等の金額が前月中の社会保険料等の金額以下である場合）";
    case BonusMethod::OverTenTimes:
        return "月額表（賞与の金額が前月の社会保険料等控除後の給与等の金額の10倍を超える場合）";
    }
    return "賞与に対する源泉徴収税額の算出率の表";
}

// "1,000,000円≦196,616円×10=1,966,160円": the comparison that kept or left the bonus table.
std::string methodFormulaText(const BonusTaxAmounts& a) {
    if (a.method == BonusMethod::NoPreviousSalary) {
        return {};
    }
    const std::string_view relation = a.method == BonusMethod::RateTable ? "円≦" : "円>";
    return (WorkingText() << a.bonus << relation << a.previousSalary << "円×"
                          << kRateTableLimitTimes << "=" << kRateTableLimitTimes * a.previousSalary
                          << "円")
        .take();
}

std::string bandText(const BonusTaxAmounts& a) {
    WorkingText text;
    if (a.bandLower == 0) {
        text << *a.bandUpper << "円未満";
    } else if (!a.bandUpper) {
        text << a.bandLower << "円以上";
    } else {
        text << a.bandLower << "円以上 " << *a.bandUpper << "円未満";
    }
    return text.take();
}

// "前月の社会保険料等控除後の給与等の金額 196,616円 → 甲欄・扶養親族等2人 143,000円以上
// 276,000円未満 → 2.042%"
std::string rateChoiceText(const BonusRequest& request, const BonusTaxAmounts& a) {
    WorkingText text;
    text << "前月の社会保険料等控除後の給与等の金額 " << a.previousSalary << "円 → ";
    const auto last = static_cast<std::int64_t>(kKouColumns) - 1;
    if (request.column == TaxColumn::Otsu) {
        text << "乙欄";
    } else if (request.count < last) {
        text << "甲欄・扶養親族等" << request.count << "人";
    } else {
        text << "甲欄・扶養親族等" << last << "人以上";
        if (request.count > last) {
            text << "（" << request.count << "人）";
        }
    }
    text << " " << bandText(a) << " → ";
    return text.percent(a.rate).take();
}

std::string rateText(std::int64_t rate) {
    return WorkingText().percent(rate).take();
}

std::string_view periodText(std::int64_t months) {
    return months == kLongPeriodMonths ? "6か月超（12で割る）" : "6か月以下（6で割る）";
}

// "1,200,000円÷6=200,000円", or "1,200,000円÷6+100,000円=300,000円" when last month's salary
// is added.
std::string monthlySalaryFormulaText(const BonusTaxAmounts& a) {
    WorkingText text;
    text << a.bonus << "円÷" << a.months;
    if (a.method == BonusMethod::OverTenTimes) {
        text << "+" << a.previousSalary << "円";
    }
    return (text << "=" << a.monthlySalary << "円").take();
}

std::string monthlyRowText(const MonthlyTableResult& lookup) {
    return (WorkingText() << lookup.text("band") << "、" << lookup.text("column")).take();
}

// The monthly table's own working where it has one: its rate line and its 1,610-yen deduction.
std::string monthlyTaxFormulaText(const MonthlyTableResult& lookup) {
    WorkingText text;
    const bool rated = lookup.amounts.rate != 0;
    if (rated) {
        text << lookup.text("tableFormula");
    }
    if (lookup.amounts.personsDeducted != 0) {
        text << (rated ? "、" : "") << lookup.text("taxFormula");
    }
    return text.take();
}

// "1,000,000円×2.042%", "4,770円×6" or "(5,100円-4,770円)×6".
std::string taxFormulaText(const BonusTaxAmounts& a) {
    WorkingText text;
    switch (a.method) {
    case BonusMethod::RateTable:
        text << a.bonus << "円×";
        text.percent(a.rate);
        break;
    case BonusMethod::NoPreviousSalary:
        text << a.monthlyTax << "円×" << a.months;
        break;
    case BonusMethod::OverTenTimes:
        text << "(" << a.monthlyTax << "円-" << a.previousTax << "円)×" << a.months;
        break;
    }
    return text.take();
}

std::vector<Field> commonFields(const BonusRequest& request, const BonusTaxAmounts& a) {
    std::vector<Field> fields = emptyFields(kFields);
    setText(fields, "bonusFormula", bonusFormulaText(request));
    setText(fields, "netBonus", amountText(a.bonus));
    setText(fields, "previousSalaryFormula", previousSalaryFormulaText(request));
    setText(fields, "netPreviousSalary", amountText(a.previousSalary));
    setText(fields, "method", std::string(methodText(a.method, request)));
    setText(fields, "methodFormula", methodFormulaText(a));
    setText(fields, "taxFormula", taxFormulaText(a));
    setText(fields, "bonusTax", amountText(a.tax));
    return fields;
}

void writeRateWorking(std::vector<Field>& fields, const BonusRequest& request,
                      const BonusTaxAmounts& a) {
    setText(fields, "rateChoice", rateChoiceText(request, a));
    setText(fields, "rate", rateText(a.rate));
}

void writeMonthlyWorking(std::vector<Field>& fields, const BonusTaxAmounts& a,
                         const MonthlyLookups& lookups) {
    setText(fields, "period", std::string(periodText(a.months)));
    setText(fields, "monthlySalaryFormula", monthlySalaryFormulaText(a));
    setText(fields, "monthlyRow", monthlyRowText(lookups.bonusMonth));
    setText(fields, "monthlyTaxFormula", monthlyTaxFormulaText(lookups.bonusMonth));
    setText(fields, "monthlyTax", amountText(a.monthlyTax));
    if (lookups.previousMonth) {
        setText(fields, "previousRow", monthlyRowText(*lookups.previousMonth));
        setText(fields, "previousTaxFormula", monthlyTaxFormulaText(*lookups.previousMonth));
        setText(fields, "previousTax", amountText(a.previousTax));
    }
}

Refusal refusal(std::string message, RefusalReason reason = RefusalReason::NotCovered) {
    return {std::string(kRefusalTitle), std::move(message), reason};
}

Refusal noRulesRefusal() {
    return refusal(
        std::string(ruleSetName(RuleSet::Paid2007to2012))
            .append("の賞与の税額表はこのプログラムにありません。賞与の税額は令和2年分以降"
                    "の規定でだけ計算できます。"));
}

Refusal noRateTableRefusal(RuleSet rules) {
    return refusal(
        std::string(ruleSetName(rules))
            .append("の賞与に対する源泉徴収税額の算出率の表はまだありません。この賞与は前月の社会保"
                    "険料等控除後の給与等の金額の10倍以下なので、その表がなければ計算できません。月"
                    "額表を使う場合（前月中の給与等の金額がない場合と、賞与の金額が前月の社会保険料"
                    "等控除後の給与等の金額の10倍を超える場合）は計算できます。"));
}

// The first value of the request out of range, by the name the refusal gives it.
std::optional<std::string_view> inputOutOfRange(const BonusRequest& request) {
    const std::pair<std::int64_t, std::string_view> inputs[] = {
        {request.bonus, "賞与の金額"},
        {request.bonusInsurance, "賞与から控除される社会保険料等の金額"},
        {request.previousSalary, "前月中の給与等の金額"},
        {request.previousInsurance, "前月中の社会保険料等の金額"},
        {request.count, "扶養親族等の数"},
    };
    for (const auto& [value, name] : inputs) {
        if (value < 0 || value > kLargestBonusInput) {
            return name;
        }
    }
    return std::nullopt;
}

std::optional<Refusal> inputRefusal(RuleSet rules, const BonusRequest& request) {
    if (const auto name = inputOutOfRange(request)) {
        return refusal((WorkingText() << ruleSetName(rules) << "の賞与の計算では、" << *name
                                      << "は0から" << kLargestBonusInput << "までです。")
                           .take(),
                       RefusalReason::BadInput);
    }
    if (request.bonusInsurance > request.bonus) {
        return refusal((WorkingText()
                        << "賞与から控除される社会保険料等の金額（" << request.bonusInsurance
                        << "円）が賞与の金額（" << request.bonus << "円）を超えています。")
                           .take(),
                       RefusalReason::BadInput);
    }
    return std::nullopt;
}

} // namespace

const BonusTable* bonusTableFor(RuleSet rules) {
    switch (rules) {
    case RuleSet::Paid2020to2025:
        return &bonusTable2020();
    case RuleSet::Paid2026:
        return &bonusTable2026();
    case RuleSet::Paid2007to2012:
    case RuleSet::Paid2027:
        break;
    }
    return nullptr;
}

std::span<const FieldSpec> bonusTaxFields() {
    return kFields;
}

BonusTaxResult computeBonusTax(RuleSet rules, const BonusRequest& request) {
    BonusTaxResult result;
    result.rules = rulesUsed(rules);
    if (rules == RuleSet::Paid2007to2012) {
        result.refusal = noRulesRefusal();
        return result;
    }
    if (auto bad = inputRefusal(rules, request)) {
        result.refusal = std::move(bad);
        return result;
    }
    BonusTaxAmounts a;
    a.bonus = request.bonus - request.bonusInsurance;
    a.previousSalary = request.previousSalary - request.previousInsurance;
    a.method = methodFor(a.bonus, a.previousSalary);
    if (a.method == BonusMethod::RateTable) {
        const BonusTable* table = bonusTableFor(rules);
        if (table == nullptr) {
            result.refusal = noRateTableRefusal(rules);
            return result;
        }
        chooseRate(*table, request.column, request.count, a);
        result.fields = commonFields(request, a);
        writeRateWorking(result.fields, request, a);
    } else {
        const MonthlyLookups lookups = applyMonthlyTable(rules, request, a);
        result.fields = commonFields(request, a);
        writeMonthlyWorking(result.fields, a, lookups);
    }
    result.amounts = a;
    result.tax = a.tax;
    return result;
}

} // namespace norvik
