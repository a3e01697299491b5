#include "calc_reiwa/MonthlyTable.h"

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

// The payment dates each table covers, as every result names them.
std::string_view periodOf(RuleSet rules) {
    switch (rules) {
    case RuleSet::Paid2020to2025:
        return "2020-01-01～2025-12-31";
    case RuleSet::Paid2026:
        return "2026-01-01～2026-12-31";
    case RuleSet::Paid2027:
        return "2027-01-01～2027-12-31";
    case RuleSet::Paid2007to2012:
        break;
    }
    return "2007-01-01～2012-12-31";
}

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

// "40.84%", "3.063%": the rate as the table prints it.
std::string percentText(std::int64_t rate) {
    std::string text = std::to_string(rate / 1000);
    std::string decimals = std::to_string(1000 + rate % 1000).substr(1);
    decimals.erase(decimals.find_last_not_of('0') + 1);
    if (!decimals.empty()) {
        text.append(".").append(decimals);
    }
    return text.append("%");
}

std::string yenText(std::int64_t yen) {
    return amountText(yen).append("円");
}

std::string bandText(const MonthlyTableAmounts& a) {
    if (a.kind == MonthlyLineKind::Below) {
        return yenText(*a.bandUpper).append("未満");
    }
    std::string text = yenText(a.bandLower).append("以上");
    if (a.bandUpper) {
        text.append(" ").append(yenText(*a.bandUpper)).append("未満");
    }
    return text;
}

std::string columnText(TaxColumn column, std::int64_t count) {
    if (column == TaxColumn::Kou) {
        return "甲欄・扶養親族等" + amountText(count) + "人";
    }
    if (count == 0) {
        return "乙欄";
    }
    return "乙欄・従たる給与の扶養親族等" + amountText(count) + "人";
}

// "259,200円+(800,000円-740,000円)×40.84%", or "100,000円×3.063%" below the first band, where
// the amount starts from nothing; a printed amount needs no working.
std::string tableFormulaText(const MonthlyTableAmounts& a) {
    if (a.rate == 0) {
        return "月額表の税額";
    }
    if (a.kind == MonthlyLineKind::Below) {
        return yenText(a.salary).append("×").append(percentText(a.rate));
    }
    return yenText(a.tableAmount)
        .append("+(")
        .append(yenText(a.salary))
        .append("-")
        .append(yenText(a.bandLower))
        .append(")×")
        .append(percentText(a.rate));
}

// "4,830円-1,610円×2人"; nothing when no one is deducted.
std::string taxFormulaText(const MonthlyTableAmounts& a) {
    if (a.personsDeducted == 0) {
        return {};
    }
    return yenText(a.formulaAmount)
        .append("-")
        .append(yenText(kTablePersonDeduction))
        .append("×")
        .append(amountText(a.personsDeducted))
        .append("人");
}

std::vector<Field> workingFields(TaxColumn column, const MonthlyTableAmounts& a) {
    std::vector<Field> fields = emptyFields(kFields);
    setText(fields, "band", bandText(a));
    setText(fields, "column", columnText(column, a.count));
    setText(fields, "tableFormula", tableFormulaText(a));
    setText(fields, "tableTax", amountText(a.formulaAmount));
    setText(fields, "deduction", amountText(a.deduction));
    setText(fields, "taxFormula", taxFormulaText(a));
    setText(fields, "tax", amountText(a.tax));
    return fields;
}

Refusal noTableRefusal() {
    return {std::string(kRefusalTitle),
            std::string(ruleSetName(RuleSet::Paid2007to2012))
                .append("の月額表はこのプログラムにありません。月額表による計算は令和2年分以降の"
                        "規定でだけできます。")};
}

Refusal inputRefusal(RuleSet rules, std::int64_t salary) {
    const std::string_view what =
        outOfRange(salary) ? "社会保険料等控除後の給与等の金額" : "扶養親族等の数";
    return {std::string(kRefusalTitle), std::string(ruleSetName(rules))
                                            .append("の月額表では、")
                                            .append(what)
                                            .append("は0から")
                                            .append(amountText(kLargestTableInput))
                                            .append("までです。")};
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
    result.rules = RulesUsed{ruleSetName(rules), periodOf(rules)};
    if (rules == RuleSet::Paid2007to2012) {
        result.refusal = noTableRefusal();
        return result;
    }
    if (outOfRange(salary) || outOfRange(count)) {
        result.refusal = inputRefusal(rules, salary);
        return result;
    }
    result.amounts = amountsFor(monthlyTableFor(rules), column, salary, count);
    result.fields = workingFields(column, result.amounts);
    result.tax = result.amounts.tax;
    return result;
}

} // namespace norvik
