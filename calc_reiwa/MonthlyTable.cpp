#include "calc_reiwa/MonthlyTable.h"

#include "calc_reiwa/WorkingText.h"
#include "money/AmountText.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

namespace norvik {

namespace {

constexpr std::string_view kRefusalTitle = "情報";

constexpr std::array kFields{
    FieldSpec{"band", "給与等の金額の区分"},
    FieldSpec{"column", "税額表の欄"},
    FieldSpec{"tableFormula", "税額表の算式", true},
    FieldSpec{"tableTax", "税額表の税額"},
    FieldSpec{"deduction", "扶養親族等の控除額"},
    FieldSpec{"taxFormula", "税額の算式", true},
    FieldSpec{"tax", "税額"},
};

// The line whose band holds the salary: the rows below 740,000 yen are shared by both columns,
// the rate lines above them are each column's own. Both runs are ascending and gap-free.
const MonthlyTableLine& lineFor(const MonthlyTable& table, TaxColumn column, std::int64_t salary) {
    const bool aboveRows = salary >= *table.rows.back().upper;
    const std::span<const MonthlyTableLine> lines =
        !aboveRows ? table.rows
                   : (column == TaxColumn::Kou ? table.kouFormulas : table.otsuFormulas);
    const auto after = std::upper_bound(
        lines.begin(), lines.end(), salary,
        [](std::int64_t amount, const MonthlyTableLine& line) { return amount < line.lower; });
    return *(after - 1);
}

MonthlyTableAmounts amountsFor(const MonthlyTable& table, TaxColumn column, std::int64_t salary,
                               std::int64_t count) {
    const MonthlyTableLine& line = lineFor(table, column, salary);
    MonthlyTableAmounts a;
    a.salary = salary;
    a.count = count;
    a.kind = line.kind;
    a.bandLower = line.lower;
    a.bandUpper = line.upper;
    if (column == TaxColumn::Kou) {
        const std::int64_t lastColumn = static_cast<std::int64_t>(kKouColumns) - 1;
        a.tableAmount = *line.kou[static_cast<std::size_t>(std::min(count, lastColumn))];
        a.rate = line.kouRate.value_or(0);
        a.personsDeducted = std::max<std::int64_t>(count - lastColumn, 0);
    } else {
        a.tableAmount = *line.otsu;
        a.rate = line.otsuRate.value_or(0);
        a.personsDeducted = count;
    }
    a.formulaAmount = a.tableAmount + a.rate * (salary - line.lower) / kTableRateScale;
    a.deduction = kTablePersonDeduction * a.personsDeducted;
    a.tax = std::max<std::int64_t>(a.formulaAmount - a.deduction, 0);
    return a;
}

bool outOfRange(std::int64_t value) {
    return value < 0 || value > kLargestTableInput;
}

std::string bandText(const MonthlyTableAmounts& a) {
    WorkingText text;
    if (a.kind == MonthlyLineKind::Below) {
        text << *a.bandUpper << "円未満";
    } else if (!a.bandUpper) {
        text << a.bandLower << "円以上";
    } else {
        text << a.bandLower << "円以上 " << *a.bandUpper << "円未満";
    }
    return text.take();
}

std::string columnText(TaxColumn column, std::int64_t count) {
    WorkingText text;
    if (column == TaxColumn::Kou) {
        text << "甲欄・扶養親族等" << count << "人";
    } else if (count == 0) {
        text << "乙欄";
    } else {
        text << "乙欄・従たる給与の扶養親族等" << count << "人";
    }
    return text.take();
}

// "259,200円+(800,000円-740,000円)×40.84%", or "100,000円×3.063%" below the first band, where
// the amount starts from nothing; a printed amount needs no working.
std::string tableFormulaText(const MonthlyTableAmounts& a) {
    WorkingText text;
    if (a.rate == 0) {
        text << "月額表の税額";
    } else if (a.kind == MonthlyLineKind::Below) {
        text << a.salary << "円×";
        text.percent(a.rate);
    } else {
        text << a.tableAmount << "円+(" << a.salary << "円-" << a.bandLower << "円)×";
        text.percent(a.rate);
    }
    return text.take();
}

// "4,830円-1,610円×2人"; nothing when no one is deducted.
std::string taxFormulaText(const MonthlyTableAmounts& a) {
    if (a.personsDeducted == 0) {
        return {};
    }
    return (WorkingText() << a.formulaAmount << "円-" << kTablePersonDeduction << "円×"
                          << a.personsDeducted << "人")
        .take();
}

// The texts go in the order kFields declares them; the fields are made at once rather than filled
// by name, which would take as long as writing the texts.
std::vector<Field> workingFields(TaxColumn column, const MonthlyTableAmounts& a) {
    std::string texts[] = {
        bandText(a),
        columnText(column, a.count),
        tableFormulaText(a),
        amountText(a.formulaAmount),
        amountText(a.deduction),
        taxFormulaText(a),
        amountText(a.tax),
    };
    static_assert(std::size(texts) == kFields.size());
    std::vector<Field> fields;
    fields.reserve(kFields.size());
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const FieldSpec& declaration = kFields[i];
        fields.push_back(
            Field{declaration.id, declaration.caption, declaration.formula, std::move(texts[i])});
    }
    return fields;
}

Refusal noTableRefusal() {
    return {std::string(kRefusalTitle),
            std::string(ruleSetName(RuleSet::Paid2007to2012))
                .append("の月額表はこのプログラムにありません。月額表による計算は令和2年分以降の"
                        "規定でだけできます。")};
}

// `input` names the value out of range as the refusal shows it.
Refusal inputRefusal(RuleSet rules, std::string_view input) {
    return {std::string(kRefusalTitle),
            std::string(ruleSetName(rules))
                .append("の月額表では、")
                .append(input)
                .append("は0から")
                .append(amountText(kLargestTableInput))
                .append("までです。"),
            RefusalReason::BadInput};
}

} // namespace

const MonthlyTable& monthlyTableFor(RuleSet rules) {
    switch (rules) {
    case RuleSet::Paid2020to2025:
        return monthlyTable2020();
    case RuleSet::Paid2026:
        return monthlyTable2026();
    case RuleSet::Paid2027:
        return monthlyTable2027();
    case RuleSet::Paid2007to2012:
        break;
    }
    throw std::invalid_argument("the 2007 rules have no monthly table in this program");
}

std::int64_t monthlyTableTax(RuleSet rules, TaxColumn column, std::int64_t salary,
                             std::int64_t count) {
    const MonthlyTable& table = monthlyTableFor(rules);
    if (outOfRange(salary) || outOfRange(count)) {
        throw std::invalid_argument("monthly table: salary " + std::to_string(salary) +
                                    " or count " + std::to_string(count) + " out of range");
    }
    return amountsFor(table, column, salary, count).tax;
}

std::span<const FieldSpec> monthlyTableFields() {
    return kFields;
}

MonthlyTableResult computeMonthlyTable(RuleSet rules, TaxColumn column, std::int64_t salary,
                                       std::int64_t count) {
    MonthlyTableResult result;
    result.rules = rulesUsed(rules);
    if (rules == RuleSet::Paid2007to2012) {
        result.refusal = noTableRefusal();
        return result;
    }
    if (outOfRange(salary)) {
        result.refusal = inputRefusal(rules, "社会保険料等控除後の給与等の金額");
        return result;
    }
    if (outOfRange(count)) {
        result.refusal = inputRefusal(rules, "扶養親族等の数");
        return result;
    }
    result.amounts = amountsFor(monthlyTableFor(rules), column, salary, count);
    result.fields = workingFields(column, result.amounts);
    result.tax = result.amounts.tax;
    return result;
}

} // namespace norvik
